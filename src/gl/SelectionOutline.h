// The selection on the table: a two-tone outline (a dark band with a light
// line inside it, seen on light and dark backgrounds alike) round the hit
// square of every selected piece the table shows, and the rubber band
// while one is drawn.  Expects the table's projection and leaves the GL
// state as it found it.
#pragma once

#include "board/Board.h"

void DrawSelectionOutline(const Board &b);
