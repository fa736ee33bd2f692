// The mouse on the table: a press picks the topmost piece under the cursor;
// the left or middle button drags it (or its whole group), the right button
// starts a quarter turn when turning is allowed; the release hands the
// dropped piece or group to the fitting step.
#pragma once

#include "board/Board.h"
#include "play/PlayResult.h"

namespace play {

enum class TMouseBtn { Left, Right, Middle };

TPlayResult Press(Board &b, TMouseBtn button, int x, int y);
TPlayResult DragTo(Board &b, int x, int y);
// Ends the drag, fits the dropped piece or group (at most one join), then
// brings it back if it ended wholly off the table of the given size.
TPlayResult Drop(Board &b, int tableWidth, int tableHeight);

} // namespace play
