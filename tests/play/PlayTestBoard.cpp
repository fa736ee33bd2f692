#include "PlayTestBoard.h"

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

