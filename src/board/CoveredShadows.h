// A joined group is one piece of cardboard: a member whose eight
// neighbours are all joined to it and shown lies in the middle of the
// group, and its shadow falls only under those neighbours.  Such shadows
// are not drawn, so a group shows its shadow round its outline alone, and
// a big assembled area costs a frame as little as its pieces.
#pragma once

#include <vector>

#include "board/Board.h"

// One flag per piece, in piece order: whether the piece's shadow is
// covered by its own group (`shown` as ShownPieces gives it).
std::vector<char> CoveredShadows(const Board &b, const std::vector<char> &shown);
