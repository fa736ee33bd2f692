#include "play/Clock.h"

namespace play {

bool TickClock(Board &b, bool windowOnScreen)
{
    if (!windowOnScreen || b.Paused)
        return false;
    b.GameTime += 1;
    return true;
}

} // namespace play
