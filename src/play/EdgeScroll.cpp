#include "play/EdgeScroll.h"

#include <algorithm>
#include <cmath>

namespace play {

namespace {

double AxisStep(double at, double length)
{
    const double band = length / 10;
    if (band < 1)
        return 0;
    // How deep into the band, 0 at its inner edge and 1 at the window's.
    const double nearLow = (band - at) / band, nearHigh = (at - (length - band)) / band;
    if (nearLow > 0)
        return -std::ceil(kEdgeScrollMax * std::min(nearLow, 1.0));
    if (nearHigh > 0)
        return std::ceil(kEdgeScrollMax * std::min(nearHigh, 1.0));
    return 0;
}

} // namespace

QPointF EdgeScrollStep(QSize window, QPointF pointer)
{
    return QPointF(AxisStep(pointer.x(), window.width()), AxisStep(pointer.y(), window.height()));
}

} // namespace play
