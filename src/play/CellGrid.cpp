#include "play/CellGrid.h"

#include <algorithm>

#include "board/EdgeFilter.h"
#include "play/HitTest.h"

namespace play {

namespace {

// Far more cells than any table needs: a piece dragged far away must not
// make the grid huge; pieces beyond it are filed in its border cells.
constexpr int kMaxCellsPerSide = 1024;

QPoint HitCentre(const Board &b, const Tpiece &p)
{
    const THitSquare s = HitSquare(b, p);
    return QPoint((s.Left + s.Right) / 2, (s.Top + s.Bottom) / 2);
}

QRect HitRect(const Board &b, const Tpiece &p)
{
    const THitSquare s = HitSquare(b, p);
    return QRect(s.Left, s.Top, s.Right - s.Left, s.Bottom - s.Top);
}

} // namespace

void TCellGrid::Build(const Board &b) { Build(b, ShownPieces(b)); }

void TCellGrid::Build(const Board &b, const std::vector<char> &shown)
{
    const TCutInfo &cut = b.Cut();
    m_cell = std::max(1, Pitch(cut));
    m_hit = cut.CellSize - cut.Margin;
    const int n = b.Pieces.Count();
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool any = false;
    for (int i = 0; i < n; ++i) {
        if (!shown[size_t(i)])
            continue;
        const QPoint c = HitCentre(b, b.Pieces[i]);
        x0 = any ? std::min(x0, c.x()) : c.x();
        y0 = any ? std::min(y0, c.y()) : c.y();
        x1 = any ? std::max(x1, c.x()) : c.x();
        y1 = any ? std::max(y1, c.y()) : c.y();
        any = true;
    }
    m_left = x0;
    m_top = y0;
    m_cols = std::clamp((x1 - x0) / m_cell + 1, 1, kMaxCellsPerSide);
    m_rows = std::clamp((y1 - y0) / m_cell + 1, 1, kMaxCellsPerSide);
    m_cells.assign(size_t(m_cols) * size_t(m_rows), {});
    for (int i = 0; i < n; ++i) {
        if (!shown[size_t(i)])
            continue;
        const QPoint c = HitCentre(b, b.Pieces[i]);
        const int col = std::clamp((c.x() - m_left) / m_cell, 0, m_cols - 1);
        const int row = std::clamp((c.y() - m_top) / m_cell, 0, m_rows - 1);
        m_cells[size_t(row) * size_t(m_cols) + size_t(col)].push_back(i);
    }
}

void TCellGrid::Cells(const QRect &area, int &c0, int &r0, int &c1, int &r1) const
{
    // A centre within half a hit square of the area may belong to a piece
    // meeting it; border cells hold whatever lies beyond the grid.
    const int reach = m_hit / 2 + 1;
    auto clampCol = [&](int x) { return std::clamp(x < m_left ? -1 : (x - m_left) / m_cell, 0, m_cols - 1); };
    auto clampRow = [&](int y) { return std::clamp(y < m_top ? -1 : (y - m_top) / m_cell, 0, m_rows - 1); };
    c0 = clampCol(area.left() - reach);
    r0 = clampRow(area.top() - reach);
    c1 = clampCol(area.right() + reach);
    r1 = clampRow(area.bottom() + reach);
}

std::vector<int> TCellGrid::Collect(const Board &b, const QRect &area,
                                    const std::function<bool(const QRect &)> &keep) const
{
    std::vector<int> out;
    if (m_cells.empty() || area.isEmpty())
        return out;
    int c0, r0, c1, r1;
    Cells(area, c0, r0, c1, r1);
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            for (const int p : m_cells[size_t(r) * size_t(m_cols) + size_t(c)])
                if (p < b.Pieces.Count() && keep(HitRect(b, b.Pieces[p])))
                    out.push_back(p);
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<int> TCellGrid::PiecesCentredIn(const Board &b, const QRect &area) const
{
    return Collect(b, area, [&](const QRect &hit) { return area.contains(hit.center()); });
}

} // namespace play
