// How far the picture has come: the pieces already joined to another piece,
// of all the pieces of the cut.
#pragma once

#include <QString>

#include "board/Board.h"

namespace play {

// Pieces that belong to a group of two or more.
int JoinedPieces(const Board &b);

// The joins the groups on the table stand for: one fewer than the pieces
// for every group, so every piece less the number of groups and loose
// pieces.  What a loaded game's join count is taken from, since the groups
// are what the player sees.
int JoinsOnTable(const Board &b);

// "N из M" for the toolbar; empty while no game is on the table.
QString ProgressText(const Board &b);

} // namespace play
