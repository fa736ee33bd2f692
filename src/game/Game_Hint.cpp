// The hint: the piece for the open side under the pointer pulses, and the
// view offers to go to it when it lies beyond the window.
#include "game/Game.h"
#include "play/Hint.h"

namespace game {

TAnswer TGame::Hint()
{
    TAnswer a;
    if (!HasGame() || m_board.ShowFinished || m_board.Paused)
        return a;
    const int piece = play::HintAt(m_board, m_view.ToBoard(QPointF(m_pointer) + QPointF(0.5, 0.5)));
    if (piece < 0)
        return a;
    play::StartHint(m_board, piece);
    Changed(a);
    a.Redraw = true;
    a.AniTimer = TTimer::Start; // the pulse
    const Tpiece &p = m_board.Pieces[piece];
    const double half = HalfTex(m_board.Cut());
    const QPointF at = m_view.ToWindow(QPointF(p.X + half, p.Y + half));
    a.OfferHintJump = !QRectF(QPointF(0, 0), QSizeF(m_view.Window())).contains(at);
    return a;
}

TAnswer TGame::JumpToHint()
{
    TAnswer a;
    const int piece = m_board.HintPiece;
    if (piece < 0 || piece >= m_board.Pieces.Count())
        return a;
    const Tpiece &p = m_board.Pieces[piece];
    const double half = HalfTex(m_board.Cut());
    m_view.CentreOn(QPointF(p.X + half, p.Y + half));
    a.Redraw = true;
    return a;
}

} // namespace game
