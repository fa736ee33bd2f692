// The jigsaw outline that runs through all of the game's artwork.
#pragma once

#include <QPainterPath>
#include <QRectF>

// tabs: top, right, bottom, left; +1 knob outwards, -1 inwards, 0 flat.
// Knobs reach 0.3 of the side beyond (or into) the body rectangle.
QPainterPath PiecePath(const QRectF &body, const int tabs[4]);
