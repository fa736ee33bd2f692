// Keeping every piece within reach.  A piece whose hit square lies wholly
// off the table (dropped beyond an edge, or left outside when the window
// shrank) could never be grabbed again and the picture never finished.
#pragma once

#include "board/Board.h"

namespace play {

// Brings back every piece whose hit square lies wholly outside the table of
// width x height pixels, moving it with its group the least distance that
// puts its hit square wholly on the table.  A piece with any part of its hit
// square on the table stays exactly where it is.  A group larger than the
// table is left alone while any of its members can still be grabbed (moving
// it would only push others off); otherwise its first member is brought in.
// Nothing moves during a drag or while the table has no area.  Returns
// whether anything moved.
bool KeepPiecesOnTable(Board &b, int width, int height);

} // namespace play
