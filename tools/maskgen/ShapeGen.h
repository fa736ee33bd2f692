// The piece shapes of every cut: jigsaw outlines with knob tabs, drawn once
// for the whole picture so that neighbours share every boundary, then cut
// into the tiles of the mask, shadow and relief bitmaps.
#pragma once

#include <QImage>
#include <vector>

#include <cstdint>

struct TShapeCut {
    int Cols, Rows, CellSize, Pitch, Margin;
    uint64_t Seed;      // of the cut's own random tabs
    const char *Suffix; // of its file names
};

// Cuts 1 to ShapeCutCount: 5 x 7, 17 x 11, 24 x 16, 30 x 20 and 40 x 25.
constexpr int ShapeCutCount = 5;
TShapeCut ShapeCut(int sizeIndex);

// Pixel boundaries of the columns (Cols + 1 values) and rows (Rows + 1) in
// picture coordinates.  The outer frame maps onto itself when the tiles are
// mirrored: a mirrored tile grid is the picture reflected about the middle
// of [0, last), so for 17 x 11 the frame is 593 x 383, two pixels short of
// the picture, and the inner boundaries sit one pixel before 35 k.
std::vector<int> ColumnBounds(const TShapeCut &cut);
std::vector<int> RowBounds(const TShapeCut &cut);

// The finished bitmaps of one cut, all Format_BGR888, Cols x Rows tiles of
// CellSize.
struct TShapeSet {
    QImage Mask;      // 0 inside the piece, 255 outside
    QImage Shadow;    // 0 full shadow, 255 none
    QImage Relief[4]; // index h + 2 v: for the mask mirrored by (h, v)
};

TShapeSet MakeShapes(int sizeIndex);

// Relief tiles for a (mirrored) mask bitmap: 127 flat, lighter towards the
// top-left edges, darker towards the bottom-right, 0 outside the pieces.
QImage MakeRelief(const QImage &mask, const TShapeCut &cut);
