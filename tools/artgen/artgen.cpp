// Draws the game's artwork: the table overlays (corner plate, time panel,
// digits, colon, cutting label, progress fill, record label, pause plate),
// the twelve toolbar glyphs at 1x and 2x, the splash picture and the window
// icon, and writes the Qt resource file that carries them into the program;
// with --icons, also the desktop's icons (PNG at 48 to 256 px and SVG) in
// the hicolor layout.
//
//   artgen <output folder> [--icons <icon folder>]
//
// Everything shares one look: jigsaw shapes, a navy outline, warm gold and
// cream on deep blue, soft bevels.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <cstdio>
#include <functional>

#include "PiecePath.h"

namespace {

const QColor Navy(0x1B, 0x33, 0x58);
const QColor NavyLight(0x2F, 0x5A, 0x8C);
const QColor Gold(0xF4, 0xB9, 0x3A);
const QColor GoldLight(0xFF, 0xE2, 0x8A);
const QColor GoldDark(0xD0, 0x8A, 0x12);
const QColor Cream(0xFF, 0xF6, 0xE0);
const QColor Coral(0xE8, 0x65, 0x4A);
const QColor Green(0x4F, 0xB0, 0x5A);
const QColor Blue(0x3A, 0x7B, 0xC8);
const QColor Sky(0xA6, 0xCA, 0xF0);

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

QPen Outline(double w, const QColor &c = Navy)
{
    QPen pen(c, w);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// A raised shape: gradient fill, light inner edge top-left, shade
// bottom-right, navy outline.
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

// Text as a path, outlined then filled, so it reads on any table.
void OutlinedText(QPainter &p, const QPointF &baseline, const QFont &font, const QString &text,
                  const QBrush &fill, double outline, const QColor &outlineColour = Navy)
{
    QPainterPath path;
    path.addText(baseline, font, text);
    if (outline > 0)
        p.strokePath(path, Outline(outline, outlineColour));
    p.fillPath(path, fill);
}

QFont Font(const QString &family, double px, bool bold, bool italic = false)
{
    QFont f(family);
    f.setPixelSize(int(px));
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Text centred horizontally on cx, baseline at y.
void CentredText(QPainter &p, double cx, double y, const QFont &font, const QString &text, const QBrush &fill,
                 double outline)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF r = path.boundingRect();
    OutlinedText(p, QPointF(cx - r.center().x(), y), font, text, fill, outline);
}

// The plaque the overlays sit on: deep blue glass with a gold rim.
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

// ---- table overlays ----

QImage CornerPlate()
{
    QImage img = Canvas(256, 64);
    QPainter p(&img);
    Prepare(p, 1);
    Plaque(p, QRectF(3, 5, 250, 54), 14, 2);
    Bevel(p, Piece(QRectF(17, 19, 24, 24), 1, 1, -1, 0), Gold, 1.2, 1.6);
    QFont title = Font(QStringLiteral("Liberation Serif"), 40, true, true);
    OutlinedText(p, QPointF(58, 46), title, QStringLiteral("Jigsy"), Vertical(QRectF(0, 16, 1, 32), GoldLight, Gold),
                 3);
    QFont tag = Font(QStringLiteral("Liberation Sans"), 12, false, true);
    p.setFont(tag);
    p.setPen(Sky);
    p.drawText(QRectF(150, 24, 96, 30), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("собери картинку"));
    return img;
}

QImage TimePanel()
{
    QImage img = Canvas(256, 64);
    QPainter p(&img);
    Prepare(p, 1);
    Plaque(p, QRectF(3, 5, 250, 54), 14, 2);
    CentredText(p, 128, 32, Font(QStringLiteral("Liberation Serif"), 22, true),
                QStringLiteral("Картинка собрана!"), Vertical(QRectF(0, 14, 1, 20), GoldLight, Gold), 2.5);
    CentredText(p, 128, 50, Font(QStringLiteral("Liberation Sans"), 13, false, true), QStringLiteral("ваше время"),
                QBrush(Cream), 0);
    return img;
}

// Digits and the colon: gold figures with a navy rim and a soft shadow.
QImage Glyph(const QString &text)
{
    QImage img = Canvas(32, 32);
    QPainter p(&img);
    Prepare(p, 1);
    const QFont f = Font(QStringLiteral("Liberation Sans"), 29, true);
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF r = path.boundingRect();
    const QPointF at(16 - r.center().x(), 16 - r.center().y());
    path.translate(at);
    p.fillPath(path.translated(1.2, 1.6), QColor(0, 0, 0, 90));
    p.strokePath(path, Outline(3.2));
    p.fillPath(path, Vertical(path.boundingRect(), GoldLight, GoldDark));
    return img;
}

QImage CuttingLabel()
{
    QImage img = Canvas(128, 32);
    QPainter p(&img);
    Prepare(p, 1);
    Plaque(p, QRectF(2, 2, 124, 28), 10, 1.5);
    CentredText(p, 64, 22, Font(QStringLiteral("Liberation Sans"), 16, true), QStringLiteral("Нарезка..."),
                QBrush(Cream), 0);
    return img;
}

// Under the final time when the finish beat the best one.
QImage RecordLabel()
{
    QImage img = Canvas(256, 32);
    QPainter p(&img);
    Prepare(p, 1);
    Plaque(p, QRectF(40, 2, 176, 28), 10, 1.5);
    CentredText(p, 128, 23, Font(QStringLiteral("Liberation Serif"), 20, true), QStringLiteral("Новый рекорд!"),
                Vertical(QRectF(0, 6, 1, 18), GoldLight, Gold), 2);
    return img;
}

// The plate over a paused table, in the finish panel's look.
QImage PausePlate()
{
    QImage img = Canvas(256, 64);
    QPainter p(&img);
    Prepare(p, 1);
    Plaque(p, QRectF(3, 5, 250, 54), 14, 2);
    p.setPen(Outline(1.5));
    p.setBrush(Vertical(QRectF(20, 17, 30, 30), GoldLight, Gold));
    p.drawRoundedRect(QRectF(22, 19, 9, 26), 2, 2);
    p.drawRoundedRect(QRectF(37, 19, 9, 26), 2, 2);
    CentredText(p, 146, 36, Font(QStringLiteral("Liberation Serif"), 28, true), QStringLiteral("Пауза"),
                Vertical(QRectF(0, 14, 1, 24), GoldLight, Gold), 2.5);
    CentredText(p, 146, 52, Font(QStringLiteral("Liberation Sans"), 11, false, true),
                QStringLiteral("любая клавиша или щелчок - дальше"), QBrush(Cream), 0);
    return img;
}

// Stretched over the bar's width, so it changes only from top to bottom.
QImage ProgressFill()
{
    QImage img(64, 16, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 16);
    g.setColorAt(0.0, Navy);
    g.setColorAt(0.07, Navy);
    g.setColorAt(0.08, QColor(0xFF, 0xF0, 0xB8));
    g.setColorAt(0.35, GoldLight);
    g.setColorAt(0.6, Gold);
    g.setColorAt(0.92, GoldDark);
    g.setColorAt(0.93, Navy);
    g.setColorAt(1.0, Navy);
    p.fillRect(img.rect(), g);
    return img;
}

// ---- toolbar glyphs (drawn on a 32-unit square, any scale) ----

void NewGameGlyph(QPainter &p)
{
    Bevel(p, Piece(QRectF(5, 10, 15, 15), 1, 1, 0, 0), Gold, 1.0, 1.5);
    p.setPen(Outline(1.5));
    p.setBrush(Vertical(QRectF(17, 17, 13, 13), Green.lighter(125), Green.darker(110)));
    p.drawEllipse(QPointF(24, 24), 6.5, 6.5);
    p.setPen(Outline(2.2, Qt::white));
    p.drawLine(QPointF(24, 20.5), QPointF(24, 27.5));
    p.drawLine(QPointF(20.5, 24), QPointF(27.5, 24));
}

void LoadGlyph(QPainter &p)
{
    QPainterPath back;
    back.moveTo(3, 8);
    back.lineTo(11, 8);
    back.lineTo(13.5, 11);
    back.lineTo(26, 11);
    back.lineTo(26, 26);
    back.lineTo(3, 26);
    back.closeSubpath();
    p.fillPath(back, Vertical(back.boundingRect(), GoldDark.lighter(110), GoldDark));
    p.strokePath(back, Outline(1.5));
    QPainterPath front;
    front.moveTo(3, 26);
    front.lineTo(7.5, 15);
    front.lineTo(30, 15);
    front.lineTo(26, 26);
    front.closeSubpath();
    p.fillPath(front, Vertical(front.boundingRect(), GoldLight, Gold));
    p.strokePath(front, Outline(1.5));
    // A piece coming out of the folder.
    Bevel(p, Piece(QRectF(15, 3.5, 8, 8), 0, 1, 0, -1), Blue, 0.7, 1.2);
}

void SaveGlyph(QPainter &p)
{
    QPainterPath body;
    body.moveTo(5, 4);
    body.lineTo(24, 4);
    body.lineTo(28, 8);
    body.lineTo(28, 28);
    body.lineTo(4, 28);
    body.lineTo(4, 5);
    body.closeSubpath();
    p.fillPath(body, Vertical(body.boundingRect(), Blue.lighter(120), NavyLight));
    p.strokePath(body, Outline(1.5));
    QPainterPath shutter;
    shutter.addRoundedRect(QRectF(9, 4, 13, 9), 1, 1);
    p.fillPath(shutter, Vertical(shutter.boundingRect(), QColor(235, 238, 244), QColor(180, 188, 200)));
    p.strokePath(shutter, Outline(1.2));
    p.fillRect(QRectF(17, 6, 3, 5), Navy);
    QPainterPath label;
    label.addRoundedRect(QRectF(8, 17, 16, 11), 1.5, 1.5);
    p.fillPath(label, Cream);
    p.strokePath(label, Outline(1.2));
    p.setPen(Outline(1.2, Coral));
    p.drawLine(QPointF(11, 21), QPointF(21, 21));
    p.drawLine(QPointF(11, 24.5), QPointF(19, 24.5));
}

void RoundPlaceGlyph(QPainter &p)
{
    QPainterPath table;
    table.addRoundedRect(QRectF(3, 3, 26, 26), 3, 3);
    p.fillPath(table, Vertical(table.boundingRect(), Sky.lighter(110), Sky.darker(112)));
    p.strokePath(table, Outline(1.5));
    const QColor colours[4] = {Gold, Coral, Green, Blue};
    const QPointF spots[8] = {{5.5, 5.5},  {13, 5.5},  {20.5, 5.5}, {20.5, 13},
                              {20.5, 20.5}, {13, 20.5}, {5.5, 20.5}, {5.5, 13}};
    for (int i = 0; i < 8; ++i) {
        QPainterPath sq;
        sq.addRoundedRect(QRectF(spots[i], QSizeF(6, 6)), 1.2, 1.2);
        p.fillPath(sq, colours[i % 4]);
        p.strokePath(sq, Outline(1.0));
    }
}

void Note(QPainter &p, const QPointF &head, double size, bool flag)
{
    QPainterPath h;
    h.addEllipse(QPointF(0, 0), 3.6 * size, 2.6 * size);
    QTransform t;
    t.translate(head.x(), head.y());
    t.rotate(-22);
    const QPainterPath headPath = t.map(h);
    p.fillPath(headPath, Navy);
    p.setPen(Outline(1.8 * size));
    const QPointF top(head.x() + 3.1 * size, head.y() - 15 * size);
    p.drawLine(QPointF(head.x() + 3.1 * size, head.y() - 1 * size), top);
    if (flag) {
        QPainterPath f;
        f.moveTo(top);
        f.cubicTo(top + QPointF(1, 4 * size), top + QPointF(6 * size, 5 * size), top + QPointF(4.5 * size, 11 * size));
        p.strokePath(f, Outline(1.8 * size));
    }
}

void MusicGlyph(QPainter &p)
{
    // Two beamed notes with a gold glow behind.
    QRadialGradient glow(QPointF(16, 16), 15);
    glow.setColorAt(0, QColor(0xFF, 0xE2, 0x8A, 200));
    glow.setColorAt(1, QColor(0xFF, 0xE2, 0x8A, 0));
    p.fillRect(QRectF(0, 0, 32, 32), glow);
    Note(p, QPointF(9, 25), 1.0, false);
    Note(p, QPointF(22, 22), 1.0, false);
    QPainterPath beam;
    beam.moveTo(12.1, 10);
    beam.lineTo(25.1, 7);
    beam.lineTo(25.1, 11);
    beam.lineTo(12.1, 14);
    beam.closeSubpath();
    p.fillPath(beam, Navy);
    p.strokePath(beam, Outline(1.0));
}

void Eff3dGlyph(QPainter &p)
{
    const QPainterPath piece = Piece(QRectF(7, 8, 17, 17), 1, -1, 0, 1);
    QPainterPath base = piece.translated(1.5, 1.5);
    p.fillPath(base, QColor(0, 0, 0, 70));
    Bevel(p, piece, Blue, 1.8, 1.5);
}

void ShadowGlyph(QPainter &p)
{
    const QPainterPath piece = Piece(QRectF(5, 7, 16, 16), 1, 1, 0, 0);
    for (int i = 3; i >= 1; --i)
        p.fillPath(piece.translated(2.0 + i, 2.0 + i), QColor(0, 0, 0, 40));
    Bevel(p, piece, Gold, 1.0, 1.5);
}

void Frame(QPainter &p, const QRectF &r)
{
    QPainterPath frame;
    frame.addRoundedRect(r, 2, 2);
    p.fillPath(frame, Cream);
    p.strokePath(frame, Outline(1.5));
    const QRectF in = r.adjusted(2.5, 2.5, -2.5, -2.5);
    p.fillRect(in, Vertical(in, Sky, Sky.lighter(115)));
    p.save();
    p.setClipRect(in);
    p.setPen(Qt::NoPen);
    p.setBrush(Gold);
    p.drawEllipse(QPointF(in.right() - 4, in.top() + 4), 2.6, 2.6);
    QPainterPath hills;
    hills.moveTo(in.left(), in.bottom());
    hills.lineTo(in.left(), in.bottom() - 4);
    hills.quadTo(in.left() + in.width() * 0.3, in.top() + in.height() * 0.25, in.left() + in.width() * 0.55,
                 in.bottom() - 5);
    hills.quadTo(in.left() + in.width() * 0.8, in.top() + in.height() * 0.45, in.right(), in.bottom() - 3);
    hills.lineTo(in.right(), in.bottom());
    hills.closeSubpath();
    p.fillPath(hills, Vertical(hills.boundingRect(), Green.lighter(115), Green.darker(120)));
    p.restore();
    p.setPen(Outline(1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(in);
}

void BgGlyph(QPainter &p)
{
    QPainterPath back;
    back.addRoundedRect(QRectF(8, 3, 21, 17), 2, 2);
    p.fillPath(back, Vertical(back.boundingRect(), Coral.lighter(120), Coral));
    p.strokePath(back, Outline(1.5));
    Frame(p, QRectF(3, 10, 22, 18));
}

void ChMusGlyph(QPainter &p)
{
    // A note inside a turning arrow.
    QPainterPath arc;
    arc.arcMoveTo(QRectF(3.5, 3.5, 25, 25), 60);
    arc.arcTo(QRectF(3.5, 3.5, 25, 25), 60, 280);
    p.strokePath(arc, Outline(4.6));
    p.strokePath(arc, Outline(2.4, Green.lighter(115)));
    const QPointF end = arc.currentPosition();
    QPainterPath head;
    head.moveTo(end + QPointF(-4.5, -4.0));
    head.lineTo(end + QPointF(5.0, -1.5));
    head.lineTo(end + QPointF(-1.5, 5.5));
    head.closeSubpath();
    p.fillPath(head, Green.lighter(115));
    p.strokePath(head, Outline(1.2));
    Note(p, QPointF(14, 21), 0.78, true);
}

void PauseGlyph(QPainter &p)
{
    QPainterPath face;
    face.addEllipse(QPointF(16, 16), 13, 13);
    p.fillPath(face, Vertical(face.boundingRect(), Blue.lighter(125), NavyLight));
    p.strokePath(face, Outline(1.5));
    for (double x : {10.5, 17.5}) {
        QPainterPath bar;
        bar.addRoundedRect(QRectF(x, 9, 4.5, 14), 1.2, 1.2);
        p.fillPath(bar, Vertical(bar.boundingRect(), GoldLight, Gold));
        p.strokePath(bar, Outline(1.0));
    }
}

void LidGlyph(QPainter &p)
{
    // The box's lid, tilted up, with the picture on it.
    QPainterPath box;
    box.addRoundedRect(QRectF(4, 19, 24, 9), 1.5, 1.5);
    p.fillPath(box, Vertical(box.boundingRect(), GoldDark.lighter(115), GoldDark));
    p.strokePath(box, Outline(1.5));
    Frame(p, QRectF(3, 4, 26, 17));
}

void EdgeGlyph(QPainter &p)
{
    // A frame of pieces round an empty middle.
    QPainterPath table;
    table.addRoundedRect(QRectF(3, 3, 26, 26), 3, 3);
    p.fillPath(table, Vertical(table.boundingRect(), Sky.lighter(110), Sky.darker(112)));
    p.strokePath(table, Outline(1.5));
    QPainterPath ring;
    ring.addRect(QRectF(6, 6, 20, 20));
    QPainterPath hole;
    hole.addRect(QRectF(12, 12, 8, 8));
    ring = ring.subtracted(hole);
    p.fillPath(ring, Vertical(ring.boundingRect(), GoldLight, Gold));
    p.strokePath(ring, Outline(1.2));
    p.setPen(Outline(0.9));
    for (double v : {12.0, 20.0}) {
        p.drawLine(QPointF(v, 6), QPointF(v, 12));
        p.drawLine(QPointF(v, 20), QPointF(v, 26));
        p.drawLine(QPointF(6, v), QPointF(12, v));
        p.drawLine(QPointF(20, v), QPointF(26, v));
    }
}

struct ToolGlyph {
    const char *name;
    std::function<void(QPainter &)> draw;
};

QImage ToolbarGlyph(const ToolGlyph &g, int scale)
{
    QImage img = Canvas(32 * scale, 32 * scale);
    QPainter p(&img);
    Prepare(p, scale);
    g.draw(p);
    return img;
}

// ---- splash and icon ----

QImage SoftShadow(const QPainterPath &shape, QSize size, QPointF offset, int alpha)
{
    QImage sh = Canvas(size.width(), size.height());
    {
        QPainter p(&sh);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(shape.translated(offset), QColor(0, 0, 0, alpha));
    }
    // Down and up again, smoothly: a cheap wide blur.
    return sh.scaled(size / 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage Splash()
{
    QImage img = Canvas(512, 512);
    const double s = 140, x0 = 116, y0 = 70;
    struct P {
        QPainterPath path;
        QColor colour;
    };
    P pieces[4] = {
        {Piece(QRectF(x0, y0, s, s), 1, 1, -1, 1), Blue},
        {Piece(QRectF(x0 + s, y0, s, s), -1, 1, 1, -1), Gold},
        {Piece(QRectF(x0, y0 + s, s, s), 1, -1, 1, -1), Coral},
        {Piece(QRectF(x0 + s, y0 + s, s, s), -1, -1, 1, 1), Green},
    };
    // The last piece is lifted off and turned a little: the game in play.
    QTransform lift;
    lift.translate(x0 + 1.5 * s + 26, y0 + 1.5 * s + 18);
    lift.rotate(9);
    lift.translate(-(x0 + 1.5 * s), -(y0 + 1.5 * s));
    pieces[3].path = lift.map(pieces[3].path);

    QPainterPath all;
    for (int i = 0; i < 3; ++i)
        all = all.united(pieces[i].path);
    {
        QPainter p(&img);
        p.drawImage(0, 0, SoftShadow(all, img.size(), QPointF(6, 10), 110));
        p.drawImage(0, 0, SoftShadow(pieces[3].path, img.size(), QPointF(16, 22), 120));
    }
    QPainter p(&img);
    Prepare(p, 1);
    for (int i = 0; i < 4; ++i) {
        Bevel(p, pieces[i].path, pieces[i].colour, 5, 4);
        // A soft light on every piece.
        const QRectF r = pieces[i].path.boundingRect();
        QRadialGradient light(r.center() - QPointF(r.width() * 0.18, r.height() * 0.2), r.width() * 0.55);
        light.setColorAt(0, QColor(255, 255, 255, 70));
        light.setColorAt(1, QColor(255, 255, 255, 0));
        p.save();
        p.setClipPath(pieces[i].path);
        p.fillRect(r, light);
        p.restore();
    }
    // The name across the table.
    const QFont title = Font(QStringLiteral("Liberation Serif"), 118, true, true);
    QPainterPath text;
    text.addText(0, 0, title, QStringLiteral("Jigsy"));
    const QRectF tr = text.boundingRect();
    text.translate(256 - tr.center().x(), 388 - tr.bottom() + tr.height() * 0.0);
    p.drawImage(0, 0, SoftShadow(text, img.size(), QPointF(4, 7), 150));
    p.strokePath(text, Outline(10));
    p.fillPath(text, Vertical(text.boundingRect(), GoldLight, Gold.darker(105)));
    p.strokePath(text, Outline(1.5, QColor(255, 255, 255, 120)));
    // What is happening, on a small plaque so it reads on any desktop.
    Plaque(p, QRectF(176, 452, 160, 34), 12, 2);
    CentredText(p, 256, 475, Font(QStringLiteral("Liberation Sans"), 16, true), QStringLiteral("Загрузка..."),
                QBrush(Cream), 0);
    return img;
}

// The icon's shapes in its 256 x 256 frame: a gold piece with a blue "J".
struct IconShapes {
    QPainterPath piece;
    QPainterPath letter;
    QLinearGradient ink; // the letter's fill, lighter blue at the top
    double edge = 7;     // bevel and outline width
};

IconShapes MakeIconShapes()
{
    IconShapes s;
    s.piece = Piece(QRectF(44, 64, 148, 148), 1, 1, -1, -1);
    s.letter.addText(0, 0, Font(QStringLiteral("Liberation Serif"), 110, true, true), QStringLiteral("J"));
    s.letter.translate(118 - s.letter.boundingRect().center().x(), 172);
    s.ink = Vertical(QRectF(0, 80, 1, 100), Blue.lighter(120), Navy);
    return s;
}

QImage Icon()
{
    const IconShapes s = MakeIconShapes();
    QImage img = Canvas(256, 256);
    {
        QPainter p(&img);
        p.drawImage(0, 0, SoftShadow(s.piece, img.size(), QPointF(4, 8), 120));
    }
    QPainter p(&img);
    Prepare(p, 1);
    Bevel(p, s.piece, Gold, s.edge, s.edge);
    p.fillPath(s.letter, s.ink);
    return img;
}

// ---- the icon as SVG, for desktops that scale it ----

QString Num(double v) { return QString::number(v, 'f', 2); }

QString SvgColour(const QColor &c) { return c.name(QColor::HexRgb); }

QString SvgPathData(const QPainterPath &path)
{
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            d += QStringLiteral("M%1 %2").arg(Num(e.x), Num(e.y));
        } else if (e.isLineTo()) {
            d += QStringLiteral("L%1 %2").arg(Num(e.x), Num(e.y));
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1), to = path.elementAt(i + 2);
            d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                     .arg(Num(e.x), Num(e.y), Num(c2.x), Num(c2.y), Num(to.x), Num(to.y));
            i += 2;
        }
    }
    return d + QLatin1Char('Z');
}

QString SvgGradient(const QString &id, const QLinearGradient &g)
{
    QString out = QStringLiteral("<linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" "
                                 "x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\">")
                      .arg(id, Num(g.start().x()), Num(g.start().y()), Num(g.finalStop().x()),
                           Num(g.finalStop().y()));
    for (const QGradientStop &stop : g.stops())
        out += QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\"/>").arg(Num(stop.first), SvgColour(stop.second));
    return out + QStringLiteral("</linearGradient>\n");
}

// The same icon as Icon(), drawn by the SVG renderer: the soft shadow is a
// blur filter, the bevel the same gradient and edge strokes.
QString IconSvg()
{
    const IconShapes s = MakeIconShapes();
    const QString piece = SvgPathData(s.piece);
    const QRectF r = s.piece.boundingRect();
    QLinearGradient body(r.topLeft(), r.bottomRight());
    body.setColorAt(0, Gold.lighter(135));
    body.setColorAt(0.55, Gold);
    body.setColorAt(1, Gold.darker(118));
    const QString edge = Num(2 * s.edge);
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                                 "viewBox=\"0 0 256 256\">\n<defs>\n");
    svg += SvgGradient(QStringLiteral("body"), body);
    svg += SvgGradient(QStringLiteral("ink"), s.ink);
    svg += QStringLiteral("<clipPath id=\"inside\"><path d=\"%1\"/></clipPath>\n").arg(piece);
    svg += QStringLiteral("<filter id=\"soft\" x=\"-20%\" y=\"-20%\" width=\"140%\" height=\"140%\">"
                          "<feGaussianBlur stdDeviation=\"5\"/></filter>\n</defs>\n");
    svg += QStringLiteral("<path d=\"%1\" transform=\"translate(4 8)\" fill=\"#000000\" fill-opacity=\"0.47\" "
                          "filter=\"url(#soft)\"/>\n").arg(piece);
    svg += QStringLiteral("<path d=\"%1\" fill=\"url(#body)\"/>\n").arg(piece);
    svg += QStringLiteral("<g clip-path=\"url(#inside)\" fill=\"none\" stroke-width=\"%1\" "
                          "stroke-linejoin=\"round\" stroke-linecap=\"round\">\n").arg(edge);
    svg += QStringLiteral("<path d=\"%1\" transform=\"translate(%2 %2)\" stroke=\"#ffffff\" "
                          "stroke-opacity=\"0.59\"/>\n").arg(piece, Num(s.edge));
    svg += QStringLiteral("<path d=\"%1\" transform=\"translate(-%2 -%2)\" stroke=\"#000000\" "
                          "stroke-opacity=\"0.24\"/>\n</g>\n").arg(piece, Num(s.edge));
    svg += QStringLiteral("<path d=\"%1\" fill=\"none\" stroke=\"%2\" stroke-width=\"%3\" "
                          "stroke-linejoin=\"round\" stroke-linecap=\"round\"/>\n")
               .arg(piece, SvgColour(Navy), Num(s.edge));
    svg += QStringLiteral("<path d=\"%1\" fill=\"url(#ink)\"/>\n</svg>\n").arg(SvgPathData(s.letter));
    return svg;
}

// The desktop's icons in the hicolor theme's layout under dir: PNG at the
// usual sizes and the SVG.
bool SaveDesktopIcons(const QString &dir)
{
    bool ok = true;
    const QImage big = Icon();
    for (int size : {48, 64, 128, 256}) {
        const QString path = QStringLiteral("%1/hicolor/%2x%2/apps/jigsy.png").arg(dir).arg(size);
        QDir().mkpath(QFileInfo(path).absolutePath());
        const QImage img = size == big.width() ? big
                                               : big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (!img.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    const QString svgPath = dir + QStringLiteral("/hicolor/scalable/apps/jigsy.svg");
    QDir().mkpath(QFileInfo(svgPath).absolutePath());
    QFile svg(svgPath);
    if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) || svg.write(IconSvg().toUtf8()) < 0) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(svgPath));
        ok = false;
    }
    return ok;
}

bool Save(const QImage &img, const QString &dir, const QString &rel, QStringList &listed)
{
    const QString path = dir + QLatin1Char('/') + rel;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!img.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    listed << rel;
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: artgen <output folder> [--icons <icon folder>]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QStringList files;
    bool ok = true;

    QList<QImage> il;
    il << CornerPlate() << TimePanel();
    for (int d = 0; d <= 9; ++d)
        il << Glyph(QString::number(d));
    il << Glyph(QStringLiteral(":")) << CuttingLabel() << ProgressFill() << RecordLabel() << PausePlate();
    for (int i = 0; i < il.size(); ++i)
        ok &= Save(il[i], out, QStringLiteral("art/il/%1.png").arg(i, 2, 10, QLatin1Char('0')), files);

    const ToolGlyph glyphs[] = {
        {"NewGameBtn", NewGameGlyph}, {"LoadBtn", LoadGlyph},   {"SaveBtn", SaveGlyph},
        {"RoundPlaceBtn", RoundPlaceGlyph}, {"MusicBtn", MusicGlyph}, {"Eff3dBtn", Eff3dGlyph},
        {"ShadowBtn", ShadowGlyph}, {"BgBtn", BgGlyph},        {"ChMusBtn", ChMusGlyph},
        {"PauseBtn", PauseGlyph},   {"LidBtn", LidGlyph},      {"EdgeBtn", EdgeGlyph},
    };
    for (const ToolGlyph &g : glyphs) {
        ok &= Save(ToolbarGlyph(g, 1), out, QStringLiteral("art/toolbar/%1.png").arg(QLatin1String(g.name)), files);
        ok &= Save(ToolbarGlyph(g, 2), out, QStringLiteral("art/toolbar/%1@2x.png").arg(QLatin1String(g.name)),
                   files);
    }
    ok &= Save(Splash(), out, QStringLiteral("art/splash.png"), files);
    ok &= Save(Icon(), out, QStringLiteral("art/icon.png"), files);
    if (argc >= 4 && QByteArray(argv[2]) == "--icons")
        ok &= SaveDesktopIcons(QString::fromLocal8Bit(argv[3]));

    QFile qrc(out + QStringLiteral("/art.qrc"));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "artgen: cannot write art.qrc\n");
        return 1;
    }
    QTextStream ts(&qrc);
    ts << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString &f : files)
        ts << "  <file>" << f << "</file>\n";
    ts << "</qresource>\n</RCC>\n";
    return ok ? 0 : 1;
}
