#include "picture/GBlur.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cmath>

EGBlurError::EGBlurError()
    : std::runtime_error(QStringLiteral("GBlur может работать только с 24-битными изображениями").toStdString())
{
}

TBlurKernel MakeKernel(double radius)
{
    constexpr int Max = 100;
    std::array<float, 2 * Max + 1> w{};
    double total = 0;
    for (int k = -Max; k <= Max; ++k) {
        const double q = double(k) / radius;
        w[size_t(k + Max)] = float(std::exp(-q * q / 2));
        total += w[size_t(k + Max)];
    }
    for (float &v : w)
        v = float(v / total);

    // Drop the tails while together they weigh less than half a grey level.
    int j = Max;
    double tail = 0;
    while (tail < 1.0 / (2 * 255) && j > 1) {
        tail += 2 * double(w[size_t(j + Max)]);
        --j;
    }

    TBlurKernel kernel;
    kernel.HalfWidth = j;
    double kept = 0;
    for (int k = -j; k <= j; ++k)
        kept += w[size_t(k + Max)];
    for (int k = -j; k <= j; ++k)
        kernel.Weights.push_back(float(w[size_t(k + Max)] / kept));
    return kernel;
}

namespace {

inline uint8_t ClampSum(double s)
{
    if (s < 0)
        return 0;
    if (s >= 255)
        return 255;
    return uint8_t(s);
}

// Blurs one line of n pixels (3 bytes each) in place.  A window whose
// pixels are all equal gives the same sum for the same value, so that sum
// is computed once per value and reused: the white and black areas of a
// shadow bitmap then cost almost nothing, and the result is unchanged.
class TLineBlur {
public:
    explicit TLineBlur(const TBlurKernel &k) : m_k(k)
    {
        for (int v = 0; v < 256; ++v) {
            double s = 0;
            for (int i = -k.HalfWidth; i <= k.HalfWidth; ++i)
                s += double(k.Weight(i)) * v;
            m_uniform[size_t(v)] = ClampSum(s);
        }
    }

    void Run(uint8_t *line, int n)
    {
        const int j = m_k.HalfWidth;
        m_out.resize(size_t(n) * 3);
        m_lastChange.resize(size_t(n));
        // m_lastChange[i]: the last index p <= i whose pixel differs from p - 1.
        int last = 0;
        m_lastChange[0] = 0;
        for (int i = 1; i < n; ++i) {
            const uint8_t *a = line + 3 * (i - 1), *b = line + 3 * i;
            if (a[0] != b[0] || a[1] != b[1] || a[2] != b[2])
                last = i;
            m_lastChange[size_t(i)] = last;
        }
        for (int i = 0; i < n; ++i) {
            const int lo = std::max(0, i - j), hi = std::min(n - 1, i + j);
            uint8_t *o = &m_out[size_t(i) * 3];
            if (m_lastChange[size_t(hi)] <= lo) {
                const uint8_t *p = line + 3 * i;
                o[0] = m_uniform[p[0]];
                o[1] = m_uniform[p[1]];
                o[2] = m_uniform[p[2]];
                continue;
            }
            double s0 = 0, s1 = 0, s2 = 0;
            for (int k = -j; k <= j; ++k) {
                const int idx = std::clamp(i - k, 0, n - 1);
                const double w = m_k.Weight(k);
                const uint8_t *p = line + 3 * idx;
                s0 += w * p[0];
                s1 += w * p[1];
                s2 += w * p[2];
            }
            o[0] = ClampSum(s0);
            o[1] = ClampSum(s1);
            o[2] = ClampSum(s2);
        }
        std::copy(m_out.begin(), m_out.end(), line);
    }

private:
    const TBlurKernel &m_k;
    std::array<uint8_t, 256> m_uniform{};
    std::vector<uint8_t> m_out;
    std::vector<int> m_lastChange;
};

// dst (h rows of w pixels) := src (w rows of h pixels) turned over its
// diagonal, in blocks that stay in the cache.
void Transpose(const uint8_t *src, qsizetype srcBpl, int w, int h, uint8_t *dst, qsizetype dstBpl)
{
    constexpr int Block = 32;
    for (int y0 = 0; y0 < h; y0 += Block)
        for (int x0 = 0; x0 < w; x0 += Block) {
            const int y1 = std::min(h, y0 + Block), x1 = std::min(w, x0 + Block);
            for (int y = y0; y < y1; ++y) {
                const uint8_t *s = src + y * srcBpl;
                for (int x = x0; x < x1; ++x) {
                    uint8_t *d = dst + x * dstBpl + 3 * y;
                    d[0] = s[3 * x];
                    d[1] = s[3 * x + 1];
                    d[2] = s[3 * x + 2];
                }
            }
        }
}

} // namespace

void GBlur(QImage &B, double radius)
{
    if (B.format() != QImage::Format_BGR888)
        throw EGBlurError();
    const int w = B.width(), h = B.height();
    if (w <= 0 || h <= 0)
        return;
    const TBlurKernel kernel = MakeKernel(radius);
    TLineBlur blur(kernel);

    uint8_t *bits = B.bits();
    const qsizetype bpl = B.bytesPerLine();
    for (int y = 0; y < h; ++y)
        blur.Run(bits + y * bpl, w);

    // Columns: turned into rows of a transposed copy, blurred, turned back.
    std::vector<uint8_t> t(size_t(w) * h * 3);
    Transpose(bits, bpl, w, h, t.data(), qsizetype(h) * 3);
    for (int x = 0; x < w; ++x)
        blur.Run(t.data() + size_t(x) * h * 3, h);
    Transpose(t.data(), qsizetype(h) * 3, h, w, bits, bpl);
}
