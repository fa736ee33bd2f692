// Which piece is under the cursor.  A piece is grabbed by its hit square,
// the part of its piece square from Margin to CellSize in both axes; the
// square is the same whatever the piece's turn, and the shape's transparent
// parts are not consulted.
#pragma once

#include "board/Board.h"

namespace play {

struct THitSquare {
    int Left, Top, Right, Bottom; // Left/Top inside, Right/Bottom outside
    bool Contains(int x, int y) const { return Left <= x && x < Right && Top <= y && y < Bottom; }
};

THitSquare HitSquare(const Board &b, const Tpiece &p);

// The topmost shown piece (latest in DrawOrder) whose hit square holds
// (x, y), or -1.  Pieces hidden by the edge filter are passed over.
int PieceAt(const Board &b, int x, int y);

} // namespace play
