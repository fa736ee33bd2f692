#include "picture/PictureSetup.h"

#include <cmath>

#include <QFileInfo>

#include "base/FileName.h"
#include "picture/GBlur.h"
#include "picture/PictureReader.h"

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

QString PartlyReadText(const QString &path)
{
    return QStringLiteral("Картинка «%1» прочитана не полностью: файл обрывается или повреждён, "
                          "и часть вилор будет серой.")
        .arg(DisplayFileName(QFileInfo(path).fileName()));
}

TSetimgResult LoadPictureForCut(const QString &path, bool ownImage, const TCutInfo &cut, QImage &out, bool *whole)
{
    QImage loaded;
    const QSize cover(PictureWidth(cut), PictureHeight(cut));
    if (!ReadPicture(path, cover, loaded, nullptr, whole))
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

// The finished picture's shadow: this far beyond the picture, softened by
// a blur of this radius, which spreads it by the kernel's half width.
constexpr int kShadowOffset = 2;
constexpr double kBlurRadius = 3.0;
int BlurReach() { return MakeKernel(kBlurRadius).HalfWidth + 1; }
// The texture's room for the blur: more than its reach (9 at radius 3).
constexpr int kBlurRoom = 12;

} // namespace

QSize FinishedTextureSize(QSize picture)
{
    // The picture starts FinishedInset px in; its shadow reaches
    // kShadowOffset px beyond it plus the blur's spread.
    const auto side = [](int need, int least) {
        int s = least;
        while (s < need)
            s *= 2;
        return s;
    };
    const int reach = FinishedInset + kShadowOffset + kBlurRoom;
    return {side(picture.width() + reach, 1024), side(picture.height() + reach, 512)};
}

void MakeFinishedBitmaps(const QImage &picture, QImage &A, QImage &B)
{
    const int PW = picture.width(), PH = picture.height();
    const QSize size = FinishedTextureSize(picture.size());
    B = QImage(size, QImage::Format_BGR888);
    B.fill(Qt::white);
    // Only the corner holding the shadow and the blur's reach changes: the
    // white beyond it blurs to white (the blur takes the edge pixel beyond
    // an edge, and white stays white).
    const int in = FinishedInset, shadowEnd = FinishedInset + kShadowOffset;
    const int reach = BlurReach();
    QImage corner(std::min(size.width(), PW + shadowEnd + reach), std::min(size.height(), PH + shadowEnd + reach),
                  QImage::Format_BGR888);
    corner.fill(Qt::white);
    FillRect(corner, in, in, PW + shadowEnd, PH + shadowEnd, 0);
    GBlur(corner, kBlurRadius);
    for (int y = 0; y < corner.height(); ++y)
        memcpy(B.scanLine(y), corner.constScanLine(y), size_t(corner.width()) * 3);
    FillRect(B, in, in, PW + in, PH + in, 0);

    A = QImage(size, QImage::Format_BGR888);
    A.fill(Qt::black);
    const QImage pic = picture.convertToFormat(QImage::Format_BGR888);
    const int w = std::min(PW, A.width() - in), h = std::min(PH, A.height() - in);
    for (int y = 0; y < h; ++y)
        memcpy(A.scanLine(in + y) + 3 * in, pic.constScanLine(y), size_t(w) * 3);
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
