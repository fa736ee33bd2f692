#include "board/PictureReader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "board/JpegFile.h"

namespace {

// Headers claiming more than this are refused before anything is
// allocated: a 200-megapixel camera file still passes.
constexpr qint64 MaxPixels = 260'000'000;
// A progressive JPEG holds the coefficients of the whole picture while it
// decodes (some 3 to 6 bytes a pixel): beyond this it is more memory than
// a game may take.
constexpr qint64 MaxProgressivePixels = 100'000'000;
// Below this, a picture costs no more than Qt allows by default anyway.
constexpr qint64 MaxSmallPixels = 16'000'000;
constexpr int MaxAllocationMB = int(MaxPixels * 4 / (1024 * 1024)) + 1;

TPictureFormat FormatOf(const QByteArray &name)
{
    if (name == "jpeg")
        return TPictureFormat::Jpeg;
    if (name == "png")
        return TPictureFormat::Png;
    if (name == "bmp")
        return TPictureFormat::Bmp;
    if (name == "ico")
        return TPictureFormat::Ico;
    return TPictureFormat::Unknown;
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

bool ReadJpeg(const TJpegFile &jpeg, QImageIOHandler::Transformations orientation, QSize atLeast, QImage &out)
{
    // The sides of the picture as it will stand, after a quarter turn.
    const bool turned = orientation & QImageIOHandler::TransformationRotate90;
    const int w = turned ? jpeg.Height() : jpeg.Width(), h = turned ? jpeg.Width() : jpeg.Height();
    int denom = 1;
    if (!atLeast.isEmpty())
        for (int d : {8, 4, 2})
            if (TJpegFile::ScaledSide(w, d) >= atLeast.width() && TJpegFile::ScaledSide(h, d) >= atLeast.height()) {
                denom = d;
                break;
            }
    QImage img;
    if (!jpeg.Decode(img, denom, false))
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

// Formats without shrinking while decoding are read whole, within limits.
bool ReadWhole(QImageReader &reader, const QString &path, TPictureFormat format, QSize size, QImage &out)
{
    // A header may claim far more pixels than its file could hold: deflate
    // packs at most about 1032 bytes into one, and a pixel takes at least a
    // bit.
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > MaxSmallPixels && pixels > QFileInfo(path).size() * 8300)
        return false;
    if (format == TPictureFormat::Bmp && !BmpDataFits(path))
        return false;
    reader.setAllocationLimit(std::clamp(int(pixels * 4 / (1024 * 1024)) + 8, 128, MaxAllocationMB));
    reader.setAutoTransform(true);
    QImage img;
    if (!reader.read(&img) || img.isNull())
        return false;
    out = std::move(img);
    return true;
}

bool OpenHeader(QImageReader &reader, const QString &path, QSize &size, TPictureFormat &format)
{
    if (!QFileInfo(path).isFile())
        return false;
    reader.setFileName(path);
    reader.setDecideFormatFromContent(true);
    format = FormatOf(reader.format());
    if (format == TPictureFormat::Unknown)
        return false;
    size = reader.size();
    return size.width() > 0 && size.height() > 0 && qint64(size.width()) * size.height() <= MaxPixels;
}

} // namespace

bool ReadPictureHeader(const QString &path, QSize &size, TPictureFormat &format)
{
    QImageReader reader;
    return OpenHeader(reader, path, size, format);
}

bool ReadPicture(const QString &path, QSize atLeast, QImage &out, TPictureFormat *format)
{
    QImageReader reader;
    QSize size;
    TPictureFormat kind = TPictureFormat::Unknown;
    if (!OpenHeader(reader, path, size, kind))
        return false;
    QImage img;
    bool read = false;
    if (kind == TPictureFormat::Jpeg) {
        TJpegFile jpeg;
        if (!jpeg.Open(path))
            return false;
        if (jpeg.Progressive() && qint64(jpeg.Width()) * jpeg.Height() > MaxProgressivePixels)
            return false;
        if (jpeg.Channels() != 4)
            read = ReadJpeg(jpeg, reader.transformation(), atLeast, img);
        else // CMYK: Qt's own decoder
            read = ReadWhole(reader, path, kind, size, img);
    } else {
        read = ReadWhole(reader, path, kind, size, img);
    }
    if (!read || img.isNull())
        return false;
    out = std::move(img);
    if (format)
        *format = kind;
    return true;
}
