#include "board/InstalledPicture.h"

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

QString InstalledChoice(const QString &path)
{
    const int slash = int(path.lastIndexOf(QLatin1Char('/')));
    if (path.mid(slash + 1, 1) != QLatin1String("B"))
        return path;
    return WithFirstLetter(path, QLatin1Char('A'));
}
