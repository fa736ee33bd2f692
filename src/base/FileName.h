// File names on Linux are bytes, not text: a picture copied from an old
// camera or another system may carry a name that is not valid UTF-8.  The
// game keeps names as QString, so it decodes them losslessly: valid UTF-8
// as usual, and every other byte as one code unit U+DC80..U+DCFF (a lone
// low surrogate, which no real text holds).  Encoding gives back the very
// same bytes, so such a file can be listed, opened, saved in a game and
// found again.  Qt's own file classes cannot do this (they skip or mangle
// such names); the game's reads, writes and listings go through here.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

QString DecodeFileName(const QByteArray &bytes);
QByteArray EncodeFileName(const QString &name);

// The name as the player sees it: each undecodable byte shows as U+FFFD.
QString DisplayFileName(const QString &name);

// True for a regular file, after following links.
bool IsRegularFile(const QString &path);

// The names of everything directly inside a folder, "." and ".." left out,
// in no particular order; empty when the folder cannot be read.
QStringList FolderEntries(const QString &folder);
