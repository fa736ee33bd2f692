#include "play/Progress.h"

#include <set>

namespace play {

int JoinedPieces(const Board &b)
{
    int joined = 0;
    for (const Tpiece &p : b.Pieces)
        if (b.HasGroup(p.Group) && b.Groups[size_t(p.Group)].size() >= 2)
            ++joined;
    return joined;
}

int JoinsOnTable(const Board &b)
{
    std::set<int> groups;
    int loose = 0;
    for (const Tpiece &p : b.Pieces) {
        if (p.Group >= 0)
            groups.insert(p.Group);
        else
            ++loose;
    }
    return b.Pieces.Count() - loose - int(groups.size());
}

QString ProgressText(const Board &b)
{
    if (b.Pieces.Count() == 0)
        return QString();
    return QStringLiteral("%1 из %2").arg(JoinedPieces(b)).arg(PieceCount(b.Cut()));
}

} // namespace play
