// The main window is shown maximized.  A window manager maximizes it a
// moment after it is shown; a bare X server never does, and the program then
// spreads the window over the screen's working area itself.  Until either has
// happened the window is still growing towards the size it will play at.
#pragma once

#include <QSize>

// A window asked to be maximized whose frame is still well narrower than the
// screen's working area, or reaches past it (the designed size on a small or
// highly scaled screen; a window manager's frame overhangs by its borders at
// most).
bool StillGrowingToScreen(bool maximized, const QSize &frame, const QSize &workingArea);
