#include "persist/GameFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString DefaultGameFolder()
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return documents + QStringLiteral("/Jigsy");
}

QString GameDialogFolder(const QString &remembered, const QString &defaultFolder, bool forSaving, bool *made)
{
    if (made)
        *made = false;
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    if (forSaving && !QFileInfo(defaultFolder).isDir() && QDir().mkpath(defaultFolder) && made)
        *made = true;
    if (QFileInfo(defaultFolder).isDir())
        return defaultFolder;
    // Its parent, the documents folder, or failing that the home folder.
    const QString parent = QFileInfo(defaultFolder).absolutePath();
    return QFileInfo(parent).isDir() ? parent : QDir::homePath();
}
