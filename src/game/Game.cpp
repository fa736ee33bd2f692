// The moves of play: the mouse and keys on the table, the view, the clock
// and the animation.
#include "game/Game.h"

#include <Qt>

#include "play/Animation.h"
#include "play/Clock.h"
#include "play/CornerPlate.h"
#include "play/DragKeys.h"
#include "play/GameState.h"
#include "play/EdgeScroll.h"
#include "play/Hint.h"
#include "play/HitTest.h"
#include "play/JoinTolerance.h"
#include "play/LidGeometry.h"
#include "play/Progress.h"
#include "play/Table.h"

namespace game {

TGame::TGame(TRandom &random, TGameDevices devices) : m_random(random), m_dev(std::move(devices)) {}

QString TGame::ClockText() const { return FormatGameTime(m_board.GameTime); }

QString TGame::ProgressText() const { return play::ProgressText(m_board); }

// A game is on the table, in play or finished (its pieces faded out).
bool TGame::HasGame() const
{
    return m_board.Pieces.Count() > 0 && !m_board.PictureFile.isEmpty() && !m_board.Cutting;
}

QPoint TGame::BoardPoint(QPoint at) const
{
    // The middle of the window pixel: at 100% exactly the board pixel there.
    return m_view.BoardPixel(QPointF(at.x() + 0.5, at.y() + 0.5));
}

// ---- the window ----

TAnswer TGame::FitToWindow(QSize window)
{
    const bool fitted = m_view.Fitted();
    const QSize shown = m_view.Table();
    m_view.SetWindow(window);
    // Pieces beyond a shrunken window stay where they lie, within the table.
    const QSize laid = m_board.TableW > 0 ? QSize(m_board.TableW, m_board.TableH) : shown;
    SetTable(play::TableHolding(m_board, play::TableOnResize(m_board.SizeIndex, laid, window)));
    if (fitted && HasGame())
        FitView(); // a fitted view stays fitted
    else
        m_view.SetTable(m_view.Table().expandedTo(shown)); // the felt shown stays
    TAnswer a;
    a.Redraw = a.Lid = true;
    return a;
}

// ---- the mouse ----

TAnswer TGame::Press(play::TMouseBtn button, QPoint at)
{
    TAnswer a;
    m_pointer = at;
    if (m_view.Panning() || m_lidDragging)
        return a; // one thing at a time: the pan or the lid ends first
    if (m_board.Paused)
        return SetPaused(false);
    if (HandHolding())
        return a; // the keys hold a piece: the mouse waits
    m_hand.Shown = false;
    if (ClickHoldPress(button))
        return a; // the click that drops the piece held
    m_glide.Finish(m_board); // a spread under way lands at once
    const QPoint p = BoardPoint(at);
    const bool overPiece = play::PieceAt(m_board, p.x(), p.y()) >= 0;
    if (!overPiece && !m_board.Dragging) {
        if (button == play::TMouseBtn::Left)
            a = ClearSelection();
        if (button == play::TMouseBtn::Left && LidVisible() && LidRect().contains(at))
            return PressLid(at);
        // The corner plate stands in the window's corner, under the pieces.
        if (HasGame() && play::OnCornerPlate(at, m_view.Window())) {
            a.ShowRecords = true;
            return a;
        }
        // The left button on an empty spot of the table pans it; the middle
        // button drags pieces, as it always did.
        if (button == play::TMouseBtn::Left) {
            m_view.BeginPan(QPointF(at));
            m_panButton = button;
            return a;
        }
    }
    a = PressPiece(button, p);
    NoteClickPick(button);
    return a;
}

TAnswer TGame::PressPiece(play::TMouseBtn button, QPoint p)
{
    const bool busy = m_board.Dragging;
    const play::TTableState before = busy ? play::TTableState() : play::TakeTable(m_board);
    const play::TPlayResult r = play::Press(m_board, button, p.x(), p.y());
    if (!busy && m_board.Dragging)
        m_beforeMove = before; // kept once the drop shows what the drag did
    else if (!busy && (r.StartAniTimer || !(play::TakeTable(m_board) == before)))
        m_undo.Record(before); // a turn (a selection's is done at once) never joins
    return Settled(r);
}

TAnswer TGame::DropPieces(QDate today)
{
    const bool dragging = m_board.Dragging;
    // The catch is measured on the screen.
    m_board.Catch = play::JoinTolerance(m_board.SizeIndex, m_view.Zoom(), m_switches.JoinPx);
    const play::TPlayResult r = play::Drop(m_board, m_view.Table().width(), m_view.Table().height());
    if (dragging)
        MoveDone(r.PlayJoinClick || r.PlayMilestone || r.Finished);
    return AfterDrop(r, today);
}

TAnswer TGame::PressLid(QPoint at)
{
    const QRect lid = LidRect();
    m_lidDragging = true;
    // By its bottom-right corner the lid is resized, anywhere else moved.
    m_lidResizing = at.x() > lid.right() - kLidCorner && at.y() > lid.bottom() - kLidCorner;
    m_lidGrab = m_lidResizing ? lid.bottomRight() - at : at - lid.topLeft();
    return {};
}

TAnswer TGame::MoveTo(QPoint at)
{
    TAnswer a;
    m_pointer = at;
    a.Lid = m_lens && LidVisible(); // the lens follows the pointer
    if (m_lidDragging && m_lidResizing) {
        m_switches.LidW = at.x() + m_lidGrab.x() - LidRect().left() + 1;
        a.Lid = true;
        return a;
    }
    if (m_lidDragging) {
        const QPoint corner = at - m_lidGrab;
        m_switches.LidX = corner.x();
        m_switches.LidY = corner.y();
        a.Lid = true;
        return a;
    }
    if (m_view.Panning()) {
        a.Redraw = m_view.PanTo(QPointF(at));
        return a;
    }
    if (HandHolding())
        return a;
    const QPoint p = BoardPoint(at);
    if (m_banding) {
        m_bandTo = p;
        m_board.Band = Band();
        a.Redraw = true;
        return a;
    }
    a.Redraw = play::DragTo(m_board, p.x(), p.y()).Redraw;
    if (m_board.Dragging && !play::EdgeScrollStep(m_view.Window(), QPointF(at)).isNull())
        a.AniTimer = TTimer::Start; // near the edge: the table scrolls on its ticks
    return a;
}

TAnswer TGame::Release(play::TMouseBtn button, QPoint at, QDate today)
{
    TAnswer a;
    if (m_lidDragging) {
        if (button != play::TMouseBtn::Left)
            return a;
        m_lidDragging = false;
        if (m_lidResizing)
            m_switches.LidW = LidRect().width(); // as large as the table lets it be
        m_lidResizing = false;
        const QPoint corner = LidRect().topLeft(); // where it stands, kept on the table
        m_switches.LidX = corner.x();
        m_switches.LidY = corner.y();
        QString error;
        if (!TSettingsFile().WriteLid(m_switches.LidShown, corner.x(), corner.y(), m_switches.LidW, &error))
            a.Messages << error;
        a.Lid = true;
        return a;
    }
    if (m_view.Panning()) {
        if (button == m_panButton)
            m_view.EndPan();
        return a;
    }
    if (m_banding)
        return button == play::TMouseBtn::Left ? EndBand() : a;
    if (HandHolding() || ClickHoldRelease())
        return a; // the piece stays in hand
    m_pointer = at;
    return DropPieces(today);
}

TAnswer TGame::AfterDrop(const play::TPlayResult &r, QDate today)
{
    TAnswer a;
    a.JoinClick = r.PlayJoinClick;
    a.Milestone = r.PlayMilestone;
    if (r.Finished) {
        // The board is already in its finished state: the clock stops, the
        // fade starts, the music gives way to the flourish.
        a.ClockTimer = TTimer::Stop;
        a.AniTimer = TTimer::Start;
        a.Finish = true;
        RecordFinish(a, today);
    }
    if (r.Redraw) {
        Changed(a);
        a.Redraw = a.Progress = true;
    }
    return AtOnce(a);
}

TAnswer TGame::Wheel(int steps, QPointF at)
{
    TAnswer a;
    a.Redraw = m_view.ZoomAbout(steps, at);
    return a;
}

TAnswer TGame::ZoomHome()
{
    m_view.Home();
    TAnswer a;
    a.Redraw = true;
    return a;
}

TAnswer TGame::ZoomAboutCentre(int steps)
{
    TAnswer a;
    a.Redraw = m_view.ZoomAboutCentre(steps);
    return a;
}

// What a step of the rules asks of the timers and the frame.
TAnswer TGame::Settled(const play::TPlayResult &r)
{
    TAnswer a;
    if (r.StartAniTimer)
        a.AniTimer = TTimer::Start;
    if (r.StopAniTimer)
        a.AniTimer = TTimer::Stop;
    a.Redraw = r.Redraw;
    return AtOnce(a);
}

// ---- keys ----

TAnswer TGame::Key(int key, bool *taken)
{
    *taken = true;
    if (key == Qt::Key_F3 || key == Qt::Key_Pause)
        return SetPaused(!m_board.Paused);
    if (m_board.Paused)
        return SetPaused(false); // any key goes on with the game
    if (key == Qt::Key_Escape)
        return m_board.Dragging ? Settled(play::CancelDrag(m_board)) : ClearSelection();
    if (key == Qt::Key_R || key == Qt::Key_Space)
        return Settled(play::TurnDragged(m_board));
    if (key == Qt::Key_Home)
        return FitView();
    if (key == Qt::Key_Z)
        return ToggleCloseUp();
    if (key == Qt::Key_H)
        return Hint();
    if (key == Qt::Key_Shift) {
        *taken = false; // a modifier of other keys as well
        return SetLens(true);
    }
    *taken = false;
    return {};
}

// ---- the timers ----

TAnswer TGame::TickClock(bool windowOnScreen)
{
    TAnswer a;
    if (!play::TickClock(m_board, windowOnScreen))
        return a;
    m_resumeChanged = true;
    a.Clock = true;
    return a;
}

TAnswer TGame::TickAnimation()
{
    // The timer also carries a spread's glide, the edge scroll of a drag
    // and the hint's pulse; the turn and the fade only tick while they run.
    TAnswer a;
    bool busy = false;
    if (m_glide.Running()) {
        a.Redraw = true;
        busy = m_glide.Tick(m_board);
    }
    const bool turning = m_board.AniTurning && m_board.TurnPiece >= 0;
    const bool fading = !m_board.AniTurning && m_board.ShowFinished && m_board.PiecesVisible;
    if (turning || fading) {
        a |= Settled(play::TickAnimation(m_board));
        if (a.Redraw)
            Changed(a);
        busy = busy || a.AniTimer != TTimer::Stop;
    }
    if (EdgeScrollTick())
        a.Redraw = busy = true;
    if (play::TickHint(m_board)) {
        a.Redraw = true;
        busy = busy || m_board.HintPiece >= 0;
    }
    a.AniTimer = busy ? TTimer::Keep : TTimer::Stop;
    return a;
}

} // namespace game
