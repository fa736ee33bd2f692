// The pictures installed beside the program come in pairs: an "A" picture,
// the one the browser shows and the 35-piece cut uses, and its "B" twin, cut
// into 187 pieces.  The player always chooses the "A" picture; the twin is
// only ever the source of the larger cut.
#pragma once

#include <QString>

// The "B" twin of a chosen installed picture: its folder, "B", and its name
// without the first character.
QString InstalledTwin(const QString &path);

// The picture the player chose for a game cut from `path`: the "A" picture
// for a "B" twin, any other path as it is.
QString InstalledChoice(const QString &path);
