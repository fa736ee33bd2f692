// The comforts of play: pause, the box lid, the edge filter, the toolbar
// switches, the records, and the game kept for the next start.
#include <QFileInfo>

#include "game/Game.h"
#include "persist/DesktopMotion.h"
#include "persist/Resume.h"
#include "play/DragKeys.h"
#include "play/GameState.h"
#include "play/LidGeometry.h"
#include "play/Pause.h"

namespace game {

// ---- pause ----

TAnswer TGame::SetPaused(bool on)
{
    TAnswer a;
    a.Buttons = true;
    if (on ? play::Pause(m_board) : play::Resume(m_board))
        a.Redraw = a.Lid = true;
    return a;
}

// ---- the box lid ----

bool TGame::LidVisible() const { return m_switches.LidShown && !m_board.PictureBmp.isNull() && !m_board.Paused; }

QRect TGame::LidRect() const
{
    const QSize window = m_view.Window();
    // The width the player gave it, else the game's at the interface's
    // scale; within the window.
    QSize size = LidSize(m_board.PictureBmp.size(), window, m_switches.LidW);
    if (m_switches.LidW < 0)
        size *= m_switches.UiScale / 100.0;
    if (size.width() > window.width() || size.height() > window.height())
        size = size.scaled(window, Qt::KeepAspectRatio);
    return QRect(LidPlace(LidCorner(), size, window), size);
}

TAnswer TGame::SetLidShown(bool on)
{
    m_switches.LidShown = on;
    m_lidDragging = false;
    TAnswer a;
    a.Lid = a.Buttons = true;
    QString error;
    if (!TSettingsFile().WriteLid(on, m_switches.LidX, m_switches.LidY, m_switches.LidW, &error))
        a.Messages << error;
    return a;
}

// ---- switches ----

void TGame::SetSwitches(const TStartSettings &s)
{
    m_switches = s;
    if (!s.MotionChosen)
        m_switches.Motion = DesktopMotion();
    m_board.BgIndex = s.BgIndex;
    m_board.EdgeOnly = s.EdgeOnly;
    m_board.HideAssembled = s.HideAssembled;
}

TAnswer TGame::SetEdgeOnly(bool on) { return SetSwitch(TSwitch::EdgeOnly, on); }

TAnswer TGame::SetSwitch(TSwitch which, bool down)
{
    TAnswer a;
    switch (which) {
    case TSwitch::RoundPlace: m_switches.RoundPlace = down; break; // the next new game reads it
    case TSwitch::PlayMusic:
        m_switches.PlayMusic = down;
        (down ? a.NewTrack : a.StopMusic) = true;
        break;
    case TSwitch::Eff3D: m_switches.Eff3DOn = down; break;   // baked in at the next cut
    case TSwitch::Shadow: m_switches.ShadowOn = down; break; // the next frame
    case TSwitch::EdgeOnly:
        m_switches.EdgeOnly = m_board.EdgeOnly = down;
        a.Redraw = a.Buttons = true;
        break;
    case TSwitch::ClickToPick: m_switches.ClickToPick = down; break; // the next press
    case TSwitch::GamePlayed: m_switches.GamePlayed = down; break;
    case TSwitch::HideAssembled:
        m_switches.HideAssembled = m_board.HideAssembled = down;
        a.Redraw = a.Buttons = true;
        break;
    }
    QString error;
    if (!TSettingsFile().WriteSwitch(which, down, &error))
        a.Messages << error;
    return a;
}

TAnswer TGame::SetBackground(uint8_t bgIndex, bool fromFile, const QString &file)
{
    if (!fromFile)
        m_board.BgIndex = m_switches.BgIndex = bgIndex;
    m_switches.BgFromFile = fromFile;
    m_switches.BgFileName = file;
    TAnswer a;
    a.Redraw = true;
    QString error;
    if (!TSettingsFile().WriteBackground(m_board.BgIndex, fromFile, m_switches.BgDrawStretch, file, &error))
        a.Messages << error;
    return a;
}

// ---- records ----

void TGame::RecordFinish(TAnswer &a, QDate today)
{
    QString error;
    const TRecordTable t =
        RecordTableOf(m_board.PictureFile, m_board.OwnImage, m_board.SizeIndex, m_board.RotateEnabled);
    m_board.NewRecord = TRecordsFile().AddFinish(t, {m_board.GameTime, today, m_board.HintsUsed}, &error);
    WaitForKeeping(); // a write under way must not bring the finished game back
    TResumeFile().Retire();
    if (!error.isEmpty())
        a.Messages << error;
}

TRecordsView TGame::Records() const
{
    TRecordsView v;
    if (m_board.PictureFile.isEmpty())
        return v;
    v.Title = RecordTitle(m_board.PictureFile, m_board.OwnImage);
    v.Lists = TRecordsFile().ReadPicture(RecordPicture(m_board.PictureFile, m_board.OwnImage));
    return v;
}

// ---- the game kept for the next start ----

void TGame::GameReplaced(TAnswer &a, bool keepEdgeFilter)
{
    a |= SetPaused(false);
    if (!keepEdgeFilter && m_board.EdgeOnly)
        a |= SetEdgeOnly(false); // a new game starts with every piece shown
    m_board.NewRecord = false;
    NoteGamePlayed(a);
    m_hand = THand();
    m_clickHold = m_clickDropNext = false;
    m_board.HintPiece = -1;
    m_undo.Clear(); // the moves of another game cannot be taken back
    Changed(a);
    m_canSave = true;
    a.Progress = a.Lid = a.Buttons = a.Clock = true;
}

void TGame::Changed(TAnswer &a)
{
    m_resumeChanged = true;
    a.KeepSoon = m_resumeMine;
}

TAnswer TGame::KeepForResume()
{
    TAnswer a;
    if (!m_resumeMine || !m_resumeChanged || !play::GameInPlay(m_board))
        return a;
    if (m_keeping.valid() && m_keeping.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        a.KeepSoon = true; // the last write is still under way: this one follows it
        return a;
    }
    m_resumeChanged = false;
    // Taken off the board here; the file is written while play goes on.
    const TResumeFile file;
    m_keeping = std::async(std::launch::async,
                           [file, g = SavedGameFromBoard(m_board, m_board.PictureFile)] { file.Write(g); });
    return a;
}

void TGame::WaitForKeeping()
{
    if (m_keeping.valid())
        m_keeping.wait();
}

// Only a finish or a game the player chose retires the kept game; any other
// end of a run (nothing on the table, a file that did not load, a close
// before the kept game came back) leaves it as it is.
TAnswer TGame::Close()
{
    play::CancelDrag(m_board);
    WaitForKeeping();
    TAnswer a;
    QString error;
    if (m_resumeMine && play::GameInPlay(m_board) && !TResumeFile().Write(m_board, m_board.PictureFile, &error))
        a.Messages << QStringLiteral("Игра на столе не сохранится до следующего запуска.\n\n") + error;
    return a;
}

} // namespace game
