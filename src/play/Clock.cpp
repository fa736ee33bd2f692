#include "play/Clock.h"

namespace play {

QString Timer2Timer(Board &b)
{
    b.GameTime += 1;
    return FormatGameTime(b.GameTime);
}

bool DrawTimerTimer(const Board &b) { return !b.Dragging; }

} // namespace play
