// Where the program's own files live: the folder of the executable, with
// every path component matched without regard to case ("Image" and
// "image" name the same folder).
#pragma once

#include <QString>

// The program folder, without a trailing '/'.
QString ProgramDir();
// The folder of the player's own state (the game to resume, the records).
QString UserStateDir();
// Tests and tools point the game at another folder.
void SetProgramDir(const QString &dir);
// ProgramDir() + '/' + relative, each existing component matched
// case-insensitively; components that do not exist are kept as written.
QString ProgramFile(const QString &relative);
// Same lookup under any base folder.
QString FindCaseInsensitive(const QString &base, const QString &relative);
