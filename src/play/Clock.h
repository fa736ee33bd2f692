// The game clock.
#pragma once

#include <QString>

#include "board/Board.h"

namespace play {

// One tick of the clock timer: a second of play passes only while the
// window is on screen (not minimized or hidden) and the game is not paused,
// so the time shown is the time actually played.  Returns whether it
// passed; the label then shows FormatGameTime(GameTime).
bool TickClock(Board &b, bool windowOnScreen);

} // namespace play
