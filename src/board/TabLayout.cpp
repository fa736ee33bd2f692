#include "board/TabLayout.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>

#include "board/Board.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
// Where the neck meets the head: this far below the head's widest line,
// as an angle on the head's ellipse.
constexpr double JunctionAngle = 20.0 * Pi / 180.0;
// Tries at a tab that does not clear its neighbours before it is turned
// the other way.
constexpr int Tries = 64;

// Small deterministic generator: the shapes must be the same on every build.
class TRandom {
public:
    explicit TRandom(uint64_t seed) : m_state(seed) {}
    double Next() // [0, 1)
    {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return double(z >> 11) / double(1ull << 53);
    }
    double Range(double a, double b) { return a + (b - a) * Next(); }

private:
    uint64_t m_state;
};

struct TBox {
    double X0, Y0, X1, Y1;
    bool Meets(const TBox &o, double gap) const
    {
        return X0 - gap < o.X1 && o.X0 - gap < X1 && Y0 - gap < o.Y1 && o.Y0 - gap < Y1;
    }
};

TBox BoxOf(const std::vector<TPointD> &pts, int first, int last)
{
    TBox b{pts[size_t(first)].X, pts[size_t(first)].Y, pts[size_t(first)].X, pts[size_t(first)].Y};
    for (int i = first; i <= last; ++i) {
        b.X0 = std::min(b.X0, pts[size_t(i)].X);
        b.X1 = std::max(b.X1, pts[size_t(i)].X);
        b.Y0 = std::min(b.Y0, pts[size_t(i)].Y);
        b.Y1 = std::max(b.Y1, pts[size_t(i)].Y);
    }
    return b;
}

// A cubic Bezier from a to d, its points after a (n of them).
void Bezier(std::vector<TPointD> &out, TPointD a, TPointD b, TPointD c, TPointD d, int n)
{
    for (int i = 1; i <= n; ++i) {
        const double t = double(i) / n, s = 1 - t;
        const double k0 = s * s * s, k1 = 3 * s * s * t, k2 = 3 * s * t * t, k3 = t * t * t;
        out.push_back({k0 * a.X + k1 * b.X + k2 * c.X + k3 * d.X, k0 * a.Y + k1 * b.Y + k2 * c.Y + k3 * d.Y});
    }
}

// The tab's outline in its own terms, from its left foot to its right: p
// along the edge from the foot's centre, q outwards.
std::vector<TPointD> TabShape(const TTab &t, double length)
{
    const double a = t.Head * length / 2, n = a * t.Neck;
    const double b = std::min(0.9 * a, 0.7 * t.Reach / (1 + std::sin(JunctionAngle)));
    const double qc = t.Reach - b;
    const double jq = qc - b * std::sin(JunctionAngle), jp = a * std::cos(JunctionAngle);
    const double qw = 0.45 * jq, f = 0.6 * n;
    // Direction of travel round the head at the left junction.
    const double tx = -a * std::sin(JunctionAngle), ty = b * std::cos(JunctionAngle);
    const double tl = std::hypot(tx, ty), k = 0.4 * (jq - qw);
    const TPointD F{-(n + f), 0}, W{-n, qw}, J{-jp, jq};
    std::vector<TPointD> pts{F};
    Bezier(pts, F, {F.X + 0.6 * f, 0}, {W.X, W.Y - 0.5 * qw}, W, 6);
    Bezier(pts, W, {W.X, W.Y + 0.5 * (jq - qw)}, {J.X - tx / tl * k, J.Y - ty / tl * k}, J, 6);
    const int arc = 24;
    for (int i = 1; i < arc; ++i) {
        const double th = Pi + JunctionAngle - (Pi + 2 * JunctionAngle) * i / arc;
        pts.push_back({a * std::cos(th), qc + b * std::sin(th)});
    }
    // The right side is the left one mirrored.
    const size_t left = 13;
    for (size_t i = left; i-- > 0;)
        pts.push_back({-pts[i].X, pts[i].Y});
    return pts;
}

double Base(const TEdge &e, double t) { return e.Bow * std::sin(Pi * t) + e.Wave * std::sin(2 * Pi * t); }

uint64_t SeedOf(const TCutInfo &cut)
{
    return 0x5EED000000000000ull ^ (uint64_t(cut.Cols) << 20) ^ (uint64_t(cut.Rows) << 8) ^ uint64_t(cut.CellSize);
}

} // namespace

TTabLayout::TTabLayout(int sizeIndex)
{
    const TCutInfo &cut = CutTable[ValidSizeIndex(sizeIndex) ? sizeIndex : 1];
    m_cols = cut.Cols;
    m_rows = cut.Rows;
    const int pitch = Pitch(cut);
    // The inner boundaries sit where a mirrored tile grid puts them too:
    // half the difference of the margins before the pitch lines.
    const int shift = (2 * cut.Margin - cut.Overlap) / 2;
    auto bounds = [&](int count) {
        std::vector<int> b(size_t(count) + 1);
        for (int k = 1; k < count; ++k)
            b[size_t(k)] = k * pitch - shift;
        b[0] = std::min(0, -2 * shift);
        b[size_t(count)] = std::max(count * pitch, count * pitch - 2 * shift);
        return b;
    };
    m_bx = bounds(m_cols);
    m_by = bounds(m_rows);
    // How far a tab may reach across its edge and stay inside the tile of
    // the piece that carries it.
    const double room = cut.Margin - shift;

    m_vert.assign(size_t(m_cols) * m_rows, TEdge{});
    m_horz.assign(size_t(m_cols) * m_rows, TEdge{});
    std::vector<std::vector<TBox>> into(size_t(m_cols) * m_rows); // the tabs reaching into each cell
    TRandom rnd(SeedOf(cut));
    auto place = [&](TEdge &e, bool vertical, int c, int r) {
        const double from = vertical ? m_by[size_t(r)] : m_bx[size_t(c)];
        const double to = vertical ? m_by[size_t(r) + 1] : m_bx[size_t(c) + 1];
        const double at = vertical ? m_bx[size_t(c)] : m_by[size_t(r)];
        // Sizes in pixels follow the pitch, so that the longer edges along
        // the frame carry tabs of the same size.
        const double reachMax = std::min(0.30 * pitch, room - TabClearance - 0.02 * pitch);
        const int dir0 = rnd.Next() < 0.5 ? 1 : -1;
        for (int attempt = 0; attempt < 2 * Tries; ++attempt) {
            TEdge cand;
            TTab &t = cand.Tab;
            t.Dir = attempt < Tries ? dir0 : -dir0;
            t.At = rnd.Range(TabAtMin, TabAtMax);
            t.Head = rnd.Range(TabHeadMin, TabHeadMax);
            t.Neck = rnd.Range(TabNeckMin, TabNeckMax);
            t.Reach = reachMax * rnd.Range(1 - TabSizeSpread, 1 + TabSizeSpread) / (1 + TabSizeSpread);
            t.Lean = rnd.Range(-TabLeanMaxDeg, TabLeanMaxDeg) * Pi / 180.0;
            // The side bows away from its tab, and waves a little.
            cand.Bow = -t.Dir * rnd.Range(0.02, 0.045) * pitch;
            cand.Wave = rnd.Range(-0.02, 0.02) * pitch;
            const TEdgeCurve curve = Curve(cand, vertical, at, from, to);
            const TBox box = BoxOf(curve.Points, curve.TabFirst, curve.TabLast);
            // The cell it reaches into.
            const int cc = vertical && t.Dir < 0 ? c - 1 : c, cr = !vertical && t.Dir < 0 ? r - 1 : r;
            std::vector<TBox> &there = into[size_t(cr * m_cols + cc)];
            const bool clear = std::none_of(there.begin(), there.end(),
                                            [&](const TBox &o) { return box.Meets(o, 2 * TabClearance); });
            if (clear || attempt == 2 * Tries - 1) {
                e = cand;
                there.push_back(box);
                return;
            }
        }
    };
    for (int r = 0; r < m_rows; ++r)
        for (int c = 1; c < m_cols; ++c)
            place(m_vert[size_t(r * m_cols + c)], true, c, r);
    for (int r = 1; r < m_rows; ++r)
        for (int c = 0; c < m_cols; ++c)
            place(m_horz[size_t(r * m_cols + c)], false, c, r);
}

TEdgeCurve TTabLayout::Curve(const TEdge &e, bool vertical, double at, double from, double to) const
{
    const double length = to - from;
    const TTab &t = e.Tab;
    const double uc = t.At * length, shear = std::tan(t.Lean);
    const std::vector<TPointD> tab = TabShape(t, length);
    TEdgeCurve out;
    auto put = [&](double u, double v) {
        out.Points.push_back(vertical ? TPointD{at + v, from + u} : TPointD{from + u, at + v});
    };
    auto baseline = [&](double u0, double u1, bool first) {
        const int n = std::max(3, int(std::ceil((u1 - u0) / 2.0)));
        for (int i = first ? 0 : 1; i <= n; ++i) {
            const double u = u0 + (u1 - u0) * i / n;
            put(u, Base(e, u / length));
        }
    };
    // Corners exactly on the grid, so that the four edges meeting there
    // join without a gap.
    baseline(0, uc + tab.front().X, true);
    out.Points.front() = vertical ? TPointD{at, from} : TPointD{from, at};
    out.TabFirst = int(out.Points.size()) - 1;
    for (size_t i = 1; i < tab.size(); ++i) {
        const double p = tab[i].X, q = tab[i].Y;
        put(uc + p + q * shear, Base(e, (uc + p) / length) + t.Dir * q);
    }
    baseline(uc + tab.back().X, length, false);
    out.TabLast = out.TabFirst + int(tab.size()) - 1;
    out.Points.back() = vertical ? TPointD{at, to} : TPointD{to, at};
    return out;
}

TEdgeCurve TTabLayout::VerticalCurve(int c, int r) const
{
    return Curve(Vertical(c, r), true, m_bx[size_t(c)], m_by[size_t(r)], m_by[size_t(r) + 1]);
}

TEdgeCurve TTabLayout::HorizontalCurve(int c, int r) const
{
    return Curve(Horizontal(c, r), false, m_by[size_t(r)], m_bx[size_t(c)], m_bx[size_t(c) + 1]);
}

std::vector<TPointD> TTabLayout::Outline(int col, int row) const
{
    const double x0 = m_bx[size_t(col)], x1 = m_bx[size_t(col) + 1];
    const double y0 = m_by[size_t(row)], y1 = m_by[size_t(row) + 1];
    std::vector<TPointD> out;
    // Each side without its last point: the next side starts there.
    auto side = [&](std::vector<TPointD> pts, bool reversed) {
        if (reversed)
            std::reverse(pts.begin(), pts.end());
        out.insert(out.end(), pts.begin(), pts.end() - 1);
    };
    side(row == 0 ? std::vector<TPointD>{{x0, y0}, {x1, y0}} : HorizontalCurve(col, row).Points, false);
    side(col == m_cols - 1 ? std::vector<TPointD>{{x1, y0}, {x1, y1}} : VerticalCurve(col + 1, row).Points, false);
    side(row == m_rows - 1 ? std::vector<TPointD>{{x0, y1}, {x1, y1}} : HorizontalCurve(col, row + 1).Points, true);
    side(col == 0 ? std::vector<TPointD>{{x0, y0}, {x0, y1}} : VerticalCurve(col, row).Points, true);
    return out;
}

TPieceSides TTabLayout::Sides(int col, int row) const
{
    auto kind = [](int dir, int outwards) { return dir == outwards ? TSide::Tab : TSide::Blank; };
    TPieceSides s;
    s[0] = col == m_cols - 1 ? TSide::Flat : kind(Vertical(col + 1, row).Tab.Dir, 1);
    s[1] = row == m_rows - 1 ? TSide::Flat : kind(Horizontal(col, row + 1).Tab.Dir, 1);
    s[2] = col == 0 ? TSide::Flat : kind(Vertical(col, row).Tab.Dir, -1);
    s[3] = row == 0 ? TSide::Flat : kind(Horizontal(col, row).Tab.Dir, -1);
    return s;
}

uint64_t TTabLayout::Fingerprint() const
{
    uint64_t h = 0xCBF29CE484222325ull; // FNV-1a over the bytes of every value
    auto add = [&h](const void *p, size_t n) {
        for (size_t i = 0; i < n; ++i)
            h = (h ^ static_cast<const uint8_t *>(p)[i]) * 0x100000001B3ull;
    };
    for (const auto *bounds : {&m_bx, &m_by})
        add(bounds->data(), bounds->size() * sizeof(int));
    for (const auto *edges : {&m_vert, &m_horz})
        for (const TEdge &e : *edges) {
            const double values[] = {e.Tab.At, e.Tab.Head, e.Tab.Neck, e.Tab.Reach, e.Tab.Lean, double(e.Tab.Dir),
                                     e.Bow, e.Wave};
            add(values, sizeof values);
        }
    return h;
}

const TTabLayout &TabLayoutOf(int sizeIndex)
{
    static std::mutex lock;
    static std::unique_ptr<TTabLayout> made[CutCount + 1];
    const int k = ValidSizeIndex(sizeIndex) ? sizeIndex : 1;
    std::lock_guard<std::mutex> guard(lock);
    if (!made[k])
        made[k] = std::make_unique<TTabLayout>(k);
    return *made[k];
}

TPieceSides MirroredSides(const TTabLayout &layout, int col, int row, bool flipHor, bool flipVer)
{
    TPieceSides s = layout.Sides(flipHor ? layout.Cols() - 1 - col : col, flipVer ? layout.Rows() - 1 - row : row);
    if (flipHor)
        std::swap(s[0], s[2]);
    if (flipVer)
        std::swap(s[1], s[3]);
    return s;
}
