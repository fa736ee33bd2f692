// The tab layout every cut's shapes are drawn from.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "board/Board.h"
#include "board/TabLayout.h"

namespace {

double Cross(TPointD o, TPointD a, TPointD b) { return (a.X - o.X) * (b.Y - o.Y) - (a.Y - o.Y) * (b.X - o.X); }

double PointToSegment(TPointD p, TPointD a, TPointD b)
{
    const double dx = b.X - a.X, dy = b.Y - a.Y, len2 = dx * dx + dy * dy;
    const double t = len2 > 0 ? std::clamp(((p.X - a.X) * dx + (p.Y - a.Y) * dy) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(p.X - a.X - t * dx, p.Y - a.Y - t * dy);
}

// The exact distance between two segments: zero when they cross.
double SegmentToSegment(TPointD a, TPointD b, TPointD c, TPointD d)
{
    const double d1 = Cross(a, b, c), d2 = Cross(a, b, d), d3 = Cross(c, d, a), d4 = Cross(c, d, b);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
        return 0;
    return std::min({PointToSegment(a, c, d), PointToSegment(b, c, d), PointToSegment(c, a, b),
                     PointToSegment(d, a, b)});
}

// The distance from points [p0, p1] of p to the polyline q; segment pairs
// whose boxes lie further apart than `near` are not measured (they are
// further than that).
double PolylineDistance(const std::vector<TPointD> &p, int p0, int p1, const std::vector<TPointD> &q, double near)
{
    double best = 1e9;
    for (int i = p0; i < p1; ++i) {
        const TPointD a = p[size_t(i)], b = p[size_t(i) + 1];
        for (size_t j = 0; j + 1 < q.size(); ++j) {
            const TPointD c = q[j], d = q[j + 1];
            if (std::min(c.X, d.X) > std::max(a.X, b.X) + near || std::min(a.X, b.X) > std::max(c.X, d.X) + near ||
                std::min(c.Y, d.Y) > std::max(a.Y, b.Y) + near || std::min(a.Y, b.Y) > std::max(c.Y, d.Y) + near)
                continue;
            best = std::min(best, SegmentToSegment(a, b, c, d));
        }
    }
    return best;
}

// The edges meeting at grid point (i, j): inner edges as drawn, the frame's
// as straight lines without a tab.
std::vector<TEdgeCurve> EdgesAt(const TTabLayout &l, int i, int j)
{
    const auto &bx = l.ColumnBounds(), &by = l.RowBounds();
    auto straight = [](TPointD a, TPointD b) {
        TEdgeCurve e;
        e.Points = {a, b};
        return e;
    };
    const bool innerCol = i > 0 && i < l.Cols(), innerRow = j > 0 && j < l.Rows();
    const TPointD at{double(bx[size_t(i)]), double(by[size_t(j)])};
    std::vector<TEdgeCurve> out;
    if (j > 0)
        out.push_back(innerCol ? l.VerticalCurve(i, j - 1) : straight({at.X, double(by[size_t(j) - 1])}, at));
    if (j < l.Rows())
        out.push_back(innerCol ? l.VerticalCurve(i, j) : straight(at, {at.X, double(by[size_t(j) + 1])}));
    if (i > 0)
        out.push_back(innerRow ? l.HorizontalCurve(i - 1, j) : straight({double(bx[size_t(i) - 1]), at.Y}, at));
    if (i < l.Cols())
        out.push_back(innerRow ? l.HorizontalCurve(i, j) : straight(at, {double(bx[size_t(i) + 1]), at.Y}));
    return out;
}

} // namespace

// No tab comes within the clearance of any other edge meeting it at a
// corner, tab or side: measured exactly, segment against segment, at every
// grid point of every cut.
TEST(TabLayout, NoTabTouchesAnotherEdgeAtAnyCorner)
{
    for (int sizeIndex = 1; sizeIndex <= CutCount; ++sizeIndex) {
        const TTabLayout &l = TabLayoutOf(sizeIndex);
        int touching = 0;
        double nearest = 1e9;
        for (int j = 0; j <= l.Rows(); ++j)
            for (int i = 0; i <= l.Cols(); ++i) {
                const std::vector<TEdgeCurve> edges = EdgesAt(l, i, j);
                for (size_t a = 0; a < edges.size(); ++a)
                    for (size_t b = 0; b < edges.size(); ++b) {
                        if (a == b || edges[a].TabLast == 0)
                            continue;
                        const double d = PolylineDistance(edges[a].Points, edges[a].TabFirst, edges[a].TabLast,
                                                          edges[b].Points, 2 * TabClearance);
                        nearest = std::min(nearest, d);
                        touching += d < TabClearance;
                    }
            }
        EXPECT_EQ(touching, 0) << "cut " << sizeIndex << ", nearest " << nearest;
    }
}

// Every outline stays inside its piece's tile, clear of the border, and
// every tab keeps the proportions of its kind.
TEST(TabLayout, TabsKeepTheirProportionsInsideTheTile)
{
    for (int sizeIndex = 1; sizeIndex <= CutCount; ++sizeIndex) {
        SCOPED_TRACE(sizeIndex);
        const TCutInfo &cut = CutTable[sizeIndex];
        const TTabLayout &l = TabLayoutOf(sizeIndex);
        int outside = 0;
        for (int r = 0; r < cut.Rows; ++r)
            for (int c = 0; c < cut.Cols; ++c) {
                const double x0 = c * Pitch(cut) - cut.Margin, y0 = r * Pitch(cut) - cut.Margin;
                for (const TPointD &p : l.Outline(c, r))
                    outside += p.X < x0 + TabClearance || p.X > x0 + cut.CellSize - TabClearance ||
                               p.Y < y0 + TabClearance || p.Y > y0 + cut.CellSize - TabClearance;
            }
        EXPECT_EQ(outside, 0);
        double reachMin = 1e9, reachMax = 0;
        int tabs = 0, tabsIn = 0, upper = 0;
        auto check = [&](const TEdge &e) {
            const TTab &t = e.Tab;
            ++tabs;
            tabsIn += t.At >= TabAtMin && t.At <= TabAtMax && t.Head >= TabHeadMin && t.Head <= TabHeadMax &&
                      t.Neck >= TabNeckMin && t.Neck <= TabNeckMax &&
                      std::fabs(t.Lean) <= TabLeanMaxDeg * M_PI / 180 && (t.Dir == 1 || t.Dir == -1);
            upper += t.Dir > 0;
            reachMin = std::min(reachMin, t.Reach);
            reachMax = std::max(reachMax, t.Reach);
        };
        for (int r = 0; r < cut.Rows; ++r)
            for (int c = 1; c < cut.Cols; ++c)
                check(l.Vertical(c, r));
        for (int r = 1; r < cut.Rows; ++r)
            for (int c = 0; c < cut.Cols; ++c)
                check(l.Horizontal(c, r));
        EXPECT_EQ(tabsIn, tabs);
        EXPECT_LE(reachMax / reachMin, (1 + TabSizeSpread) / (1 - TabSizeSpread) + 1e-9);
        // Tabs point either way, about as often.
        EXPECT_GT(upper, tabs / 3);
        EXPECT_LT(upper, tabs - tabs / 3);
    }
}
