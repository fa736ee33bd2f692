// A new game: mirroring of the piece shapes, cutting (through the caller),
// and laying the pieces out on the table, scattered at random or in a
// clockwise spiral of slots along the table's edges.
#pragma once

#include <QPoint>
#include <functional>
#include <utility>
#include <vector>

#include "board/Board.h"
#include "base/Random.h"

namespace play {

// One of the four mirror cases, equally likely: 0 none, 1 left-right,
// 2 top-bottom, 3 both.
void ChooseFlips(Board &b, TRandom &rng);

// Every piece at a random place with its whole square on the table (X in
// [0, width - CellSize), Y likewise; the range is at least one pixel), no
// group, a random turn when turning is allowed; DrawOrder 0..n-1.  The
// numbers are drawn X, Y, turn, piece by piece.  A big cut's pieces lie
// instead on a shuffled grid of slots over the same range, shaken within
// them, so that none covers another by more than a fifth of its square
// where the table has room for that.
void ScatterPieces(Board &b, TRandom &rng, int width, int height);

// The slot grid of the edge layout: columns 0..nx, rows 0..ny, slot (c, r)
// putting a piece's corner at (c * sx - off, r * sy - off).  nx or ny is 0
// when the table is too small for a ring; sx, sy are then 0.
struct TSpiralGrid {
    int Cell, Nx, Ny, Sx, Sy, Off;
};
TSpiralGrid SpiralGrid(const TCutInfo &cut, int width, int height);

// The distinct slots of the clockwise spiral in walking order: ring 0 along
// the top, down the right, back along the bottom and up the left side, then
// ring 1 inside it, and so on until every slot of the grid is used.
std::vector<std::pair<int, int>> SpiralSlots(const TSpiralGrid &g);

// The corners (X, Y) the edge layout gives pieces of the cut of
// `sizeIndex`, in spiral order: every slot for the classic cuts; for a big
// cut only the slots whose pieces keep clear of the home area (Table.h), so
// that the rings go on inward until they meet it.
std::vector<QPoint> EdgeSlots(int sizeIndex, int width, int height);

// Shuffles DrawOrder and gives the pieces, in the new order, the edge slots.
// Pieces beyond the last slot are laid on the middle of the table.  Turns
// are left as they are.
void AutoRoundJigsy(Board &b, TRandom &rng, int width, int height);

// The whole new game after the picture is set: reseed, mirror, ShowFinished
// off, cut the pieces (createJigsy; false stops here and is returned), lay
// them out (edge layout when asked), pieces visible at full opacity, no
// turn or drag of the last game left over.
bool NewGame(Board &b, TRandom &rng, int width, int height, bool edgeLayout,
             const std::function<bool()> &createJigsy);

} // namespace play
