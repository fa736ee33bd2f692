#include "play/Pause.h"

#include "play/DragKeys.h"
#include "play/GameState.h"

namespace play {

bool Pause(Board &b)
{
    if (b.Paused || !GameInPlay(b))
        return false;
    CancelDrag(b);
    b.Paused = true;
    return true;
}

bool Resume(Board &b)
{
    if (!b.Paused)
        return false;
    b.Paused = false;
    return true;
}

} // namespace play
