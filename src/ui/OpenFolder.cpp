#include "ui/OpenFolder.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <memory>

#include "ui/OFFrm.h"

QString TOpenFolder::WithSeparator(const QString &text, bool withFiles)
{
    if (text.endsWith(QLatin1Char('/')))
        return text;
    if (!withFiles || QFileInfo(text).isDir())
        return text + QLatin1Char('/');
    return text; // a file stays as it is
}

bool TOpenFolder::SelectFolder(const QString &title, const QString &initialFolder)
{
    auto frm = std::make_unique<TOFFrm>(DialogParent, WithFiles);
    if (!title.isEmpty())
        frm->SetTitle(title);
    QString dir = initialFolder;
    if (!dir.isEmpty())
        RememberedFolder = dir;
    else
        dir = RememberedFolder;
    if (!dir.isEmpty() && QFileInfo(dir).isDir())
        frm->OpenAt = dir;
    if (frm->exec() != 1)
        return false;
    const QString text = frm->Edit1->text();
    if (text.isEmpty())
        return false; // nothing named: nothing chosen
    Folder = WithSeparator(text, WithFiles);
    return true;
}
