#include "play/Hand.h"

#include <algorithm>

#include "board/EdgeFilter.h"
#include "play/HitTest.h"
#include "play/Spread.h"

namespace play {

int HandStep(const TCutInfo &cut, THandPace pace)
{
    switch (pace) {
    case THandPace::Fine: return 1;
    case THandPace::Normal: return std::max(1, Pitch(cut) / 4);
    case THandPace::Fast: break;
    }
    return std::max(1, Pitch(cut));
}

QPoint KeepHandOnTable(QPoint at, QSize table)
{
    return QPoint(std::clamp(at.x(), 0, std::max(0, table.width() - 1)),
                  std::clamp(at.y(), 0, std::max(0, table.height() - 1)));
}

QPoint HandleOf(const Board &b, int piece)
{
    const THitSquare s = HitSquare(b, b.Pieces[piece]);
    return QPoint((s.Left + s.Right) / 2, (s.Top + s.Bottom) / 2);
}

namespace {

// Tab's order: edge pieces first while the filter is on, then home order.
std::pair<int, int> TabKey(const Board &b, int piece)
{
    const bool later = b.EdgeOnly && piece >= 0 && !IsEdgePiece(b.Cut(), b.Pieces[piece]);
    return {later ? 1 : 0, piece};
}

} // namespace

std::vector<int> LoosePiecesInTabOrder(const Board &b)
{
    std::vector<int> order = LoosePieces(b);
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) { return TabKey(b, x) < TabKey(b, y); });
    return order;
}

int NextLoosePiece(const Board &b, int from, bool backwards)
{
    const std::vector<int> order = LoosePiecesInTabOrder(b);
    if (order.empty())
        return -1;
    // `from` need not be loose any more: its place in the order still counts.
    const std::pair<int, int> here = TabKey(b, from);
    if (!backwards) {
        for (int p : order)
            if (TabKey(b, p) > here)
                return p;
        return order.front();
    }
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if (TabKey(b, *it) < here)
            return *it;
    return order.back();
}

} // namespace play
