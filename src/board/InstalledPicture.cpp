#include "board/InstalledPicture.h"

#include <QFileInfo>

namespace {

QString WithFirstLetter(const QString &path, QChar letter)
{
    const int slash = int(path.lastIndexOf(QLatin1Char('/')));
    return path.left(slash + 1) + letter + path.mid(slash + 2);
}

} // namespace

QString InstalledTwin(const QString &path)
{
    return WithFirstLetter(path, QLatin1Char('B'));
}

QString InstalledLarge(const QString &path)
{
    return WithFirstLetter(path, QLatin1Char('C'));
}

QString InstalledSource(const QString &path, int sizeIndex)
{
    if (sizeIndex == 1)
        return path;
    if (sizeIndex > 2 && QFileInfo(InstalledLarge(path)).isFile())
        return InstalledLarge(path);
    const QString twin = InstalledTwin(path);
    return QFileInfo(twin).isFile() ? twin : QString();
}

QString InstalledChoice(const QString &path)
{
    const int slash = int(path.lastIndexOf(QLatin1Char('/')));
    const QString first = path.mid(slash + 1, 1);
    if (first != QLatin1String("B") && first != QLatin1String("C"))
        return path;
    return WithFirstLetter(path, QLatin1Char('A'));
}
