// Reading a file the game did not necessarily write: only a regular file
// (after following links) is opened, and opening never blocks, so a pipe
// or a device named like one of our files can neither hang the game nor
// feed it without end.
#pragma once

#include <QByteArray>
#include <QString>

// A descriptor open for reading, or -1 with errno set (ENOENT, EISDIR,
// EINVAL for a pipe, device or socket, or the open's own failure).  The
// caller closes it.
int OpenRegularFile(const QString &path);

enum class TReadFile { Ok, Missing, NotAFile, TooLarge, Failed };

// The whole content of a regular file of at most maxBytes bytes.
TReadFile ReadRegularFile(const QString &path, qint64 maxBytes, QByteArray &out);
