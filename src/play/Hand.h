// The hand of keyboard play: a point on the table the arrows move, which
// picks up and drops the piece or group under it as the mouse does, and
// jumps from one loose piece to the next.
#pragma once

#include <QPoint>
#include <QSize>
#include <vector>

#include "board/Board.h"

namespace play {

// Fine with Ctrl, fast with Shift.
enum class THandPace { Fine, Normal, Fast };

// Board pixels one arrow press moves the hand: a pixel, a quarter of a
// piece, a whole piece.
int HandStep(const TCutInfo &cut, THandPace pace);

// The hand never leaves the table.
QPoint KeepHandOnTable(QPoint at, QSize table);

// Where the hand takes piece i: the middle of its hit square.
QPoint HandleOf(const Board &b, int piece);

// The loose pieces (alone and shown) in the order Tab visits them: by home
// order, the edge pieces first while the edge filter is on.
std::vector<int> LoosePiecesInTabOrder(const Board &b);

// The loose piece after `from` in that order (before it, backwards), round
// the end; `from` need not be loose (-1: before the first); -1 when no
// piece is loose.
int NextLoosePiece(const Board &b, int from, bool backwards);

} // namespace play
