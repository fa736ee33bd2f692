#include "app/ScreenFill.h"

bool StillGrowingToScreen(bool maximized, const QSize &frame, const QSize &workingArea)
{
    const int borders = 16;
    return maximized && (frame.width() < workingArea.width() * 9 / 10 || frame.width() > workingArea.width() + borders ||
                         frame.height() > workingArea.height() + borders);
}
