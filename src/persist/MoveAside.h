// A file of the player's state that cannot be used is moved out of the way
// rather than deleted, so nothing is lost and the game is not stopped by it
// again.
#pragma once

#include <QString>

// "<path>.bad", where MoveAside puts the file.
QString AsidePath(const QString &path);

// Moves whatever stands at path to AsidePath(path), replacing an older one
// moved aside before.  Where even that is impossible a plain file is
// removed; a folder that cannot be moved is left where it is.
void MoveAside(const QString &path);

// Removes whatever stands at path unless it is a real folder.
void RemoveUnlessFolder(const QString &path);
