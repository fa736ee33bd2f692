// The game clock and the periodic redraw.
#pragma once

#include <QString>

#include "board/Board.h"

namespace play {

// One second of play: GameTime grows by a second; returns the clock text
// (H:mm:ss) for the toolbar label.
QString Timer2Timer(Board &b);

// The periodic redraw is skipped during a drag (the motion redraws then).
bool DrawTimerTimer(const Board &b);

} // namespace play
