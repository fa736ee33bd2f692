#include "play/Progress.h"

namespace play {

int JoinedPieces(const Board &b)
{
    int joined = 0;
    for (const Tpiece &p : b.Pieces)
        if (b.HasGroup(p.Group) && b.Groups[size_t(p.Group)].size() >= 2)
            ++joined;
    return joined;
}

QString ProgressText(const Board &b)
{
    if (b.Pieces.Count() == 0)
        return QString();
    return QStringLiteral("%1 из %2").arg(JoinedPieces(b)).arg(PieceCount(b.Cut()));
}

} // namespace play
