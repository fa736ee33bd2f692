#include "persist/Background.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>


QStringList ListBackgroundFiles(const QString &dir)
{
    QStringList out;
    const QDir d(dir);
    if (!d.exists())
        return out;
    // Name order: the background numbers stored in the settings and in saved
    // games must mean the same pictures on every disk the game is copied to,
    // which the raw order of a directory does not promise.
    const QFileInfoList entries =
        d.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &fi : entries) {
        if (fi.isDir())
            continue;
        const QString ext = fi.suffix().toLower();
        if (ext == QLatin1String("jpg") || ext == QLatin1String("bmp"))
            out.append(fi.absoluteFilePath());
    }
    return out;
}

std::vector<TBackground> LoadBackgrounds(const QString &dir)
{
    std::vector<TBackground> out;
    for (const QString &path : ListBackgroundFiles(dir)) {
        TPicture pic;
        if (LoadBackgroundPicture(path, pic))
            out.push_back({QFileInfo(path).fileName(), std::move(pic)});
    }
    return out;
}

bool LoadBackgroundPicture(const QString &path, TPicture &pic)
{
    if (!QFileInfo(path).isFile())
        return false;
    TPicture p;
    if (!p.LoadFromFile(path) || p.IsEmpty() || p.Width() <= 0 || p.Height() <= 0)
        return false;
    pic = std::move(p);
    return true;
}

QString BadPictureText()
{
    return QStringLiteral("Не могу загрузить эту картинку, файл либо отсутствует, либо испорчен!");
}

int BackgroundGridRows(int count)
{
    const int rows = count / BgGridCols + (count % BgGridCols ? 1 : 0);
    return rows < 1 ? 1 : rows;
}

int BackgroundCellIndex(int col, int row, int count)
{
    if (col < 0 || col >= BgGridCols || row < 0)
        return -1;
    const int n = col + row * BgGridCols;
    return n < count ? n : -1;
}

QRect FitBackgroundCell(const QRect &cell, int w, int h)
{
    const QRect box = cell.adjusted(5, 5, -5, -5);
    const int bw = box.width(), bh = box.height();
    if (w <= 0 || h <= 0)
        return QRect(box.topLeft(), QSize(0, 0));
    int fw = w, fh = h;
    if (w > bw || h > bh) {
        const double r = double(w) / double(h);
        if (w > h) {
            fw = bw;
            fh = int(bw / r);
            if (fh > bh) {
                fh = bh;
                fw = int(bh * r);
            }
        } else {
            fh = bh;
            fw = int(bh * r);
            if (fw > bw) {
                fw = bw;
                fh = int(bw / r);
            }
        }
    }
    return QRect(box.left() + (bw - fw) / 2, box.top() + (bh - fh) / 2, fw, fh);
}

QString PictureFileFilter()
{
    QStringList patterns;
    for (const QByteArray &fmt : QImageReader::supportedImageFormats())
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(fmt).toLower());
    patterns.removeDuplicates();
    return QStringLiteral("Все картинки (%1);;Все файлы (*)").arg(patterns.join(QLatin1Char(' ')));
}
