#include "play/GameState.h"

namespace play {

bool GameFinished(const Board &b)
{
    return b.ShowFinished || b.JoinCount >= PieceCount(b.Cut()) - 1;
}

bool GameInPlay(const Board &b)
{
    return b.Pieces.Count() == PieceCount(b.Cut()) && b.PiecesVisible && !b.Cutting && !GameFinished(b);
}

} // namespace play
