#include "PlayTestBoard.h"

int MakeGroup(Board &b, const std::vector<int> &members)
{
    b.Groups.push_back(members);
    const int g = int(b.Groups.size()) - 1;
    for (int m : members)
        b.Pieces[m].Group = g;
    return g;
}

