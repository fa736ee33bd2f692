// How near its place a dropped piece must lie to join, measured on the
// screen: a few pixels at 25% are many pixels of the table.  The catch is
// the cut's own tolerance or the player's screen pixels turned into table
// pixels, whichever is larger, and never more than half the pitch (a join
// is only ever with the true neighbour, so a wide catch joins nothing
// wrong).  The classic cuts at full size and above keep their own.
#pragma once

#include "board/Board.h"

namespace play {

// The player's setting «Точность стыковки», in screen pixels.
constexpr int kJoinPxLeast = 3;
constexpr int kJoinPxMost = 15;
constexpr int kJoinPxDefault = 8;

// The cut's own tolerance: 7 table pixels for 35 pieces, 5 for the others.
int CutTolerance(int sizeIndex);

// The catch in table pixels for the cut at `zoom` with `screenPx` pixels
// of the player's setting (brought within its range).
int JoinTolerance(int sizeIndex, double zoom, int screenPx);

} // namespace play
