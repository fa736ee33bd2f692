#include "play/Spread.h"

#include <algorithm>

#include "board/EdgeFilter.h"
#include "play/HitTest.h"

namespace play {

namespace {

bool ValidPiece(const Board &b, int i) { return i >= 0 && i < b.Pieces.Count(); }

// Which places of a grid over the area are covered by the pieces that stay,
// marked square by square (each square of `step` pixels).
class TOccupied {
public:
    TOccupied(const QRect &area, int step) : m_area(area), m_step(std::max(1, step))
    {
        m_cols = std::max(0, area.width() / m_step);
        m_rows = std::max(0, area.height() / m_step);
        m_cells.assign(size_t(m_cols) * size_t(m_rows), 0);
    }
    int Cols() const { return m_cols; }
    int Rows() const { return m_rows; }
    // Marks every place a square of `side` at `corner` reaches into.
    void Cover(QPoint corner, int side)
    {
        const int c0 = Floor(corner.x() - m_area.left()), c1 = Floor(corner.x() + side - 1 - m_area.left());
        const int r0 = Floor(corner.y() - m_area.top()), r1 = Floor(corner.y() + side - 1 - m_area.top());
        for (int r = std::max(0, r0); r <= std::min(m_rows - 1, r1); ++r)
            for (int c = std::max(0, c0); c <= std::min(m_cols - 1, c1); ++c)
                m_cells[size_t(r) * size_t(m_cols) + size_t(c)] = 1;
    }
    bool Free(int c, int r) const { return !m_cells[size_t(r) * size_t(m_cols) + size_t(c)]; }
    QPoint Corner(int c, int r) const { return QPoint(m_area.left() + c * m_step, m_area.top() + r * m_step); }

private:
    int Floor(int v) const { return v >= 0 ? v / m_step : -((-v + m_step - 1) / m_step); }
    QRect m_area;
    int m_step;
    int m_cols = 0, m_rows = 0;
    std::vector<char> m_cells;
};

// The free places of a grid of `step` over the area, in rows; `side` is
// the square a piece may cover.
std::vector<QPoint> FreePlaces(const Board &b, const std::vector<char> &moving, const QRect &area, int step,
                               int side, int inset)
{
    TOccupied grid(area, step);
    const std::vector<char> shown = ShownPieces(b);
    for (int i = 0; i < b.Pieces.Count(); ++i)
        if (shown[size_t(i)] && !moving[size_t(i)])
            grid.Cover(QPoint(b.Pieces[i].X + inset, b.Pieces[i].Y + inset), side);
    std::vector<QPoint> out;
    for (int r = 0; r < grid.Rows(); ++r)
        for (int c = 0; c < grid.Cols(); ++c)
            if (grid.Free(c, r))
                out.push_back(grid.Corner(c, r) - QPoint(inset, inset));
    return out;
}

} // namespace

std::vector<TSpreadPlace> SpreadPlaces(const Board &b, const std::vector<int> &pieces, const QRect &area)
{
    const TCutInfo &cut = b.Cut();
    std::vector<char> moving(size_t(b.Pieces.Count()), 0);
    std::vector<int> order;
    for (const int p : pieces)
        if (ValidPiece(b, p) && !moving[size_t(p)]) {
            moving[size_t(p)] = 1;
            order.push_back(p);
        }
    std::stable_partition(order.begin(), order.end(),
                          [&](int p) { return IsEdgePiece(cut, b.Pieces[p]); });
    // Whole squares apart where there is room, else hit squares apart: the
    // square a piece's pixels may fill starts at its texture's inset, its
    // hit square at Margin.
    std::vector<QPoint> places = FreePlaces(b, moving, area, cut.CellSize, cut.CellSize, TexInset(cut));
    if (places.size() < order.size()) {
        const int hit = cut.CellSize - cut.Margin;
        std::vector<QPoint> closer = FreePlaces(b, moving, area, hit, hit, cut.Margin);
        if (closer.size() > places.size())
            places = std::move(closer);
    }
    std::vector<TSpreadPlace> out;
    for (size_t k = 0; k < order.size() && k < places.size(); ++k)
        out.push_back({order[k], places[k]});
    return out;
}

std::vector<int> LoosePieces(const Board &b)
{
    const std::vector<char> shown = ShownPieces(b);
    std::vector<int> out;
    for (int i = 0; i < b.Pieces.Count(); ++i)
        if (shown[size_t(i)] && !b.HasGroup(b.Pieces[i].Group))
            out.push_back(i);
    return out;
}

std::vector<int> LostPieces(const Board &b, const QRect &view)
{
    std::vector<int> out;
    for (const int p : LoosePieces(b)) {
        const THitSquare s = HitSquare(b, b.Pieces[p]);
        if (!view.contains(QRect(s.Left, s.Top, s.Right - s.Left, s.Bottom - s.Top)))
            out.push_back(p);
    }
    return out;
}

void TSpreadGlide::Start(const Board &b, const std::vector<TSpreadPlace> &places)
{
    m_pieces.clear();
    m_from.clear();
    m_to.clear();
    m_tick = 0;
    for (const TSpreadPlace &s : places) {
        if (!ValidPiece(b, s.Piece))
            continue;
        m_pieces.push_back(s.Piece);
        m_from.emplace_back(b.Pieces[s.Piece].X, b.Pieces[s.Piece].Y);
        m_to.push_back(s.To);
    }
}

bool TSpreadGlide::Tick(Board &b)
{
    if (!Running())
        return false;
    if (++m_tick >= Ticks) {
        Finish(b);
        return false;
    }
    for (size_t k = 0; k < m_pieces.size(); ++k) {
        if (!ValidPiece(b, m_pieces[k]))
            continue;
        const QPoint d = m_to[k] - m_from[k];
        b.Pieces[m_pieces[k]].X = m_from[k].x() + d.x() * m_tick / Ticks;
        b.Pieces[m_pieces[k]].Y = m_from[k].y() + d.y() * m_tick / Ticks;
    }
    return true;
}

void TSpreadGlide::Finish(Board &b)
{
    for (size_t k = 0; k < m_pieces.size(); ++k)
        if (ValidPiece(b, m_pieces[k])) {
            b.Pieces[m_pieces[k]].X = m_to[k].x();
            b.Pieces[m_pieces[k]].Y = m_to[k].y();
        }
    m_pieces.clear();
    m_from.clear();
    m_to.clear();
    m_tick = 0;
}

} // namespace play
