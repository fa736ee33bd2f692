// Writes the piece-shape bitmaps of every cut into <folder>:
//   JigsyMask5_7.bmp, JigsyShadow5_7.bmp, JigsyBlend5_7_<h><v>.bmp and the
//   same for 17_11, 24_16, 30_20 and 40_25, all 24-bit uncompressed BMP.
#include <QDir>
#include <QImageWriter>
#include <cstdio>

#include "ShapeGen.h"

namespace {

bool Save(const QImage &img, const QString &path)
{
    QImageWriter writer(path, "bmp");
    if (!writer.write(img)) {
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
    for (int sizeIndex = 1; sizeIndex <= ShapeCutCount; ++sizeIndex) {
        const QString cut = QString::fromLatin1(ShapeCut(sizeIndex).Suffix);
        const TShapeSet set = MakeShapes(sizeIndex);
        bool ok = Save(set.Mask, folder + "/JigsyMask" + cut + ".bmp") &&
                  Save(set.Shadow, folder + "/JigsyShadow" + cut + ".bmp");
        for (int v = 0; v < 2 && ok; ++v)
            for (int h = 0; h < 2 && ok; ++h)
                ok = Save(set.Relief[h + 2 * v],
                          folder + "/JigsyBlend" + cut + "_" + QString::number(h) + QString::number(v) + ".bmp");
        if (!ok)
            return 1;
    }
    return 0;
}
