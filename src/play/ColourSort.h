// Trays that sort themselves.  By colour: the mean colour of each piece's
// part of the picture, in CIELAB (where distances follow what the eye
// sees), gathered by k-means into up to MaxTrays clusters, one tray each,
// lightest first, each tray showing its mean colour.  By shape: the trays
// filled by a shape class that the caller knows how to tell.
#pragma once

#include <QImage>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

#include "board/Board.h"

namespace play {

using TLab = std::array<double, 3>; // L*, a*, b*

TLab LabOfRgb(int r, int g, int b);
int RgbOfLab(const TLab &lab); // 0xRRGGBB

// The mean colour of each piece's home cell (pitch square) in the picture,
// one per piece; black for a picture smaller than the cut.
std::vector<TLab> PieceColours(const Board &b, const QImage &picture);

// k-means of the colours into at most k clusters (fewer when there are
// fewer distinct colours); the cluster of each colour, clusters numbered
// lightest first.  Deterministic: the first centre is the darkest colour,
// each further one the colour farthest from those chosen.
std::vector<int> ClusterColours(const std::vector<TLab> &colours, int k, std::vector<TLab> *centres = nullptr);

// The loose pieces (on the table or in a tray) sorted into the trays by
// colour: every tray emptied first, then one tray a cluster with its
// swatch.  Groups stay on the table.  Returns how many pieces were sorted.
int SortTraysByColour(Board &b, const QImage &picture);

// The shape class of a piece (0 .. count - 1) with the classes' names.
struct TShapeClasses {
    std::function<int(int piece)> ClassOf;
    int Count = 0;
    QStringList Names;
    int FirstSorted = 0; // the classes before it keep their trays, in order
};

// The loose pieces sorted into the trays by shape class: every tray emptied
// first, one tray a class; with more classes than trays the largest classes
// have a tray each and the rest share the last one, «Прочие».  Trays take
// the names of their classes.  Returns how many pieces were sorted.
int SortTraysByShape(Board &b, const TShapeClasses &classes);

// The pieces a self-sorting tray takes: every piece alone, in a tray or
// shown on the table, in piece order.
std::vector<int> SortablePieces(const Board &b);

} // namespace play
