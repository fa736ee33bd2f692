// Keeping pieces within reach.  A piece dropped with its hit square wholly
// off the table, or saved on a larger screen beyond this table's edges,
// could never be grabbed again and the picture never finished.  A table
// that merely shrinks moves nothing: the pieces wait where they lie until
// the window grows again.
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

// The same for the piece just dropped and its group alone: pieces that lie
// off a shrunken table elsewhere stay where they are.
bool KeepDroppedOnTable(Board &b, int piece, int width, int height);

} // namespace play
