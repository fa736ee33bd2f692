#include "PlayTestBoard.h"

Board MakeBoard(int sizeIndex)
{
    Board b;
    b.SizeIndex = uint8_t(sizeIndex);
    const TCutInfo &c = b.Cut();
    for (int i = 0; i < PieceCount(c); ++i) {
        Tpiece &p = b.Pieces.Add();
        p.Row = i / c.Cols;
        p.Col = i % c.Cols;
        p.X = 5000 + 200 * i;
        p.Y = 5000;
        p.Group = -1;
        b.DrawOrder << QString::number(i);
    }
    return b;
}

int MakeGroup(Board &b, const std::vector<int> &members)
{
    TMyListItem &item = b.Groups.Add();
    for (int m : members)
        item.Subitems << QString::number(m);
    const int g = b.Groups.Count() - 1;
    for (int m : members)
        b.Pieces[m].Group = g;
    return g;
}

