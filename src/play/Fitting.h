// Fitting a dropped piece or group to its true neighbours and joining them.
//
// A neighbour in grid direction d (0 right, 1 down, 2 left, 3 up) lies on
// the screen on side (d + Rotation) mod 4 of the piece.  It is captured when
// it lies within h pixels of the capture offset D = 2 * Overlap - TurnShift
// on that side (h = Tolerance); the piece is then snapped
// one pitch (CellSize - Overlap) away from it.
#pragma once

#include "board/Board.h"
#include "play/PlayResult.h"

namespace play {

// Tolerance of the capture test: the board's Catch when set (the view's,
// JoinTolerance.h), else 7 for the 35-piece cut and 5 for the others.
int Tolerance(const Board &b);

struct TFitRect {
    // The capture square round the place where the neighbour should be.
    int Left, Top, Right, Bottom;
    // The point of the neighbour that must fall into it.
    int PointX, PointY;
    // Where the piece goes when it is captured.
    int SnapX, SnapY;
    bool Captures() const
    {
        return Left <= PointX && PointX < Right && Top <= PointY && PointY < Bottom;
    }
};

// Capture square, test point and snapped place of piece p against its grid
// neighbour n in grid direction d.
TFitRect CalcFitRect(const Board &b, int p, int n, int d);

// Tests p against its grid neighbours right, down, left, up; the first one
// with the same turn, shown, not already joined to p and captured wins: p is
// snapped to it (its old place kept in GrabX/GrabY) and true is returned
// with neighbour = that piece.  Otherwise nothing changes.
bool TestPs(Board &b, int p, int &neighbour);

// Rounded a * b / c, halves away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

// Counts one join and says what follows: a click, a milestone (a new tenth
// of the picture) or, for the last join, the finish (ShowFinished set, the
// animation timer put in fade mode, any running turn dropped).
TPlayResult CountJoin(Board &b);

// The fitting step of a drop, for DragPiece alone or its whole group: at
// most one join per drop.
TPlayResult TestPsAdd(Board &b);

} // namespace play
