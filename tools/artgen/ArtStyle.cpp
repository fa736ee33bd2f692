#include "ArtStyle.h"

#include "PiecePath.h"

QImage Canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void Prepare(QPainter &p, double scale)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
}

QLinearGradient Vertical(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QPen Outline(double w, const QColor &c)
{
    QPen pen(c, w);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void Bevel(QPainter &p, const QPainterPath &path, const QColor &base, double edge, double outline)
{
    const QRectF r = path.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, base.lighter(135));
    g.setColorAt(0.55, base);
    g.setColorAt(1, base.darker(118));
    p.fillPath(path, g);
    p.save();
    p.setClipPath(path);
    p.strokePath(path.translated(edge, edge), Outline(2 * edge, QColor(255, 255, 255, 150)));
    p.strokePath(path.translated(-edge, -edge), Outline(2 * edge, QColor(0, 0, 0, 60)));
    p.restore();
    p.strokePath(path, Outline(outline));
}

void OutlinedText(QPainter &p, const QPointF &baseline, const QFont &font, const QString &text,
                  const QBrush &fill, double outline, const QColor &outlineColour)
{
    QPainterPath path;
    path.addText(baseline, font, text);
    if (outline > 0)
        p.strokePath(path, Outline(outline, outlineColour));
    p.fillPath(path, fill);
}

QFont Font(const QString &family, double px, bool bold, bool italic)
{
    QFont f(family);
    f.setPixelSize(int(px));
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void CentredText(QPainter &p, double cx, double y, const QFont &font, const QString &text, const QBrush &fill,
                 double outline)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF r = path.boundingRect();
    OutlinedText(p, QPointF(cx - r.center().x(), y), font, text, fill, outline);
}

void Plaque(QPainter &p, const QRectF &r, double radius, double rim)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0x2F, 0x5A, 0x8C, 235));
    g.setColorAt(1, QColor(0x12, 0x24, 0x42, 235));
    p.fillPath(path, g);
    // A glassy sheen over the upper half.
    QPainterPath sheen;
    sheen.addRoundedRect(r.adjusted(rim, rim, -rim, -r.height() / 2), radius - rim, radius - rim);
    p.fillPath(sheen, Vertical(sheen.boundingRect(), QColor(255, 255, 255, 55), QColor(255, 255, 255, 0)));
    p.strokePath(path, Outline(rim, Gold));
}

QPainterPath Piece(const QRectF &body, int top, int right, int bottom, int left)
{
    const int tabs[4] = {top, right, bottom, left};
    return PiecePath(body, tabs);
}
