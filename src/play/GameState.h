// Which state the game on the table is in, read from the board alone.
#pragma once

#include "board/Board.h"

namespace play {

// The last join has been made (or a loaded game was saved finished).
bool GameFinished(const Board &b);

// A game is on the table and not yet finished: pieces cut and shown, no
// cutting under way.  Only such a game can be paused or resumed later.
bool GameInPlay(const Board &b);

} // namespace play
