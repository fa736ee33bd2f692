#include "play/HitTest.h"

#include "board/EdgeFilter.h"

namespace play {

THitSquare HitSquare(const Board &b, const Tpiece &p)
{
    const TCutInfo &c = b.Cut();
    return {p.X + c.Margin, p.Y + c.Margin, p.X + c.CellSize, p.Y + c.CellSize};
}

int PieceAt(const Board &b, int x, int y)
{
    const std::vector<char> shown = ShownPieces(b);
    for (int i = int(b.DrawOrder.size()) - 1; i >= 0; --i) {
        const int piece = b.DrawOrder[size_t(i)];
        if (piece < 0 || piece >= b.Pieces.Count() || !shown[size_t(piece)])
            continue;
        if (HitSquare(b, b.Pieces[piece]).Contains(x, y))
            return piece;
    }
    return -1;
}

} // namespace play
