// Which piece is under the cursor: the topmost shown piece whose drawn
// shape holds the point, tabs included, through the piece's turn.  A board
// that knows no shapes (one set up without cutting a picture) grabs its
// pieces by their hit squares instead, the part of the piece square from
// Margin to CellSize in both axes.
#pragma once

#include "board/Board.h"

namespace play {

struct THitSquare {
    int Left, Top, Right, Bottom; // Left/Top inside, Right/Bottom outside
    bool Contains(int x, int y) const { return Left <= x && x < Right && Top <= y && y < Bottom; }
};

THitSquare HitSquare(const Board &b, const Tpiece &p);

// Whether the board pixel (x, y) shows piece p: its shape when the board
// has shapes, else its hit square.
bool PieceHolds(const Board &b, const Tpiece &p, int x, int y);

// The topmost shown piece (latest in DrawOrder) that holds (x, y), or -1.
// Pieces hidden by the edge filter are passed over.
int PieceAt(const Board &b, int x, int y);

} // namespace play
