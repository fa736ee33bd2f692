#include "play/HitTest.h"

#include "board/EdgeFilter.h"

namespace play {

THitSquare HitSquare(const Board &b, const Tpiece &p)
{
    const TCutInfo &c = b.Cut();
    return {p.X + c.Margin, p.Y + c.Margin, p.X + c.CellSize, p.Y + c.CellSize};
}

bool PieceHolds(const Board &b, const Tpiece &p, int x, int y)
{
    const TCutInfo &c = b.Cut();
    if (b.Shapes.Empty() || b.Shapes.Width() != c.Cols * c.CellSize || b.Shapes.Height() != c.Rows * c.CellSize)
        return HitSquare(b, p).Contains(x, y);
    const int T = c.TexSize;
    const int lx = x - p.X, ly = y - p.Y;
    if (lx < 0 || ly < 0 || lx >= T || ly >= T)
        return false;
    // The texel drawn at (lx, ly) once the square is turned clockwise by
    // Rotation quarters about its centre.
    int tx = lx, ty = ly;
    switch (p.Rotation & 3) {
    case 1: tx = ly; ty = T - 1 - lx; break;
    case 2: tx = T - 1 - lx; ty = T - 1 - ly; break;
    case 3: tx = T - 1 - ly; ty = lx; break;
    default: break;
    }
    const int inset = TexInset(c);
    const int cx = tx - inset, cy = ty - inset;
    if (cx < 0 || cy < 0 || cx >= c.CellSize || cy >= c.CellSize)
        return false;
    return b.Shapes.At(p.Col * c.CellSize + cx, p.Row * c.CellSize + cy);
}

int PieceAt(const Board &b, int x, int y)
{
    const int n = b.Pieces.Count();
    const int T = b.Cut().TexSize;
    // Pieces filtered out, hidden with their group or lying in a tray are
    // not on the table.
    const std::vector<char> shown = ShownPieces(b);
    for (int i = int(b.DrawOrder.size()) - 1; i >= 0; --i) {
        const int piece = b.DrawOrder[size_t(i)];
        if (piece < 0 || piece >= n || !shown[size_t(piece)])
            continue;
        const Tpiece &p = b.Pieces[piece];
        if (x < p.X || y < p.Y || x >= p.X + T || y >= p.Y + T)
            continue; // nothing of it is drawn there
        if (PieceHolds(b, p, x, y))
            return piece;
    }
    return -1;
}

} // namespace play
