// The piece shapes of every cut, drawn from the cut's tab layout: each
// piece's outline is filled in its own tile, neighbours sharing every
// boundary point for point, then softened into the shadow and lit into the
// relief of each mirroring.
#pragma once

#include <QImage>

// The finished bitmaps of one cut, all Format_Grayscale8, Cols x Rows tiles
// of CellSize.
struct TShapeSet {
    QImage Mask;      // 0 inside the piece, 255 outside
    QImage Shadow;    // 0 full shadow, 255 none
    QImage Relief[4]; // index h + 2 v: for the mask mirrored by (h, v)
};

// Raised whenever the drawing changes, so that shapes kept from an older
// version are made again.
constexpr int ShapeGenRevision = 1;

// Samples per pixel side when an outline is filled; odd, so that one
// sample sits at the pixel's centre.
constexpr int ShapeSamples = 5;

// In the mask every pixel of the frame is fully opaque in exactly one
// piece, the one whose outline holds the pixel's centre; a neighbour that
// covers part of it is drawn nearly opaque there (twice its cover), so no
// table shows through a seam.
TShapeSet MakeShapes(int sizeIndex);
