// The animation timer's tick (every 50 ms): either a quarter turn of a
// piece and its group, or the fade of the pieces over the finished picture.
#pragma once

#include "board/Board.h"
#include "play/PlayResult.h"

namespace play {

// Degrees added per tick of a quarter turn (five ticks make 90).
constexpr int kTurnStep = 18;
// Opacity taken off per tick of the final fade (twenty ticks).
constexpr double kFadeStep = 0.05;

// Puts every other member of p's group round p as the picture's arrangement
// turned by p's Rotation, and gives them p's Rotation.
void PlaceGroupRound(Board &b, int p);

TPlayResult TickAnimation(Board &b);

// Calm motion: the turn or the fade under way is carried to its end at
// once, as the ticks would have done.  The timer is then no longer needed.
TPlayResult FinishAnimation(Board &b);

} // namespace play
