// The home area: the free middle of the table, of the picture's size, where
// the picture is put together; the edge layout keeps a big cut's pieces
// clear of it.
#pragma once

#include <QRect>

#include "board/Board.h"

namespace play {

// The rectangle of the picture's size in the middle of a table of w x h.
QRect HomeArea(const TCutInfo &cut, int width, int height);

// Whether a piece with its corner at (x, y) shows any pixel inside the
// rectangle (its CellSize square is where its pixels can be).
bool PieceOverlaps(const TCutInfo &cut, int x, int y, const QRect &area);

} // namespace play
