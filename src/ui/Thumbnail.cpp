#include "ui/Thumbnail.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTransform>
#include <algorithm>

#include "board/DecodeJpeg.h"
#include "ui/FitRect.h"
#include "ui/ThumbCache.h"

namespace {

// Pictures are read no larger than this on their longer side before the
// smooth shrink into the thumbnail: plenty for a 244 x 174 box.
constexpr int ReadLongSide = 2 * ThumbWidth;

bool LooksLikeJpeg(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(3);
    return head.size() == 3 && uchar(head[0]) == 0xFF && uchar(head[1]) == 0xD8 && uchar(head[2]) == 0xFF;
}

// The EXIF orientation turned into the picture's upright form.
QImage Upright(const QImage &img, QImageIOHandler::Transformations t)
{
    if (t == QImageIOHandler::TransformationNone)
        return img;
    if (t == QImageIOHandler::TransformationRotate270)
        return img.transformed(QTransform().rotate(270));
    QImage out = img.mirrored(t & QImageIOHandler::TransformationMirror, t & QImageIOHandler::TransformationFlip);
    if (t & QImageIOHandler::TransformationRotate90)
        out = out.transformed(QTransform().rotate(90));
    return out;
}

bool ReadWithQt(const QString &path, QImage &decoded)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    const int longSide = std::max(size.width(), size.height());
    if (longSide > ReadLongSide && reader.supportsOption(QImageIOHandler::ScaledSize)) {
        const double k = double(ReadLongSide) / longSide;
        reader.setScaledSize(QSize(std::max(1, int(size.width() * k)), std::max(1, int(size.height() * k))));
    }
    QImage img;
    if (!reader.read(&img) || img.isNull())
        return false;
    decoded = std::move(img);
    return true;
}

} // namespace

bool DecodeForThumb(const QString &path, QImage &decoded)
{
    if (LooksLikeJpeg(path)) {
        QImage img(1, 1, QImage::Format_BGR888);
        if (DecodeJpeg(img, path, false) && !img.isNull()) {
            // The fast decoder knows nothing of EXIF: ask Qt's reader, which
            // only reads the file's header for it.
            QImageReader header(path);
            decoded = Upright(img, header.transformation());
            return true;
        }
    }
    return ReadWithQt(path, decoded);
}

void DrawThumb(const QImage &decoded, QImage &thumb)
{
    thumb.fill(Qt::white);
    const QRect r = FitRect(decoded.width(), decoded.height(), thumb.width(), thumb.height());
    if (r.isEmpty())
        return;
    QImage src = decoded;
    if (src.format() != QImage::Format_RGB32 && src.format() != QImage::Format_ARGB32)
        src = src.convertToFormat(QImage::Format_RGB32);
    if (src.size() != r.size())
        src = src.scaled(r.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter p(&thumb);
    p.drawImage(r.topLeft(), src);
}

void DrawErrorTile(QImage &thumb)
{
    thumb.fill(Qt::white);
    QPainter p(&thumb);
    const QString text = QStringLiteral("Error load");
    const QFontMetrics fm(p.font());
    p.setPen(Qt::black);
    const int left = (thumb.width() - fm.horizontalAdvance(text)) / 2;
    const int top = thumb.height() / 2;
    p.drawText(left, top + fm.ascent(), text);
}

bool MakeThumbnail(const QString &path, QImage &decoded, QImage &thumb)
{
    if (thumb.size() != QSize(ThumbWidth, ThumbHeight) || thumb.format() != QImage::Format_RGB32)
        thumb = QImage(ThumbWidth, ThumbHeight, QImage::Format_RGB32);
    if (DecodeForThumb(path, decoded) && decoded.width() > 0 && decoded.height() > 0) {
        DrawThumb(decoded, thumb);
        return true;
    }
    DrawErrorTile(thumb);
    return false;
}
