// Boards and scripted random numbers for the tests of play.
#pragma once

#include <deque>
#include <vector>

#include "board/Board.h"
#include "ScriptedRandom.h"

// A board of the given cut (1 = 35 pieces, 2 = 187) with every piece alone,
// unturned, far off at (5000 + 200 i, 5000) and DrawOrder 0..n-1.
Board MakeBoard(int sizeIndex);

// Puts the pieces into one new group, in the given member order.
int MakeGroup(Board &b, const std::vector<int> &members);

// A board with a large table for drops that must not be brought back.
constexpr int kBigTable = 100000;
