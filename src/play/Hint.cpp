#include "play/Hint.h"

#include <cmath>
#include <limits>

#include "board/EdgeFilter.h"

namespace play {

namespace {

// Grid neighbour of p in direction d (0 right, 1 down, 2 left, 3 up), or -1.
int Neighbour(const TCutInfo &c, const Tpiece &p, int d)
{
    switch (d) {
    case 0: return p.Col < c.Cols - 1 ? p.Row * c.Cols + p.Col + 1 : -1;
    case 1: return p.Row < c.Rows - 1 ? (p.Row + 1) * c.Cols + p.Col : -1;
    case 2: return p.Col >= 1 ? p.Row * c.Cols + p.Col - 1 : -1;
    default: return p.Row >= 1 ? (p.Row - 1) * c.Cols + p.Col : -1;
    }
}

} // namespace

int HintAt(const Board &b, QPointF board)
{
    const TCutInfo &c = b.Cut();
    const int n = b.Pieces.Count();
    const double pitch = Pitch(c), half = HalfTex(c);
    const std::vector<char> shown = ShownPieces(b);
    static const QPointF screenSide[4] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    int best = -1;
    double bestDist = pitch * 1.25;
    for (int i = 0; i < n; ++i) {
        const Tpiece &p = b.Pieces[i];
        if (!shown[size_t(i)])
            continue;
        const QPointF centre(p.X + half, p.Y + half);
        if (std::abs(board.x() - centre.x()) > 3 * pitch || std::abs(board.y() - centre.y()) > 3 * pitch)
            continue;
        for (int d = 0; d < 4; ++d) {
            const int m = Neighbour(c, p, d);
            if (m < 0 || m >= n || (b.HasGroup(p.Group) && b.Pieces[m].Group == p.Group))
                continue;
            const QPointF place = centre + screenSide[(d + p.Rotation) % 4] * pitch;
            const double dist = std::hypot(board.x() - place.x(), board.y() - place.y());
            if (dist < bestDist) {
                bestDist = dist;
                best = m;
            }
        }
    }
    return best;
}

void StartHint(Board &b, int p)
{
    b.HintPiece = p;
    b.HintTicks = 0;
    ++b.HintsUsed;
}

bool TickHint(Board &b)
{
    if (b.HintPiece < 0)
        return false;
    if (++b.HintTicks >= kHintTicks) {
        b.HintPiece = -1;
        b.HintTicks = 0;
    }
    return true;
}

double HintGlow(const Board &b)
{
    if (b.HintPiece < 0)
        return 0;
    const double seconds = b.HintTicks * 0.05;
    return 0.5 - 0.5 * std::cos(2 * M_PI * kHintHz * seconds);
}

} // namespace play
