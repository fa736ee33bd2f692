#include "picture/ShapeGen.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <thread>
#include <vector>

#include "board/Board.h"
#include "board/TabLayout.h"

namespace {

// Separable Gaussian blur of a square float field, zero beyond its edges.
void Blur(const std::vector<float> &src, int n, double sigma, std::vector<float> &tmp, std::vector<float> &out)
{
    const int j = int(std::ceil(sigma * 3));
    std::vector<float> k(size_t(2 * j + 1));
    double sum = 0;
    for (int i = -j; i <= j; ++i)
        sum += k[size_t(i + j)] = float(std::exp(-0.5 * (i / sigma) * (i / sigma)));
    for (float &v : k)
        v = float(v / sum);
    tmp.assign(src.size(), 0.f);
    out.assign(src.size(), 0.f);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            float s = 0;
            for (int i = std::max(-j, -x); i <= std::min(j, n - 1 - x); ++i)
                s += k[size_t(i + j)] * src[size_t(y * n + x + i)];
            tmp[size_t(y * n + x)] = s;
        }
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            float s = 0;
            for (int i = std::max(-j, -y); i <= std::min(j, n - 1 - y); ++i)
                s += k[size_t(i + j)] * tmp[size_t((y + i) * n + x)];
            out[size_t(y * n + x)] = s;
        }
}

// Rows of one bitmap, reached without touching the image from a worker.
struct TPlane {
    uint8_t *Bits;
    qsizetype Bpl;
    uint8_t *Line(int y) const { return Bits + y * Bpl; }
};

struct TPlanes {
    TPlane Mask, Shadow, Relief[4];
};

// One tile's share of the work, with its buffers.
class TTileFill {
public:
    TTileFill(const TCutInfo &cut, const TTabLayout &layout, const TPlanes &set)
        : m_cut(cut), m_layout(layout), m_set(set), m_n(cut.CellSize), m_rows(size_t(m_n) * ShapeSamples)
    {
    }

    void Tile(int c, int r)
    {
        Fill(c, r);
        Mask(c, r);
        Shadow(c, r);
        Relief(c, r);
    }

private:
    // Counts, for every pixel of the tile, the samples inside the piece's
    // outline, and whether the centre sample is one of them.  A sample
    // (K + 0.5) / S lies inside between a crossing and the next one, left
    // end included: the rule gives every sample to exactly one of two
    // pieces sharing a boundary, since both see the same crossing.
    void Fill(int c, int r)
    {
        const int S = ShapeSamples, n = m_n;
        const int X0 = c * Pitch(m_cut) - m_cut.Margin, Y0 = r * Pitch(m_cut) - m_cut.Margin;
        for (auto &row : m_rows)
            row.clear();
        const std::vector<TPointD> outline = m_layout.Outline(c, r);
        for (size_t i = 0; i < outline.size(); ++i) {
            TPointD a = outline[i], b = outline[(i + 1) % outline.size()];
            if (a.Y == b.Y)
                continue;
            if (a.Y > b.Y)
                std::swap(a, b);
            const int J0 = int(std::ceil(a.Y * S - 0.5)), J1 = int(std::ceil(b.Y * S - 0.5));
            for (int J = std::max(J0, Y0 * S); J < std::min(J1, (Y0 + n) * S); ++J) {
                const double y = (J + 0.5) / S;
                m_rows[size_t(J - Y0 * S)].push_back(a.X + (y - a.Y) * (b.X - a.X) / (b.Y - a.Y));
            }
        }
        m_count.assign(size_t(n) * n, 0);
        m_centre.assign(size_t(n) * n, 0);
        for (int j = 0; j < n * S; ++j) {
            std::vector<double> &xs = m_rows[size_t(j)];
            std::sort(xs.begin(), xs.end());
            const int ty = j / S;
            const bool centreRow = j % S == S / 2;
            for (size_t k = 0; k + 1 < xs.size(); k += 2) {
                const int K0 = std::max(int(std::ceil(xs[k] * S - 0.5)) - X0 * S, 0);
                const int K1 = std::min(int(std::ceil(xs[k + 1] * S - 0.5)) - X0 * S, n * S);
                if (K0 < K1)
                    Span(ty, K0, K1, centreRow);
            }
        }
    }

    // Adds the samples [K0, K1) of one sample row (tile samples) to the
    // pixels of pixel row ty: whole pixels at once, the two ends in part.
    void Span(int ty, int K0, int K1, bool centreRow)
    {
        const int S = ShapeSamples, n = m_n;
        const int p0 = K0 / S, p1 = (K1 - 1) / S;
        int *count = &m_count[size_t(ty * n)];
        uint8_t *centre = &m_centre[size_t(ty * n)];
        if (p0 == p1) {
            count[p0] += K1 - K0;
        } else {
            count[p0] += (p0 + 1) * S - K0;
            count[p1] += K1 - p1 * S;
            for (int p = p0 + 1; p < p1; ++p)
                count[p] += S;
        }
        if (!centreRow)
            return;
        for (int p = p0; p <= p1; ++p) {
            const int k = p * S + S / 2;
            if (k >= K0 && k < K1)
                centre[p] = 1;
        }
    }

    void Mask(int c, int r)
    {
        const int n = m_n, S2 = ShapeSamples * ShapeSamples;
        m_alpha.resize(size_t(n) * n);
        for (int ty = 0; ty < n; ++ty) {
            uint8_t *line = m_set.Mask.Line(r * n + ty) + c * n;
            for (int tx = 0; tx < n; ++tx) {
                const size_t at = size_t(ty * n + tx);
                const int alpha = m_centre[at] ? 255 : std::min(254, int(std::lround(510.0 * m_count[at] / S2)));
                line[tx] = uint8_t(255 - alpha);
                m_alpha[at] = alpha / 255.f;
            }
        }
    }

    // The outline softened and pulled a little inside.
    void Shadow(int c, int r)
    {
        const int n = m_n, S2 = ShapeSamples * ShapeSamples;
        m_cover.resize(size_t(n) * n);
        for (size_t i = 0; i < m_cover.size(); ++i)
            m_cover[i] = float(m_count[i]) / S2;
        Blur(m_cover, n, Pitch(m_cut) >= 60 ? 2.0 : 1.3, m_tmp, m_blur);
        for (int ty = 0; ty < n; ++ty) {
            uint8_t *line = m_set.Shadow.Line(r * n + ty) + c * n;
            for (int tx = 0; tx < n; ++tx) {
                const double s = std::clamp((m_blur[size_t(ty * n + tx)] - 0.3) / 0.7, 0.0, 1.0);
                line[tx] = uint8_t(255 - std::lround(190 * s));
            }
        }
    }

    // Light from the top-left of the screen: the slope rising into the
    // piece from its top and left edges is lit, in every mirroring.  The
    // blur of a mirrored tile is the mirrored blur, so one blur serves all
    // four; only the slope's signs turn.
    void Relief(int c, int r)
    {
        const int n = m_n;
        const double sigma = Pitch(m_cut) >= 60 ? 2.4 : 1.4, gain = 150 * sigma;
        Blur(m_alpha, n, sigma, m_tmp, m_blur);
        auto at = [&](int x, int y) { return (x < 0 || y < 0 || x >= n || y >= n) ? 0.f : m_blur[size_t(y * n + x)]; };
        uint8_t *lines[4];
        for (int ty = 0; ty < n; ++ty) {
            for (int m = 0; m < 4; ++m) {
                const bool h = m & 1, v = m & 2;
                const int dc = h ? m_cut.Cols - 1 - c : c, dr = v ? m_cut.Rows - 1 - r : r;
                lines[m] = m_set.Relief[m].Line(dr * n + (v ? n - 1 - ty : ty)) + dc * n;
            }
            for (int tx = 0; tx < n; ++tx) {
                if (m_alpha[size_t(ty * n + tx)] <= 0) {
                    // Outside the piece: black, the relief does not act.
                    lines[0][tx] = lines[1][n - 1 - tx] = lines[2][tx] = lines[3][n - 1 - tx] = 0;
                    continue;
                }
                const double gx = (at(tx + 1, ty) - at(tx - 1, ty)) / 2, gy = (at(tx, ty + 1) - at(tx, ty - 1)) / 2;
                auto lit = [&](double slope) { return uint8_t(std::clamp(int(std::lround(127 + gain * slope)), 1, 255)); };
                lines[0][tx] = lit(gx + gy);
                lines[1][n - 1 - tx] = lit(-gx + gy);
                lines[2][tx] = lit(gx - gy);
                lines[3][n - 1 - tx] = lit(-gx - gy);
            }
        }
    }

    const TCutInfo &m_cut;
    const TTabLayout &m_layout;
    const TPlanes &m_set;
    const int m_n;
    std::vector<std::vector<double>> m_rows;
    std::vector<int> m_count;
    std::vector<uint8_t> m_centre;
    std::vector<float> m_alpha, m_cover, m_tmp, m_blur;
};

} // namespace

TShapeSet MakeShapes(int sizeIndex)
{
    const TCutInfo &cut = CutTable[ValidSizeIndex(sizeIndex) ? sizeIndex : 1];
    const TTabLayout &layout = TabLayoutOf(sizeIndex);
    TShapeSet set;
    const QSize size(cut.Cols * cut.CellSize, cut.Rows * cut.CellSize);
    for (QImage *img : {&set.Mask, &set.Shadow, &set.Relief[0], &set.Relief[1], &set.Relief[2], &set.Relief[3]})
        *img = QImage(size, QImage::Format_Grayscale8);
    auto plane = [](QImage &img) { return TPlane{img.bits(), img.bytesPerLine()}; };
    const TPlanes planes{plane(set.Mask),
                         plane(set.Shadow),
                         {plane(set.Relief[0]), plane(set.Relief[1]), plane(set.Relief[2]), plane(set.Relief[3])}};
    // Rows of tiles shared among the cores: each tile writes only its own
    // pixels.
    const int workers = std::clamp(int(std::thread::hardware_concurrency()), 1, 8);
    std::vector<std::thread> pool;
    for (int w = 0; w < workers; ++w)
        pool.emplace_back([&, w] {
            TTileFill fill(cut, layout, planes);
            for (int r = w; r < cut.Rows; r += workers)
                for (int c = 0; c < cut.Cols; ++c)
                    fill.Tile(c, r);
        });
    for (std::thread &t : pool)
        t.join();
    return set;
}
