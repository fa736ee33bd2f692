#include "ShapeGen.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int Samples = 6; // per pixel side when the outline is rasterised

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

// One tab on a boundary, in the boundary's own coordinates: u along it from
// its start, v across it towards the cell the tab reaches into.
struct TKnob {
    double U0;      // centre along the boundary
    double Depth;   // how far the head reaches
    double Radius;  // head radius across the boundary
    double Aspect;  // the head's width along the boundary over its height
    double NeckW;   // neck half-width
    double BaseW;   // half-width where the neck meets the boundary
    double FlareH;  // height of the flare at the neck's foot
    int Dir;        // +1: reaches into the higher cell, -1: into the lower

    bool Contains(double u, double v) const
    {
        if (v < 0 || v > Depth)
            return false;
        const double du = std::fabs(u - U0) / Aspect;
        const double hc = Depth - Radius;
        if (du * du + (v - hc) * (v - hc) <= Radius * Radius)
            return true;
        if (v > hc)
            return false;
        const double f = std::max(0.0, 1.0 - v / FlareH);
        return du <= NeckW + (BaseW - NeckW) * f * f;
    }
};

TKnob RandomKnob(TRandom &rnd, double length, double maxDepth, double aspect)
{
    TKnob k;
    k.Aspect = aspect;
    k.Depth = maxDepth * rnd.Range(0.86, 1.0);
    k.Radius = k.Depth * rnd.Range(0.40, 0.47);
    k.NeckW = k.Radius * rnd.Range(0.50, 0.64);
    k.BaseW = k.NeckW + k.Radius * rnd.Range(0.30, 0.45);
    k.FlareH = k.Depth * 0.3;
    k.U0 = length * (0.5 + rnd.Range(-0.06, 0.06));
    k.Dir = rnd.Next() < 0.5 ? 1 : -1;
    return k;
}

// The whole jigsaw pattern: which piece owns each point of the picture.
class TPattern {
public:
    explicit TPattern(const TShapeCut &cut) : m_cut(cut), m_bx(ColumnBounds(cut)), m_by(RowBounds(cut))
    {
        // A tab may reach up to the tile's edge less a pixel of
        // anti-aliasing; the tile reaches Margin before the home cell and
        // CellSize - Margin - Pitch after it, measured from the boundary.
        const int before = cut.Margin - (cut.Pitch * 1 - m_bx[1]);
        const int after = cut.CellSize - cut.Margin - m_bx[1];
        const double wanted = 0.29 * cut.Pitch;
        const double maxDepth = std::min(std::min(before, after) - 1.5, wanted);
        // Where the tile leaves too little room for a tab of the usual
        // depth, the head grows wider instead.
        const double aspect = wanted / maxDepth;
        TRandom rnd(cut.Seed);
        m_vert.resize(size_t(cut.Cols + 1) * cut.Rows);
        m_horz.resize(size_t(cut.Rows + 1) * cut.Cols);
        for (int r = 0; r < cut.Rows; ++r)
            for (int c = 1; c < cut.Cols; ++c)
                m_vert[size_t(r * (cut.Cols + 1) + c)] = RandomKnob(rnd, m_by[r + 1] - m_by[r], maxDepth, aspect);
        for (int r = 1; r < cut.Rows; ++r)
            for (int c = 0; c < cut.Cols; ++c)
                m_horz[size_t(r * cut.Cols + c)] = RandomKnob(rnd, m_bx[c + 1] - m_bx[c], maxDepth, aspect);
    }

    int Width() const { return m_bx.back(); }
    int Height() const { return m_by.back(); }

    // Piece index owning the point, or -1 outside the frame.
    int Owner(double x, double y) const
    {
        if (x < 0 || y < 0 || x >= Width() || y >= Height())
            return -1;
        const int c = int(std::upper_bound(m_bx.begin(), m_bx.end(), x) - m_bx.begin()) - 1;
        const int r = int(std::upper_bound(m_by.begin(), m_by.end(), y) - m_by.begin()) - 1;
        const int C = m_cut.Cols;
        const double u = y - m_by[r], w = x - m_bx[c];
        if (c > 0) {
            const TKnob &k = Vert(c, r);
            if (k.Dir > 0 && k.Contains(u, x - m_bx[c]))
                return r * C + c - 1;
        }
        if (c + 1 < C) {
            const TKnob &k = Vert(c + 1, r);
            if (k.Dir < 0 && k.Contains(u, m_bx[c + 1] - x))
                return r * C + c + 1;
        }
        if (r > 0) {
            const TKnob &k = Horz(c, r);
            if (k.Dir > 0 && k.Contains(w, y - m_by[r]))
                return (r - 1) * C + c;
        }
        if (r + 1 < m_cut.Rows) {
            const TKnob &k = Horz(c, r + 1);
            if (k.Dir < 0 && k.Contains(w, m_by[r + 1] - y))
                return (r + 1) * C + c;
        }
        return r * C + c;
    }

private:
    const TKnob &Vert(int c, int r) const { return m_vert[size_t(r * (m_cut.Cols + 1) + c)]; }
    const TKnob &Horz(int c, int r) const { return m_horz[size_t(r * m_cut.Cols + c)]; }

    TShapeCut m_cut;
    std::vector<int> m_bx, m_by;
    std::vector<TKnob> m_vert, m_horz;
};

std::vector<int> Bounds(int count, int pitch, int cell, int margin)
{
    // The frame is what a mirrored tile grid keeps inside the picture.
    const int frame = (count - 1) * pitch + cell - 2 * margin;
    const int shift = (count * pitch - frame) / 2;
    std::vector<int> b(size_t(count) + 1);
    for (int k = 1; k < count; ++k)
        b[size_t(k)] = k * pitch - shift;
    b[0] = 0;
    b[size_t(count)] = frame;
    return b;
}

// Separable Gaussian blur of a float field, zero beyond its edges.
std::vector<float> Blur(const std::vector<float> &src, int w, int h, double sigma)
{
    const int j = int(std::ceil(sigma * 3));
    std::vector<float> k(size_t(2 * j + 1));
    double sum = 0;
    for (int i = -j; i <= j; ++i)
        sum += k[size_t(i + j)] = float(std::exp(-0.5 * (i / sigma) * (i / sigma)));
    for (float &v : k)
        v = float(v / sum);
    std::vector<float> tmp(src.size(), 0.f), out(src.size(), 0.f);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float s = 0;
            for (int i = -j; i <= j; ++i)
                if (x + i >= 0 && x + i < w)
                    s += k[size_t(i + j)] * src[size_t(y * w + x + i)];
            tmp[size_t(y * w + x)] = s;
        }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float s = 0;
            for (int i = -j; i <= j; ++i)
                if (y + i >= 0 && y + i < h)
                    s += k[size_t(i + j)] * tmp[size_t((y + i) * w + x)];
            out[size_t(y * w + x)] = s;
        }
    return out;
}

void SetGrey(QImage &img, int x, int y, int v)
{
    uint8_t *p = img.scanLine(y) + 3 * x;
    p[0] = p[1] = p[2] = uint8_t(std::clamp(v, 0, 255));
}

} // namespace

TShapeCut ShapeCut(int sizeIndex)
{
    // Every cut after the first has the geometry of the 187-piece one; each
    // has its own seed, so the shapes of a cut never change between builds.
    switch (sizeIndex) {
    case 2: return {17, 11, 59, 35, 13, 0x5EED1711ull, "17_11"};
    case 3: return {24, 16, 59, 35, 13, 0x5EED2416ull, "24_16"};
    case 4: return {30, 20, 59, 35, 13, 0x5EED3020ull, "30_20"};
    case 5: return {40, 25, 59, 35, 13, 0x5EED4025ull, "40_25"};
    default: return {7, 5, 120, 80, 20, 0x5EED0507ull, "5_7"};
    }
}

std::vector<int> ColumnBounds(const TShapeCut &cut) { return Bounds(cut.Cols, cut.Pitch, cut.CellSize, cut.Margin); }
std::vector<int> RowBounds(const TShapeCut &cut) { return Bounds(cut.Rows, cut.Pitch, cut.CellSize, cut.Margin); }

QImage MakeRelief(const QImage &mask, const TShapeCut &cut)
{
    const int n = cut.CellSize;
    const double sigma = cut.Pitch >= 60 ? 2.4 : 1.4;
    const double gain = 150 * sigma;
    QImage out(mask.size(), QImage::Format_BGR888);
    out.fill(Qt::black);
    std::vector<float> a(size_t(n) * n);
    for (int r = 0; r < cut.Rows; ++r)
        for (int c = 0; c < cut.Cols; ++c) {
            for (int y = 0; y < n; ++y)
                for (int x = 0; x < n; ++x)
                    a[size_t(y * n + x)] = (255 - mask.constScanLine(r * n + y)[3 * (c * n + x)]) / 255.f;
            const std::vector<float> b = Blur(a, n, n, sigma);
            auto at = [&](int x, int y) {
                return (x < 0 || y < 0 || x >= n || y >= n) ? 0.f : b[size_t(y * n + x)];
            };
            for (int y = 0; y < n; ++y)
                for (int x = 0; x < n; ++x) {
                    if (a[size_t(y * n + x)] <= 0)
                        continue; // outside the piece: black, the relief does not act
                    // Light from the top-left: the slope rising into the
                    // piece from its top and left edges is lit.
                    const double gx = (at(x + 1, y) - at(x - 1, y)) / 2, gy = (at(x, y + 1) - at(x, y - 1)) / 2;
                    const int v = int(std::lround(127 + gain * (gx + gy)));
                    SetGrey(out, c * n + x, r * n + y, std::clamp(v, 1, 255));
                }
        }
    return out;
}

TShapeSet MakeShapes(int sizeIndex)
{
    const TShapeCut cut = ShapeCut(sizeIndex);
    const TPattern pattern(cut);
    const int n = cut.CellSize, S = Samples;
    const int fw = pattern.Width() * S, fh = pattern.Height() * S;

    // Owner of every sample of the frame.
    std::vector<int16_t> owner(size_t(fw) * fh);
    for (int sy = 0; sy < fh; ++sy)
        for (int sx = 0; sx < fw; ++sx)
            owner[size_t(sy) * fw + sx] = int16_t(pattern.Owner((sx + 0.5) / S, (sy + 0.5) / S));

    TShapeSet set;
    const QSize size(cut.Cols * n, cut.Rows * n);
    set.Mask = QImage(size, QImage::Format_BGR888);
    set.Shadow = QImage(size, QImage::Format_BGR888);
    set.Mask.fill(Qt::white);
    set.Shadow.fill(Qt::white);

    std::vector<float> cover(size_t(n) * n);
    const double shadowSigma = cut.Pitch >= 60 ? 2.0 : 1.3;
    for (int r = 0; r < cut.Rows; ++r)
        for (int c = 0; c < cut.Cols; ++c) {
            const int piece = r * cut.Cols + c;
            const int px = c * cut.Pitch - cut.Margin, py = r * cut.Pitch - cut.Margin;
            for (int ty = 0; ty < n; ++ty)
                for (int tx = 0; tx < n; ++tx) {
                    const int X = px + tx, Y = py + ty;
                    int count = 0;
                    if (X >= 0 && Y >= 0 && X < pattern.Width() && Y < pattern.Height())
                        for (int j = 0; j < S; ++j) {
                            const int16_t *o = &owner[size_t(Y * S + j) * fw + size_t(X) * S];
                            for (int i = 0; i < S; ++i)
                                count += o[i] == piece;
                        }
                    const float a = float(count) / (S * S);
                    cover[size_t(ty * n + tx)] = a;
                    // Twice the coverage: where two pieces meet, one of them
                    // is always opaque, so no background shows in the seam.
                    const int alpha = std::min(255, int(std::lround(510.0 * a)));
                    SetGrey(set.Mask, c * n + tx, r * n + ty, 255 - alpha);
                }
            // The shadow: the outline softened and pulled a little inside.
            const std::vector<float> b = Blur(cover, n, n, shadowSigma);
            for (int ty = 0; ty < n; ++ty)
                for (int tx = 0; tx < n; ++tx) {
                    const double s = std::clamp((b[size_t(ty * n + tx)] - 0.3) / 0.7, 0.0, 1.0);
                    SetGrey(set.Shadow, c * n + tx, r * n + ty, 255 - int(std::lround(190 * s)));
                }
        }

    for (int v = 0; v < 2; ++v)
        for (int h = 0; h < 2; ++h)
            set.Relief[h + 2 * v] = MakeRelief(set.Mask.mirrored(h != 0, v != 0), cut);
    return set;
}
