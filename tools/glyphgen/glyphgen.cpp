// Draws the glyphs of the picture dialogs at build time:
//   newgame_big.png    106 x 106  one piece of the 35-piece cut
//   newgame_small.png  105 x 105  two pieces of the 187-piece cut
//   browse_installed.png 48 x 48  a framed picture (the installed pictures)
//   browse_folder.png    48 x 48  a folder with a picture (pictures of a folder)
// The pieces are cut from a real picture with the game's own mask bitmaps;
// without masks a piece outline is drawn here instead.  Also writes the
// resource list jigsy_glyphs.qrc beside the pictures.
//
// glyphgen --out DIR --picture FILE [--mask5 FILE --mask17 FILE]
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <cstdio>

namespace {

struct Cut {
    int cols, rows, cell, pitch, margin, picW, picH;
};
const Cut Big{7, 5, 120, 80, 20, 560, 400};
const Cut Small{17, 11, 59, 35, 13, 595, 385};

// A piece outline with a knob on every side, in a cell x cell square whose
// home square (pitch wide) starts at margin.
QPainterPath DrawnPiece(const Cut &c)
{
    const double m = c.margin, p = c.pitch, k = p * 0.22;
    QPainterPath path;
    path.moveTo(m, m);
    auto side = [&](QPointF a, QPointF b, QPointF out) {
        const QPointF d = (b - a) / 3.0;
        path.lineTo(a + d);
        path.cubicTo(a + d + out * 1.3 - d * 0.4, a + d * 2.0 + out * 1.3 + d * 0.4, a + d * 2.0);
        path.lineTo(b);
    };
    side({m, m}, {m + p, m}, {0, -k});
    side({m + p, m}, {m + p, m + p}, {k, 0});
    side({m + p, m + p}, {m, m + p}, {0, k});
    side({m, m + p}, {m, m}, {-k, 0});
    path.closeSubpath();
    return path;
}

// Piece (col, row) of a cut as an ARGB tile cell x cell: the picture square
// with alpha from the mask tile (0 = inside).
QImage PieceTile(const Cut &c, const QImage &picture, const QImage &mask, int col, int row)
{
    const QImage pic = picture.scaled(c.picW, c.picH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                           .convertToFormat(QImage::Format_ARGB32);
    QImage tile(c.cell, c.cell, QImage::Format_ARGB32);
    tile.fill(Qt::transparent);
    const int px = col * c.pitch - c.margin;
    const int py = row * c.pitch - c.margin;
    QImage alpha(c.cell, c.cell, QImage::Format_Grayscale8);
    if (!mask.isNull() && mask.width() >= c.cols * c.cell && mask.height() >= c.rows * c.cell) {
        const QImage m = mask.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < c.cell; ++y)
            for (int x = 0; x < c.cell; ++x)
                alpha.scanLine(y)[x] = uchar(255 - qBlue(m.pixel(col * c.cell + x, row * c.cell + y)));
    } else {
        alpha.fill(0);
        QPainter ap(&alpha);
        ap.setRenderHint(QPainter::Antialiasing);
        ap.fillPath(DrawnPiece(c), Qt::white);
    }
    for (int y = 0; y < c.cell; ++y) {
        for (int x = 0; x < c.cell; ++x) {
            const int sx = px + x, sy = py + y;
            const QRgb s = (sx >= 0 && sy >= 0 && sx < pic.width() && sy < pic.height()) ? pic.pixel(sx, sy)
                                                                                          : qRgb(255, 255, 255);
            tile.setPixel(x, y, qRgba(qRed(s), qGreen(s), qBlue(s), alpha.scanLine(y)[x]));
        }
    }
    return tile;
}

// The tile with a soft shadow under it, scaled into a size x size glyph.
QImage WithShadow(const QImage &content, int size, QPoint shadowOffset)
{
    QImage out(size, size, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QImage shadow = content.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < shadow.height(); ++y)
        for (int x = 0; x < shadow.width(); ++x)
            shadow.setPixel(x, y, qRgba(0, 0, 0, qAlpha(shadow.pixel(x, y)) / 3));
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect target(0, 0, size - 3, size - 3);
    p.drawImage(target.translated(shadowOffset), shadow);
    p.drawImage(target, content);
    p.end();
    return out.convertToFormat(QImage::Format_ARGB32);
}

QImage BigGlyph(const QImage &picture, const QImage &mask)
{
    return WithShadow(PieceTile(Big, picture, mask, 2, 2), 106, {3, 3});
}

QImage SmallGlyph(const QImage &picture, const QImage &mask)
{
    // Two neighbours of one row, pulled a little apart.
    const QImage a = PieceTile(Small, picture, mask, 8, 5);
    const QImage b = PieceTile(Small, picture, mask, 9, 5);
    const int gap = 8;
    QImage both(Small.pitch + Small.cell + gap, Small.cell + 16, QImage::Format_ARGB32_Premultiplied);
    both.fill(Qt::transparent);
    QPainter p(&both);
    p.drawImage(0, 0, a);
    p.drawImage(Small.pitch + gap, 16, b);
    p.end();
    QImage square(both.width(), both.width(), QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    QPainter q(&square);
    q.drawImage(0, (square.height() - both.height()) / 2, both);
    q.end();
    return WithShadow(square, 105, {2, 2});
}

QImage InstalledGlyph(const QImage &picture)
{
    QImage out(48, 48, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // a wooden frame round the picture
    p.setPen(QPen(QColor(90, 50, 20), 1));
    p.setBrush(QColor(170, 110, 50));
    p.drawRoundedRect(QRectF(2.5, 7.5, 43, 34), 2, 2);
    p.drawImage(QRect(7, 12, 34, 25), picture.scaled(34, 25, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    p.setPen(QPen(QColor(60, 30, 10), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(6.5, 11.5, 35, 26));
    p.end();
    return out.convertToFormat(QImage::Format_ARGB32);
}

QImage FolderGlyph(const QImage &picture)
{
    QImage out(48, 48, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QColor edge(150, 105, 10);
    // back of the folder with its tab
    QPainterPath back;
    back.moveTo(3, 42);
    back.lineTo(3, 9);
    back.lineTo(17, 9);
    back.lineTo(20, 13);
    back.lineTo(44, 13);
    back.lineTo(44, 42);
    back.closeSubpath();
    p.setPen(QPen(edge, 1));
    p.setBrush(QColor(230, 180, 50));
    p.drawPath(back);
    // a photo sticking out
    p.save();
    p.translate(24, 22);
    p.rotate(-8);
    p.fillRect(QRectF(-16, -12, 32, 22), Qt::white);
    p.drawImage(QRect(-14, -10, 28, 18), picture.scaled(28, 18, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    p.restore();
    // front flap
    QPainterPath front;
    front.moveTo(3, 42);
    front.lineTo(7, 22);
    front.lineTo(47, 22);
    front.lineTo(44, 42);
    front.closeSubpath();
    p.setBrush(QColor(250, 205, 80));
    p.drawPath(front);
    p.end();
    return out.convertToFormat(QImage::Format_ARGB32);
}

bool Save(const QImage &img, const QString &path)
{
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "glyphgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QString out, picturePath, mask5Path, mask17Path;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const QString &k = args.at(i), &v = args.at(i + 1);
        if (k == QLatin1String("--out")) out = v;
        else if (k == QLatin1String("--picture")) picturePath = v;
        else if (k == QLatin1String("--mask5")) mask5Path = v;
        else if (k == QLatin1String("--mask17")) mask17Path = v;
    }
    if (out.isEmpty()) {
        std::fprintf(stderr, "usage: glyphgen --out DIR --picture FILE [--mask5 FILE --mask17 FILE]\n");
        return 2;
    }
    QImage picture(picturePath);
    if (picture.isNull()) {
        // No picture: a sky-and-meadow gradient keeps the build going.
        picture = QImage(560, 400, QImage::Format_RGB32);
        QPainter p(&picture);
        QLinearGradient g(0, 0, 0, 400);
        g.setColorAt(0, QColor(90, 150, 230));
        g.setColorAt(0.55, QColor(200, 225, 250));
        g.setColorAt(0.56, QColor(70, 150, 60));
        g.setColorAt(1, QColor(30, 90, 30));
        p.fillRect(picture.rect(), g);
    }
    const QImage mask5 = mask5Path.isEmpty() ? QImage() : QImage(mask5Path);
    const QImage mask17 = mask17Path.isEmpty() ? QImage() : QImage(mask17Path);

    bool ok = Save(BigGlyph(picture, mask5), out + "/newgame_big.png");
    ok = Save(SmallGlyph(picture, mask17), out + "/newgame_small.png") && ok;
    ok = Save(InstalledGlyph(picture), out + "/browse_installed.png") && ok;
    ok = Save(FolderGlyph(picture), out + "/browse_folder.png") && ok;

    QFile qrc(out + "/jigsy_glyphs.qrc");
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    QTextStream ts(&qrc);
    ts << "<RCC>\n  <qresource prefix=\"/jigsy/glyphs\">\n";
    for (const char *n : {"newgame_big", "newgame_small", "browse_installed", "browse_folder"})
        ts << "    <file>" << n << ".png</file>\n";
    ts << "  </qresource>\n</RCC>\n";
    return ok ? 0 : 1;
}
