#include "ToolbarGlyphs.h"

#include <QPainterPath>

#include "ArtStyle.h"

namespace {

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

void SettingsGlyph(QPainter &p)
{
    // A cog wheel: eight teeth round a ring.
    QPainterPath wheel;
    wheel.addEllipse(QPointF(16, 16), 10, 10);
    for (int k = 0; k < 8; ++k) {
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(13.5, 2.5, 5, 8), 1, 1);
        QTransform t;
        t.translate(16, 16);
        t.rotate(45.0 * k);
        t.translate(-16, -16);
        wheel = wheel.united(t.map(tooth));
    }
    QPainterPath hole;
    hole.addEllipse(QPointF(16, 16), 4.5, 4.5);
    wheel = wheel.subtracted(hole);
    p.fillPath(wheel, Vertical(wheel.boundingRect(), NavyLight.lighter(140), Navy));
    p.strokePath(wheel, Outline(1.3));
}

void HideGlyph(QPainter &p)
{
    // Loose pieces shown, an assembled block crossed out.
    QPainterPath block;
    block.addRoundedRect(QRectF(4, 4, 15, 15), 1.5, 1.5);
    p.fillPath(block, Vertical(block.boundingRect(), Sky.lighter(110), Sky.darker(115)));
    p.strokePath(block, Outline(1.2));
    p.setPen(Outline(2.2, Coral));
    p.drawLine(QPointF(5, 18), QPointF(18, 5));
    Bevel(p, Piece(QRectF(19, 18, 9, 9), 0, 0, 0, 1), Gold, 0.7, 1.2);
    Bevel(p, Piece(QRectF(6, 23, 7, 6), -1, 0, 0, 0), Blue, 0.6, 1.0);
}


} // namespace

const std::vector<ToolGlyph> &ToolGlyphs()
{
    static const std::vector<ToolGlyph> glyphs = {
        {"NewGameBtn", NewGameGlyph}, {"LoadBtn", LoadGlyph},   {"SaveBtn", SaveGlyph},
        {"RoundPlaceBtn", RoundPlaceGlyph}, {"MusicBtn", MusicGlyph}, {"Eff3dBtn", Eff3dGlyph},
        {"ShadowBtn", ShadowGlyph}, {"BgBtn", BgGlyph},        {"ChMusBtn", ChMusGlyph},
        {"PauseBtn", PauseGlyph},   {"LidBtn", LidGlyph},      {"EdgeBtn", EdgeGlyph},
        {"SettingsBtn", SettingsGlyph},
        {"HideBtn", HideGlyph},
    };
    return glyphs;
}

QImage ToolbarGlyph(const ToolGlyph &g, int scale)
{
    QImage img = Canvas(32 * scale, 32 * scale);
    QPainter p(&img);
    Prepare(p, scale);
    g.draw(p);
    return img;
}
