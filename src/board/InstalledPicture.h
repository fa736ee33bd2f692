// The pictures installed beside the program come in pairs: an "A" picture,
// the one the browser shows and the 35-piece cut uses, and its "B" twin, cut
// into 187 pieces; a large "C" version (1960 x 1260, the largest cut's size)
// may join them for the big cuts.  The player always chooses the "A" picture; the others are only ever
// the sources of the larger cuts.
#pragma once

#include <QString>

// The "B" twin of a chosen installed picture: its folder, "B", and its name
// without the first character.
QString InstalledTwin(const QString &path);

// The large version of a chosen installed picture: "C" in place of the
// first letter.
QString InstalledLarge(const QString &path);

// The file the cut of `sizeIndex` is made from for the chosen installed
// picture: the picture itself for the first cut, its twin for the second,
// the large version (or else the twin) for the big cuts.  Empty when the
// version needed is missing.
QString InstalledSource(const QString &path, int sizeIndex);

// The picture the player chose for a game cut from `path`: the "A" picture
// for a "B" twin or a "C" version, any other path as it is.
QString InstalledChoice(const QString &path);
