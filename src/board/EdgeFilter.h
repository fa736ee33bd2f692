// Edge pieces first: with the filter on, every loose piece and every group
// that holds no edge piece is hidden, so the frame can be built on an
// uncluttered table.  Hidden pieces are neither drawn nor picked nor joined,
// and they never move: switching the filter off shows them where they were.
#pragma once

#include <vector>

#include "board/Board.h"

// A piece cut from a border cell of the picture: one of its sides is straight.
bool IsEdgePiece(const TCutInfo &cut, const Tpiece &p);

// One flag per piece, in piece order: whether it is shown on the table.
// Hidden are: pieces lying in a tray, every group of two or more while
// assembled groups are hidden, and with the edge filter on what it hides.
std::vector<char> ShownPieces(const Board &b);
