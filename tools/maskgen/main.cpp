// Writes the piece-shape bitmaps of every cut into <folder>, under the
// names the game reads: mask, shadow and the four reliefs of each cut, the
// classic cuts as 24-bit uncompressed BMP, the big ones as grey PNG.
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <cstdio>

#include "picture/ShapeGen.h"
#include "board/Board.h"
#include "picture/Cutting.h"

namespace {

bool Save(const QImage &img, const QString &folder, const QString &relative)
{
    const QString path = folder + "/" + QFileInfo(relative).fileName();
    const bool png = relative.endsWith(QLatin1String(".png"));
    QImageWriter writer(path, png ? "png" : "bmp");
    if (!writer.write(png ? img : img.convertToFormat(QImage::Format_BGR888))) {
        std::fprintf(stderr, "maskgen: cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: maskgen <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "maskgen: cannot create %s\n", argv[1]);
        return 1;
    }
    for (int sizeIndex = 1; sizeIndex <= CutCount; ++sizeIndex) {
        const TShapeSet set = MakeShapes(sizeIndex);
        bool ok = Save(set.Mask, folder, MaskFileName(sizeIndex)) &&
                  Save(set.Shadow, folder, ShadowFileName(sizeIndex));
        for (int v = 0; v < 2 && ok; ++v)
            for (int h = 0; h < 2 && ok; ++h)
                ok = Save(set.Relief[h + 2 * v], folder, ReliefFileName(sizeIndex, h, v));
        if (!ok)
            return 1;
    }
    return 0;
}
