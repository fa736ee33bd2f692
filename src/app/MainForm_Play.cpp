// The table's mouse events, the four game timers and the new game's layout:
// each handler hands the board to the rules of play and then does what they
// report (redraw, sounds, timers).
#include "app/MainForm.h"

#include <QScreen>
#include <QTimer>

#include "app/DrawPanel.h"
#include "app/ScreenFill.h"
#include "base/FileName.h"
#include "base/Random.h"
#include "persist/Resume.h"
#include "play/Animation.h"
#include "play/Clock.h"
#include "play/Drag.h"
#include "play/HitTest.h"
#include "play/Layout.h"
#include "play/Reach.h"
#include "ui/MySpeedButton.h"

namespace {

bool ToPlayButton(Qt::MouseButton button, play::TMouseBtn &out)
{
    switch (button) {
    case Qt::LeftButton: out = play::TMouseBtn::Left; return true;
    case Qt::RightButton: out = play::TMouseBtn::Right; return true;
    case Qt::MiddleButton: out = play::TMouseBtn::Middle; return true;
    default: return false;
    }
}

} // namespace

void TMainForm::DrawPanelMouseDown(Qt::MouseButton button, int wx, int wy)
{
    play::TMouseBtn btn;
    if (!ToPlayButton(button, btn) || ComfortPress(wx, wy))
        return;
    const QPoint at = BoardPoint(wx, wy);
    const int x = at.x(), y = at.y();
    // The left button on an empty spot of the table pans it; the middle
    // button drags pieces, as it always did.
    if (button == Qt::LeftButton && !board.Dragging && play::PieceAt(board, x, y) < 0) {
        View.BeginPan(QPointF(wx, wy));
        return;
    }
    const play::TPlayResult r = play::Press(board, btn, x, y);
    if (r.StartAniTimer)
        AniTimer.start();
    if (r.Redraw)
        Draw();
}

void TMainForm::DrawPanelMouseMove(int wx, int wy)
{
    if (View.Panning()) {
        if (View.PanTo(QPointF(wx, wy)))
            Draw();
        return;
    }
    const QPoint at = BoardPoint(wx, wy);
    if (play::DragTo(board, at.x(), at.y()).Redraw)
        Draw();
}

void TMainForm::DrawPanelMouseUp(Qt::MouseButton, int, int)
{
    if (View.Panning()) {
        View.EndPan();
        return;
    }
    const play::TPlayResult r = play::Drop(board, TableWidth(), TableHeight());
    if (r.PlayJoinClick)
        PlayWave(0);
    if (r.PlayMilestone)
        PlayMilestone();
    if (r.Finished) {
        // The board is already in its finished state; the window stops the
        // clock, starts the fade and plays the flourish.
        Timer2.stop();
        AniTimer.start();
        StopMusicForFinish();
        PlayWave(2);
        RecordFinish();
    }
    if (r.Redraw) {
        NoteChange();
        ShowProgress();
        Draw();
    }
}

void TMainForm::Timer1Timer()
{
    Timer1.stop();
    PlayStartupSound();
    LoadCommandLineGame();
}

// The game named on the command line, or without one the game left
// unfinished last time, is laid on the table the window plays at: a load
// brings pieces beyond the table's edges within reach, so it waits while the
// window is still growing to fill the screen (a few seconds at most, for a
// window manager that never maximizes).
void TMainForm::LoadCommandLineGame()
{
    const int kWaitMs = 100, kMaxWaits = 30;
    if (!TableAtFinalSize() && ++CommandLineWaits < kMaxWaits) {
        QTimer::singleShot(kWaitMs, this, &TMainForm::LoadCommandLineGame);
        return;
    }
    const QString path = CommandLineGame;
    CommandLineGame.clear();
    if (path.isEmpty())
        RestoreResume();
    else if (IsRegularFile(path))
        LoadGame(path);
}

bool TMainForm::TableAtFinalSize() const
{
    if (ReSizeTimer.isActive()) // a change of size not yet taken in
        return false;
    const QScreen *s = screen();
    return !s || !StillGrowingToScreen(isMaximized(), frameGeometry().size(), s->availableGeometry().size());
}

void TMainForm::Timer2Timer()
{
    if (!play::TickClock(board, isVisible() && !isMinimized()))
        return;
    NoteChange();
    if (TimeLab)
        TimeLab->setText(FormatGameTime(board.GameTime));
}

void TMainForm::AniTimerTimer()
{
    const play::TPlayResult r = play::TickAnimation(board);
    if (r.StopAniTimer)
        AniTimer.stop();
    if (r.Redraw) {
        NoteChange();
        Draw();
    }
}

bool TMainForm::NewGame()
{
    OpenTable();
    const bool edgeLayout = RoundPlaceBtn && RoundPlaceBtn->Down();
    const bool made = play::NewGame(board, GameRandom(), TableWidth(), TableHeight(), edgeLayout,
                                    [this] { return CreateJigsy(); });
    // A fade or turn of the last game must not run on into the new one.
    if (made) {
        AniTimer.stop();
        GameReplaced();
        TResumeFile().Retire(); // a new game: the old one is not resumed
    }
    return made;
}

void TMainForm::AutoRoundJigsy()
{
    play::AutoRoundJigsy(board, GameRandom(), TableWidth(), TableHeight());
}

int TMainForm::TableWidth() const { return View.Table().width(); }
int TMainForm::TableHeight() const { return View.Table().height(); }

void TMainForm::KeepPiecesOnTable()
{
    play::KeepPiecesOnTable(board, TableWidth(), TableHeight());
}
