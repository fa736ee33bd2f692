// The shape class of a piece, for sorting pieces into trays by their sides:
// corners, edges, and the inner pieces by their tabs.  It comes from the
// cut itself (the piece's mask tile and the game's mirroring), never from
// pixels.  When pieces may turn, inner pieces are told apart by how many
// tabs they have and, for two, whether side by side or opposite (6
// classes); when they may not, by which sides carry a tab (16 classes).
#pragma once

#include <QString>

#include "board/Board.h"
#include "board/TabLayout.h"

// Class numbers run from 0 to ShapeClassCount - 1: 0 corners, 1 edges, then
// the inner pieces from fewest tabs to most.
constexpr int CornerClass = 0, EdgeClass = 1;
int ShapeClassCount(bool turning);

// The class of a piece with these sides (grid directions right, down,
// left, up): flat on two sides a corner, on one an edge.
int ShapeClassOfSides(const TPieceSides &sides, bool turning);
// The class of the board's piece (by its home and the game's mirroring);
// -1 for a number that names no piece.
int ShapeClassOf(const Board &b, int piece, bool turning);
// The name the player reads on a tray: «Углы», «Края», «Два выступа рядом»,
// «Выступы сверху и справа», ...; empty for an unknown class.
QString ShapeClassName(int cls, bool turning);
