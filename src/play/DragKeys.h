// Keys that act on a drag under way: Esc puts the piece or group back where
// the drag began, R or Space turns it a quarter clockwise as the right
// button does.
#pragma once

#include "board/Board.h"
#include "play/PlayResult.h"

namespace play {

// Remembers where the pressed piece lay when its drag began.
void NoteDragStart(Board &b);

// Ends the drag without fitting: the dragged piece, or its whole group with
// its shape kept, goes back to where the drag began.  Nothing happens
// without a drag.
TPlayResult CancelDrag(Board &b);

// Starts a quarter turn of the dragged piece and its group, when turning is
// allowed in this game and no turn is running; the drag goes on.
TPlayResult TurnDragged(Board &b);

} // namespace play
