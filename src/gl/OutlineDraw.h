// The two-toned outlines of the table (the selection, the hint, the hand),
// drawn in their palette's colours: a dark line on each side of a light one.
#pragma once

#include "play/OutlinePalette.h"

// A square of side 2 * half about (cx, cy), in the current projection's
// units; `width` is each line's width in pixels.
void DrawOutlineSquare(play::TOutlineKind kind, float cx, float cy, float half, float width);
