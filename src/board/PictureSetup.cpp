#include "board/PictureSetup.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTransform>
#include <cmath>

#include "board/GBlur.h"
#include "board/JpegFile.h"

namespace {

// Headers claiming more than this are refused before anything is
// allocated: a 200-megapixel camera file still passes.
constexpr qint64 MaxPixels = 260'000'000;
// Qt's own limit is lifted no further than a picture of MaxPixels needs.
constexpr qint64 MaxProgressivePixels = 100'000'000;
// Below this, a picture costs no more than Qt allows by default anyway.
constexpr qint64 MaxSmallPixels = 16'000'000;
constexpr int MaxAllocationMB = int(MaxPixels * 4 / (1024 * 1024)) + 1;

bool KnownFormat(const QByteArray &format)
{
    return format == "jpeg" || format == "png" || format == "bmp" || format == "ico";
}

// The picture as the camera meant it: mirrored, then turned a quarter
// clockwise, as the EXIF orientation says.
QImage Upright(QImage img, QImageIOHandler::Transformations t)
{
    if (t == QImageIOHandler::TransformationNone)
        return img;
    img = img.mirrored(t & QImageIOHandler::TransformationMirror, t & QImageIOHandler::TransformationFlip);
    if (t & QImageIOHandler::TransformationRotate90)
        img = img.transformed(QTransform().rotate(90));
    return img;
}

bool ReadJpeg(const TJpegFile &jpeg, QImageIOHandler::Transformations orientation, QSize cover, QImage &out)
{
    // The sides of the picture as it will stand, after a quarter turn.
    const bool turned = orientation & QImageIOHandler::TransformationRotate90;
    const int w = turned ? jpeg.Height() : jpeg.Width(), h = turned ? jpeg.Width() : jpeg.Height();
    int denom = 1;
    if (!cover.isEmpty())
        for (int d : {8, 4, 2})
            if (TJpegFile::ScaledSide(w, d) >= cover.width() && TJpegFile::ScaledSide(h, d) >= cover.height()) {
                denom = d;
                break;
            }
    QImage img;
    if (!jpeg.Decode(img, denom, false, true))
        return false;
    out = Upright(std::move(img), orientation);
    return true;
}

// Qt reads a short BMP without complaint and fills the missing rows, so a
// truncated or lying BMP is caught here: an uncompressed one must hold all
// the rows its header claims.
bool BmpDataFits(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray h = f.read(34);
    if (h.size() < 26)
        return false;
    const auto u16 = [&](int at) { return qint64(uint8_t(h[at])) | qint64(uint8_t(h[at + 1])) << 8; };
    const auto u32 = [&](int at) { return u16(at) | u16(at + 2) << 16; };
    const qint64 offBits = u32(10), infoSize = u32(14);
    qint64 width, height, bits, compression = 0;
    if (infoSize == 12) { // the old OS/2 header
        width = u16(18);
        height = u16(20);
        bits = u16(24);
    } else {
        if (h.size() < 34)
            return false;
        width = qint32(u32(18));
        height = std::abs(qint64(qint32(u32(22))));
        bits = u16(28);
        compression = u32(30);
    }
    const bool packed = compression == 1 || compression == 2; // RLE8, RLE4
    if (packed || width <= 0 || bits <= 0)
        return true; // the general size rule applies
    const qint64 stride = (width * bits + 31) / 32 * 4;
    return offBits + stride * height <= f.size();
}

} // namespace

QString SetimgMessage(TSetimgResult result)
{
    switch (result) {
    case TSetimgResult::Ok:
        return {};
    case TSetimgResult::Unreadable:
        return QStringLiteral("Не могу загрузить эту картинку, файл либо отсутствует, либо испорчен!");
    case TSetimgResult::TooSmall:
        return QStringLiteral("Эта картинка слишком маленькая, выбери картинку побольше!");
    }
    return {};
}

bool ReadPicture(const QString &path, QSize cover, QImage &out)
{
    if (!QFileInfo(path).isFile())
        return false;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (!KnownFormat(format))
        return false;
    const QSize size = reader.size();
    if (size.width() <= 0 || size.height() <= 0 || qint64(size.width()) * size.height() > MaxPixels)
        return false;

    QImage img;
    if (format == "jpeg") {
        TJpegFile jpeg;
        if (!jpeg.Open(path))
            return false;
        // A progressive file holds the coefficients of the whole picture
        // while it decodes (some 3 to 6 bytes a pixel): beyond 100
        // megapixels that is more memory than a game may take.
        if (jpeg.Progressive() && qint64(jpeg.Width()) * jpeg.Height() > MaxProgressivePixels)
            return false;
        if (jpeg.Channels() != 4) {
            if (!ReadJpeg(jpeg, reader.transformation(), cover, img))
                return false;
            out = std::move(img);
            return true;
        }
        // CMYK: Qt's own decoder below.
    }
    // Formats without shrinking while decoding are read whole.  A header
    // may claim far more pixels than its file could hold: deflate packs at
    // most about 1032 bytes into one, and a pixel takes at least a bit.
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > MaxSmallPixels && pixels > QFileInfo(path).size() * 8300)
        return false;
    if (format == "bmp" && !BmpDataFits(path))
        return false;
    const qint64 bytes = pixels * 4;
    reader.setAllocationLimit(std::clamp(int(bytes / (1024 * 1024)) + 8, 128, MaxAllocationMB));
    reader.setAutoTransform(true);
    if (!reader.read(&img) || img.isNull())
        return false;
    // A large picture keeps its own format here: it is scaled down before
    // it becomes 24-bit, so it is never held twice at full size.
    if (pixels <= MaxSmallPixels)
        img = img.convertToFormat(QImage::Format_BGR888);
    out = std::move(img);
    return !out.isNull();
}

namespace {

// Nearest integer, a half going to the even neighbour.
int RoundHalfEven(double v)
{
    const double down = std::floor(v), frac = v - down;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(down, 2.0) != 0))
        return int(down) + 1;
    return int(down);
}

} // namespace

QSize CoverSize(QSize picture, QSize target)
{
    const double width = picture.width(), height = picture.height();
    const int h1 = RoundHalfEven(height / width * target.width());
    if (h1 < target.height())
        return {RoundHalfEven(width / height * target.height()), target.height()};
    return {target.width(), h1};
}

TSetimgResult FitPictureToCut(const QImage &src, bool ownImage, const TCutInfo &cut, QImage &out)
{
    if (src.isNull())
        return TSetimgResult::Unreadable;
    const QSize target(PictureWidth(cut), PictureHeight(cut));
    // An installed picture is made at the cut's size and is taken as it is.
    // One of another size (a replaced file, or a saved game that calls any
    // picture installed) goes the way of every other picture, so that the
    // pieces always show the whole picture.
    if (ownImage && src.size() == target) {
        out = src.convertToFormat(QImage::Format_BGR888);
        return TSetimgResult::Ok;
    }
    if (src.width() < target.width() || src.height() < target.height())
        return TSetimgResult::TooSmall;
    const QSize scaledSize = CoverSize(src.size(), target);
    const QImage scaled = scaledSize == src.size()
                              ? src
                              : src.scaled(scaledSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QRect part(QPoint(0, 0), target);
    if (scaled.width() == target.width())
        part.moveTop((scaled.height() - target.height()) / 2);
    else
        part.moveLeft((scaled.width() - target.width()) / 2);
    out = scaled.copy(part).convertToFormat(QImage::Format_BGR888);
    return TSetimgResult::Ok;
}

TSetimgResult LoadPictureForCut(const QString &path, bool ownImage, const TCutInfo &cut, QImage &out)
{
    QImage loaded;
    const QSize cover(PictureWidth(cut), PictureHeight(cut));
    if (!ReadPicture(path, cover, loaded))
        return TSetimgResult::Unreadable;
    return FitPictureToCut(loaded, ownImage, cut, out);
}

namespace {

void FillRect(QImage &img, int x0, int y0, int x1, int y1, uint8_t v)
{
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, img.width());
    y1 = std::min(y1, img.height());
    for (int y = y0; y < y1; ++y)
        if (x1 > x0)
            memset(img.scanLine(y) + 3 * x0, v, size_t(x1 - x0) * 3);
}

} // namespace

void MakeFinishedBitmaps(const QImage &picture, QImage &A, QImage &B)
{
    const int PW = picture.width(), PH = picture.height();
    B = QImage(1024, 512, QImage::Format_BGR888);
    B.fill(Qt::white);
    FillRect(B, 5, 5, PW + 7, PH + 7, 0);
    GBlur(B, 3.0);
    FillRect(B, 5, 5, PW + 5, PH + 5, 0);

    A = QImage(1024, 512, QImage::Format_BGR888);
    A.fill(Qt::black);
    const QImage pic = picture.convertToFormat(QImage::Format_BGR888);
    const int w = std::min(PW, A.width() - 5), h = std::min(PH, A.height() - 5);
    for (int y = 0; y < h; ++y)
        memcpy(A.scanLine(5 + y) + 15, pic.constScanLine(y), size_t(w) * 3);
}

QImage FinishedTextureImage(const QImage &picture)
{
    QImage A, B;
    MakeFinishedBitmaps(picture, A, B);
    QImage out(A.size(), QImage::Format_RGBA8888);
    for (int y = 0; y < A.height(); ++y) {
        const uint8_t *a = A.constScanLine(y), *b = B.constScanLine(y);
        uint8_t *o = out.scanLine(y);
        for (int x = 0; x < A.width(); ++x) {
            o[4 * x] = a[3 * x + 2];
            o[4 * x + 1] = a[3 * x + 1];
            o[4 * x + 2] = a[3 * x];
            o[4 * x + 3] = uint8_t(255 - b[3 * x]);
        }
    }
    return out;
}
