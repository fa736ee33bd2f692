// Scrolling the table while a piece is dragged near the window's edge:
// within a tenth of the window's width or height from an edge the view
// moves that way on every tick of the animation timer, the faster the
// nearer the edge (and fastest beyond it).
#pragma once

#include <QPointF>
#include <QSize>

namespace play {

// Window pixels a tick at the very edge.
constexpr double kEdgeScrollMax = 28;

// How far the view looks on, in window pixels, for a pointer at `pointer`
// in a window of `window`: negative towards the left and the top, (0, 0)
// outside the edge bands.
QPointF EdgeScrollStep(QSize window, QPointF pointer);

} // namespace play
