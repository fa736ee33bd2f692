// Draws the game's artwork: the table overlays (corner plate, time panel,
// digits, colon, cutting label, progress fill, record label, pause plate),
// the toolbar glyphs at 1x and 2x, the splash picture and the window
// icon, and writes the Qt resource file that carries them into the program;
// with --icons, also the desktop's icons (PNG at 48 to 256 px and SVG) in
// the hicolor layout.
//
//   artgen <output folder> [--icons <icon folder>]
//
// Everything is drawn in the one look of ArtStyle.h.
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

#include "ArtStyle.h"
#include "ToolbarGlyphs.h"

namespace {

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

    for (const ToolGlyph &g : ToolGlyphs()) {
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

