// A uniform grid of cells one pitch wide over the table: each shown piece
// is filed under the cell of its hit square's centre, so that the pieces
// near a place are found without walking them all.  It is built afresh
// for each rubber band, which asks it for the pieces it holds.
#pragma once

#include <QRect>
#include <functional>
#include <vector>

#include "board/Board.h"

namespace play {

class TCellGrid {
public:
    // Files every piece with a flag set in `shown` (one per piece).
    void Build(const Board &b, const std::vector<char> &shown);
    // Files every piece the table shows.
    void Build(const Board &b);

    // The pieces whose hit square's centre lies in `area`, in piece order.
    std::vector<int> PiecesCentredIn(const Board &b, const QRect &area) const;

private:
    // The cells' range over which a rectangle's centres may lie.
    void Cells(const QRect &area, int &c0, int &r0, int &c1, int &r1) const;
    // The pieces filed near `area` whose hit squares pass `keep`, in piece order.
    std::vector<int> Collect(const Board &b, const QRect &area, const std::function<bool(const QRect &)> &keep) const;

    int m_cell = 1;         // one pitch
    int m_left = 0, m_top = 0; // board point of cell (0, 0)
    int m_cols = 0, m_rows = 0;
    int m_hit = 0;          // side of a hit square
    std::vector<std::vector<int>> m_cells; // row-major
};

} // namespace play
