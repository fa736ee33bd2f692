#include "persist/MoveAside.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString AsidePath(const QString &path) { return path + QStringLiteral(".bad"); }

void RemoveUnlessFolder(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isDir()))
        QFile::remove(path);
}

void MoveAside(const QString &path)
{
    const QString aside = AsidePath(path);
    RemoveUnlessFolder(aside);
    if (!QFileInfo::exists(aside) && QDir().rename(path, aside))
        return;
    RemoveUnlessFolder(path);
}
