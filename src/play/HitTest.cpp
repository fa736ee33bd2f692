#include "play/HitTest.h"

namespace play {

THitSquare HitSquare(const Board &b, const Tpiece &p)
{
    const TCutInfo &c = b.Cut();
    return {p.X + c.Margin, p.Y + c.Margin, p.X + c.CellSize, p.Y + c.CellSize};
}

int PieceAt(const Board &b, int x, int y)
{
    for (int i = int(b.DrawOrder.size()) - 1; i >= 0; --i) {
        bool ok = false;
        const int piece = b.DrawOrder.at(i).toInt(&ok);
        if (!ok || piece < 0 || piece >= b.Pieces.Count())
            continue;
        if (HitSquare(b, b.Pieces[piece]).Contains(x, y))
            return piece;
    }
    return -1;
}

} // namespace play
