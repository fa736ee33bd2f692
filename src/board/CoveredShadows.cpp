#include "board/CoveredShadows.h"

std::vector<char> CoveredShadows(const Board &b, const std::vector<char> &shown)
{
    const int n = b.Pieces.Count();
    std::vector<char> covered(size_t(n), 0);
    if (!ValidSizeIndex(b.SizeIndex) || shown.size() != size_t(n))
        return covered;
    const TCutInfo &c = b.Cut();
    if (n != PieceCount(c))
        return covered;
    for (int u = 0; u < n; ++u) {
        const Tpiece &p = b.Pieces[u];
        if (p.Group < 0 || !shown[size_t(u)] || p.Row < 1 || p.Col < 1 || p.Row >= c.Rows - 1 || p.Col >= c.Cols - 1)
            continue;
        bool all = true;
        for (int dy = -1; dy <= 1 && all; ++dy)
            for (int dx = -1; dx <= 1 && all; ++dx) {
                // Pieces lie in row-major order of their home cells.
                const int v = (p.Row + dy) * c.Cols + p.Col + dx;
                all = b.Pieces[v].Group == p.Group && shown[size_t(v)];
            }
        covered[size_t(u)] = all;
    }
    return covered;
}
