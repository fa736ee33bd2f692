// Boards and scripted random numbers for the tests of play.
#pragma once

#include <vector>

#include "ScriptedRandom.h"
#include "TestBoard.h"

// Puts the pieces into one new group, in the given member order.
int MakeGroup(Board &b, const std::vector<int> &members);

// A board with a large table for drops that must not be brought back.
constexpr int kBigTable = 100000;
