// The corner plate: the program's plate in the bottom-right corner of the
// window, drawn under the pieces; a click on it shows the records.
#pragma once

#include <QPoint>
#include <QSize>

namespace play {

constexpr int CornerPlateWidth = 256;
constexpr int CornerPlateHeight = 64;

// Whether the window point lies on the plate of a window of that size.
inline bool OnCornerPlate(QPoint at, QSize window)
{
    return at.x() >= window.width() - CornerPlateWidth && at.x() < window.width() &&
           at.y() >= window.height() - CornerPlateHeight && at.y() < window.height();
}

} // namespace play
