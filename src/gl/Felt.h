// The table's felt: its tile repeated over the table through the view, or
// the tile scaled for the zoom (FeltAtZoom) laid texel for pixel from the
// table's corner.  An opaque felt is drawn unblended: blending it would
// cost a read of every pixel of the table for nothing.
#pragma once

#include <cstdint>

#include "gl/Draw.h"

// The tile `tex` of tileW x tileH repeated over the table of W x H board
// pixels from its corner (board projection), the last column and row cut
// at the table's edge.
void DrawFelt(uint32_t tex, int tileW, int tileH, int W, int H);
// The view's scaled tile over the table's part of a window of W x H
// (window projection).
void DrawFeltAtZoom(const TTableView &view, int tableW, int tableH, int W, int H);
