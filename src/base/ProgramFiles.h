// Where the program's own files live, and where the player's are kept.
//
// The program folder holds the assets (Image/, img/, BackGr/, SND/): the
// folder of the executable when they are there (the build folder, a
// portable copy), else ../share/jigsy beside it (an installed game).  No
// absolute path is compiled in, so a staged or moved tree runs as well.
// Every path component is matched without regard to case ("Image" and
// "image" name the same folder).
//
// The player's files stay in the program folder while it is a portable one
// that may be written; an installed or read-only game keeps them per user:
// the settings (Settings.ini) under $XDG_CONFIG_HOME/jigsy, the player's
// state (the game to resume, the records) under $XDG_STATE_HOME/jigsy and
// the thumbnail cache under $XDG_CACHE_HOME/jigsy/cache.  Older versions
// kept the state beside the settings; it is moved over on first need.
#pragma once

#include <QString>

// The program folder, without a trailing '/'.
QString ProgramDir();
// Tests and tools point the game at another folder, taken as a portable
// program folder.
void SetProgramDir(const QString &dir);
// ProgramDir() + '/' + relative, each existing component matched
// case-insensitively; components that do not exist are kept as written.
QString ProgramFile(const QString &relative);
// Same lookup under any base folder.
QString FindCaseInsensitive(const QString &base, const QString &relative);

// Where an executable in binDir finds the game's files.
struct TProgramFolders {
    QString Assets;         // the program folder, without a trailing '/'
    bool Found = false;     // it holds the game's files
    bool Installed = false; // it is the shared folder of an installed game
};
TProgramFolders LocateProgramFolders(const QString &binDir);
// The program folder holds the game's files; without them the game cannot
// start.
bool ProgramFilesFound();

// A folder that exists, may be written and is not marked read-only (a
// folder without write bits counts as read-only even for root).
bool FolderWritable(const QString &dir);

// The folder that holds Settings.ini and the player's other files, without
// a trailing '/': the program folder when it is a portable one that may be
// written, else $XDG_CONFIG_HOME/jigsy, created here on first need.
QString UserStateDir();
// A file of UserStateDir(), its name matched without regard to case.
QString UserStateFile(const QString &name);
// UserStateDir() exists and may be written: the player's settings are kept.
bool UserStateWritable();
// The folder of the player's state (the game to resume, the records),
// without a trailing '/': the program folder when it is a portable one that
// may be written, else $XDG_STATE_HOME/jigsy ($HOME/.local/state/jigsy when
// that is unset or not an absolute path), created here on first need.  The
// first call in a run moves the player's state over from UserStateDir()
// (see MovePlayerStateFiles).
QString PlayerStateDir();
// A file of PlayerStateDir(), its name matched without regard to case.
QString PlayerStateFile(const QString &name);
// When the player's state is not kept beside the program, moves
// "resume.jgy" and "records.ini" (names matched without regard to case)
// from UserStateDir(), where older versions kept them, into the state
// folder.  A file already in the state folder is never replaced; a file
// that cannot be moved or copied stays where it was; one copied but not
// removable is left behind as well, the copy then counting.
void MovePlayerStateFiles();
// The thumbnail cache folder: the program folder's cache/ beside
// Settings.ini, else $XDG_CACHE_HOME/jigsy/cache (made when first filled).
QString CacheDir();
