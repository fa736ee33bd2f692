// Keyboard play: the hand moved by the arrows picks up and drops what lies
// under it, turns it, jumps to the loose pieces and zooms about itself.
#include "game/Game.h"

#include <Qt>
#include <algorithm>

#include "play/HitTest.h"

namespace game {

namespace {

bool ArrowKey(int key, int &dx, int &dy)
{
    dx = dy = 0;
    switch (key) {
    case Qt::Key_Left: dx = -1; return true;
    case Qt::Key_Right: dx = 1; return true;
    case Qt::Key_Up: dy = -1; return true;
    case Qt::Key_Down: dy = 1; return true;
    default: return false;
    }
}

// The hand stays this far inside the window's edges; the table pans under it.
constexpr double kHandMargin = 40;

} // namespace

TAnswer TGame::PlayKey(const TKeyPress &k, QDate today, bool *taken)
{
    *taken = false;
    int dx = 0, dy = 0;
    const bool arrow = ArrowKey(k.Key, dx, dy);
    if (k.Repeat && !arrow)
        return {};
    if (m_board.Paused || !HasGame())
        return Key(k.Key, taken);
    // A drag of the mouse keeps its own keys (Space turns it).
    const bool mouseDrag = m_board.Dragging && !HandHolding();
    *taken = true;
    if (arrow)
        return MoveHand(dx, dy, k.Ctrl ? play::THandPace::Fine : k.Shift ? play::THandPace::Fast
                                                                          : play::THandPace::Normal);
    switch (k.Key) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (mouseDrag)
            break;
        return HandPickOrDrop(today);
    case Qt::Key_R:
        if (m_board.Dragging)
            break;
        return HandTurn();
    case Qt::Key_Tab: return HandJump(k.Shift);
    case Qt::Key_Backtab: return HandJump(true);
    case Qt::Key_PageUp: return HandZoom(1);
    case Qt::Key_PageDown: return HandZoom(-1);
    default: break;
    }
    return Key(k.Key, taken);
}

// The hand appears in the middle of what the window shows; once shown, it
// moves and the table pans to keep it in sight.
TAnswer TGame::MoveHand(int dx, int dy, play::THandPace pace)
{
    TAnswer a;
    a.Redraw = true;
    if (!m_hand.Shown) {
        const QSize w = m_view.Window();
        m_hand.At = play::KeepHandOnTable(m_view.ToBoard(QPointF(w.width() / 2.0, w.height() / 2.0)).toPoint(),
                                          m_view.Table());
        m_hand.Shown = true;
        return a;
    }
    const int step = play::HandStep(m_board.Cut(), pace);
    m_hand.At = play::KeepHandOnTable(m_hand.At + QPoint(dx * step, dy * step), m_view.Table());
    const QPointF at = m_view.ToWindow(QPointF(m_hand.At));
    const QSize w = m_view.Window();
    const double m = std::min({kHandMargin, w.width() / 2.0, w.height() / 2.0});
    const QPointF inside(std::clamp(at.x(), m, w.width() - m), std::clamp(at.y(), m, w.height() - m));
    m_view.PanBy(inside - at);
    if (HandHolding())
        play::DragTo(m_board, m_hand.At.x(), m_hand.At.y());
    return a;
}

TAnswer TGame::HandPickOrDrop(QDate today)
{
    if (HandHolding()) {
        m_hand.Holding = false;
        return DropPieces(today);
    }
    if (!m_hand.Shown)
        return MoveHand(0, 0, play::THandPace::Normal);
    if (play::PieceAt(m_board, m_hand.At.x(), m_hand.At.y()) < 0)
        return {};
    const TAnswer a = PressPiece(play::TMouseBtn::Left, m_hand.At);
    m_hand.Holding = m_board.Dragging;
    m_clickHold = false;
    return a;
}

TAnswer TGame::HandTurn()
{
    if (!m_hand.Shown || play::PieceAt(m_board, m_hand.At.x(), m_hand.At.y()) < 0)
        return {};
    return PressPiece(play::TMouseBtn::Right, m_hand.At);
}

// The next loose piece comes to the top, with the hand on it.
TAnswer TGame::HandJump(bool backwards)
{
    if (HandHolding())
        return {};
    const int p = play::NextLoosePiece(m_board, m_hand.LastJump, backwards);
    if (p < 0)
        return {};
    BringToTop(m_board, p);
    m_hand.LastJump = p;
    m_hand.Shown = true;
    m_hand.At = play::HandleOf(m_board, p);
    return MoveHand(0, 0, play::THandPace::Normal);
}

TAnswer TGame::HandZoom(int steps)
{
    TAnswer a;
    a.Redraw = m_hand.Shown ? m_view.ZoomAbout(steps, m_view.ToWindow(QPointF(m_hand.At)))
                            : m_view.ZoomAboutCentre(steps);
    return a;
}

} // namespace game
