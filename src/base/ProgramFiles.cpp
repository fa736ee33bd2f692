#include "base/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString &OverrideDir()
{
    static QString dir;
    return dir;
}

// The piece shapes are what the game cannot run without: their folder
// marks a program folder.
bool HoldsGameFiles(const QString &dir) { return QFileInfo(FindCaseInsensitive(dir, QStringLiteral("Image"))).isDir(); }

// The program folder and its kind; Found is left to ProgramFilesFound().
TProgramFolders CurrentFolders()
{
    if (!OverrideDir().isEmpty()) {
        TProgramFolders f;
        f.Assets = OverrideDir();
        return f;
    }
    if (!QCoreApplication::instance())
        return LocateProgramFolders(QDir::currentPath());
    // The executable does not move while it runs: looked up once.
    static const TProgramFolders located = LocateProgramFolders(QCoreApplication::applicationDirPath());
    return located;
}

// A folder of the player's in one of the XDG base folders.
QString XdgFolder(QStandardPaths::StandardLocation base, const QString &relative)
{
    return QStandardPaths::writableLocation(base) + QLatin1Char('/') + relative;
}

bool StateBesideProgram(const TProgramFolders &f) { return !f.Installed && FolderWritable(f.Assets); }

// Makes a folder and the missing folders above it, but never inside a
// folder marked read-only.
void MakeFolder(const QString &dir)
{
    QString existing = QDir::cleanPath(dir);
    while (!QFileInfo::exists(existing)) {
        const QString up = QFileInfo(existing).absolutePath();
        if (up == existing)
            return;
        existing = up;
    }
    if (existing != QDir::cleanPath(dir) && FolderWritable(existing))
        QDir().mkpath(dir);
}

} // namespace

QString ProgramDir() { return CurrentFolders().Assets; }

void SetProgramDir(const QString &dir)
{
    QString d = dir;
    while (d.size() > 1 && d.endsWith(QLatin1Char('/')))
        d.chop(1);
    OverrideDir() = d;
}

QString FindCaseInsensitive(const QString &base, const QString &relative)
{
    QString current = base;
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    bool searching = true;
    for (const QString &part : parts) {
        QString next = current + QLatin1Char('/') + part;
        if (searching && !QFileInfo::exists(next)) {
            const QStringList entries =
                QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            bool found = false;
            for (const QString &e : entries) {
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    next = current + QLatin1Char('/') + e;
                    found = true;
                    break;
                }
            }
            if (!found)
                searching = false;
        }
        current = next;
    }
    return current;
}

QString ProgramFile(const QString &relative) { return FindCaseInsensitive(ProgramDir(), relative); }

TProgramFolders LocateProgramFolders(const QString &binDir)
{
    TProgramFolders f;
    f.Assets = binDir;
    if (HoldsGameFiles(binDir)) {
        f.Found = true;
        return f;
    }
    const QString shared = QDir::cleanPath(binDir + QStringLiteral("/../share/jigsy"));
    if (HoldsGameFiles(shared)) {
        f.Assets = shared;
        f.Found = true;
        f.Installed = true;
    }
    return f;
}

bool ProgramFilesFound() { return HoldsGameFiles(ProgramDir()); }

bool FolderWritable(const QString &dir)
{
    const QFileInfo fi(dir);
    const QFile::Permissions writeBits = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return fi.isDir() && fi.isWritable() && (fi.permissions() & writeBits);
}

QString UserStateDir()
{
    const TProgramFolders f = CurrentFolders();
    if (StateBesideProgram(f))
        return f.Assets;
    const QString dir = XdgFolder(QStandardPaths::GenericConfigLocation, QStringLiteral("jigsy"));
    MakeFolder(dir);
    return dir;
}

QString UserStateFile(const QString &name) { return FindCaseInsensitive(UserStateDir(), name); }

bool UserStateWritable() { return FolderWritable(UserStateDir()); }

QString CacheDir()
{
    const TProgramFolders f = CurrentFolders();
    if (StateBesideProgram(f))
        return FindCaseInsensitive(f.Assets, QStringLiteral("cache"));
    return XdgFolder(QStandardPaths::GenericCacheLocation, QStringLiteral("jigsy/cache"));
}
