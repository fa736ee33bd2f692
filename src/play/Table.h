// The table the pieces lie on.  For the classic cuts it is the window's
// drawing area, as it always was.  A big cut gets a table of its own: at
// least the window, and large enough, in the window's proportions, for the
// edge layout to give every piece a slot of its own round the home area,
// the free middle of the table where the picture is put together.
#pragma once

#include <QSize>

#include "board/Board.h"

namespace play {

// The table for the cut of `sizeIndex` in a window of w x h.
QSize TableSize(int sizeIndex, int windowW, int windowH);
// The table after the window changed to `window` during a game: the window
// for a classic cut; a big cut's table grows to the window and never
// shrinks, so that no piece of its layout is pushed about.
QSize TableOnResize(int sizeIndex, QSize table, QSize window);
// The table grown, to the right and down, until it holds every piece that
// lies beyond its right or bottom edge: a game laid out on a larger screen
// can then be panned over and zoomed out to, and no piece moves.
QSize TableHolding(const Board &b, QSize table);
// The table a saved game is laid on: a big cut keeps the size it was
// saved with (grown to the window), a classic cut takes the window; then
// either is grown to hold its pieces.
QSize TableForLoad(const Board &b, QSize saved, QSize window);

} // namespace play
