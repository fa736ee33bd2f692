// How far the picture has come: the pieces already joined to another piece,
// of all the pieces of the cut.
#pragma once

#include <QString>

#include "board/Board.h"

namespace play {

// Pieces that belong to a group of two or more.
int JoinedPieces(const Board &b);

// "N из M" for the toolbar; empty while no game is on the table.
QString ProgressText(const Board &b);

} // namespace play
