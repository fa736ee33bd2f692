// Pause: a paused game covers the table and stops the clock (Clock.h).
#pragma once

#include "board/Board.h"

namespace play {

// Pauses a game in play: a drag under way goes back where it began.  False
// (nothing changed) when there is no game in play or it is paused already.
bool Pause(Board &b);
// Lifts the pause; false when the game was not paused.
bool Resume(Board &b);

} // namespace play
