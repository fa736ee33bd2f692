#include "ui/Thumbnail.h"

#include <QPainter>

#include "picture/PictureReader.h"
#include "ui/FitRect.h"
#include "persist/ThumbCache.h"

bool DecodeForThumb(const QString &path, QImage &decoded)
{
    // Never smaller than the box, so the smooth shrink has pixels to spare.
    return ReadPicture(path, QSize(ThumbWidth, ThumbHeight), decoded);
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
