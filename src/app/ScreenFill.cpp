#include "app/ScreenFill.h"

bool StillGrowingToScreen(bool maximized, const QSize &frame, const QSize &workingArea)
{
    return maximized && frame.width() < workingArea.width() * 9 / 10;
}
