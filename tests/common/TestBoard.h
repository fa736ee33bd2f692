// A board to test rules on, without pictures or textures.
#pragma once

#include <cstddef>
#include <vector>

#include "board/Board.h"

// A board of the given cut (1 = 35 pieces, 2 = 187) with every piece alone,
// unturned, far off at (5000 + 200 i, 5000) and DrawOrder 0..n-1.
inline Board MakeBoard(int sizeIndex)
{
    Board b;
    b.SizeIndex = uint8_t(sizeIndex);
    const TCutInfo &c = b.Cut();
    for (int i = 0; i < PieceCount(c); ++i) {
        Tpiece &p = b.Pieces.Add();
        p.Row = i / c.Cols;
        p.Col = i % c.Cols;
        p.X = 5000 + 200 * i;
        p.Y = 5000;
        p.Group = -1;
        b.DrawOrder.push_back(i);
    }
    return b;
}

// The top k of the stacking order, lowest first.
inline std::vector<int> TopOfStack(const Board &b, size_t k)
{
    return std::vector<int>(b.DrawOrder.end() - std::ptrdiff_t(k), b.DrawOrder.end());
}
