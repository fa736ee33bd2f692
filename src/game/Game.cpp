// The moves of play: the mouse and keys on the table, the view, the clock
// and the animation.
#include "game/Game.h"

#include <Qt>

#include "play/Animation.h"
#include "play/Clock.h"
#include "play/CornerPlate.h"
#include "play/DragKeys.h"
#include "play/GameState.h"
#include "play/HitTest.h"
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
    m_view.SetWindow(window);
    m_view.SetTable(play::TableOnResize(m_board.SizeIndex, m_view.Table(), window));
    TAnswer a;
    a.Redraw = a.Lid = true;
    return a;
}

void TGame::OpenTable()
{
    const QSize window = m_view.Window();
    m_view.SetTable(play::TableSize(m_board.SizeIndex, window.width(), window.height()));
    m_view.FitTable();
}

// ---- the mouse ----

TAnswer TGame::Press(play::TMouseBtn button, QPoint at)
{
    TAnswer a;
    if (m_view.Panning() || m_lidDragging)
        return a; // one thing at a time: the pan or the lid ends first
    if (m_board.Paused)
        return SetPaused(false);
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
    return Settled(play::Press(m_board, button, p.x(), p.y()));
}

TAnswer TGame::PressLid(QPoint at)
{
    m_lidDragging = true;
    m_lidGrab = at - LidRect().topLeft();
    return {};
}

TAnswer TGame::MoveTo(QPoint at)
{
    TAnswer a;
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
    const QPoint p = BoardPoint(at);
    if (m_banding) {
        m_bandTo = p;
        m_board.Band = Band();
        a.Redraw = true;
        return a;
    }
    a.Redraw = play::DragTo(m_board, p.x(), p.y()).Redraw;
    return a;
}

TAnswer TGame::Release(play::TMouseBtn button, QPoint at, QDate today)
{
    TAnswer a;
    if (m_lidDragging) {
        if (button != play::TMouseBtn::Left)
            return a;
        m_lidDragging = false;
        const QPoint corner = LidRect().topLeft(); // where it stands, kept on the table
        m_switches.LidX = corner.x();
        m_switches.LidY = corner.y();
        QString error;
        if (!TSettingsFile().WriteLid(m_switches.LidShown, corner.x(), corner.y(), &error))
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
    const play::TPlayResult r = play::Drop(m_board, m_view.Table().width(), m_view.Table().height());
    return AfterDrop(r, today);
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
    return a;
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
    return a;
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
    if (m_glide.Running()) {
        TAnswer a;
        a.Redraw = true;
        if (!m_glide.Tick(m_board) && m_board.TurnPiece < 0 && !m_board.ShowFinished)
            a.AniTimer = TTimer::Stop;
        return a;
    }
    TAnswer a = Settled(play::TickAnimation(m_board));
    if (a.Redraw)
        Changed(a);
    return a;
}

} // namespace game
