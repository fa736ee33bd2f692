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

// A folder of the player's under one of the XDG base folders: the variable
// when it holds an absolute path, else its default under the home folder.
// An empty or relative value is ignored, as the XDG rules ask (taken as it
// is, it would name a folder below wherever the game was started).
QString XdgFolder(const char *variable, const char *homeDefault, const QString &relative)
{
    const QString value = qEnvironmentVariable(variable);
    const QString base =
        QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : QDir::homePath() + QLatin1String(homeDefault);
    return base + QLatin1Char('/') + relative;
}
QString XdgConfigFolder(const QString &relative) { return XdgFolder("XDG_CONFIG_HOME", "/.config", relative); }
QString XdgCacheFolder(const QString &relative) { return XdgFolder("XDG_CACHE_HOME", "/.cache", relative); }
QString XdgStateFolder(const QString &relative) { return XdgFolder("XDG_STATE_HOME", "/.local/state", relative); }

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

namespace {

// A folder of the player's: the program folder while it is a portable one
// that may be written, else `xdgFolder`, made on first need.
QString PlayersFolder(const QString &xdgFolder)
{
    const TProgramFolders f = CurrentFolders();
    if (StateBesideProgram(f))
        return f.Assets;
    MakeFolder(xdgFolder);
    return xdgFolder;
}

} // namespace

QString UserStateDir() { return PlayersFolder(XdgConfigFolder(QStringLiteral("jigsy"))); }

QString UserStateFile(const QString &name) { return FindCaseInsensitive(UserStateDir(), name); }

bool UserStateWritable() { return FolderWritable(UserStateDir()); }

namespace {

// PlayerStateDir() without moving anything into it.
QString StateFolder() { return PlayersFolder(XdgStateFolder(QStringLiteral("jigsy"))); }

} // namespace

QString PlayerStateDir()
{
    [[maybe_unused]] static const bool moved = [] {
        MovePlayerStateFiles();
        return true;
    }();
    return StateFolder();
}

QString PlayerStateFile(const QString &name) { return FindCaseInsensitive(PlayerStateDir(), name); }

void MovePlayerStateFiles()
{
    if (StateBesideProgram(CurrentFolders()))
        return;
    // Where the settings are; not made here when it is not there yet.
    const QString from = XdgConfigFolder(QStringLiteral("jigsy"));
    if (!QFileInfo(from).isDir())
        return;
    const QString to = StateFolder();
    for (const QString &name : {QStringLiteral("resume.jgy"), QStringLiteral("records.ini")}) {
        const QString old = FindCaseInsensitive(from, name);
        if (!QFileInfo(old).isFile() || QFileInfo::exists(FindCaseInsensitive(to, name)))
            continue;
        const QString target = to + QLatin1Char('/') + QFileInfo(old).fileName();
        // QFile::copy refuses a target that exists and leaves no part of a
        // copy behind, so a failed copy loses nothing.
        if (!QFile::rename(old, target) && !QFileInfo::exists(target) && QFile::copy(old, target))
            QFile::remove(old);
    }
}

QString CacheDir()
{
    const TProgramFolders f = CurrentFolders();
    if (StateBesideProgram(f))
        return FindCaseInsensitive(f.Assets, QStringLiteral("cache"));
    return XdgCacheFolder(QStringLiteral("jigsy/cache"));
}
