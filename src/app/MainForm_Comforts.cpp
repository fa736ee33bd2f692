// The comforts of play, wired: the pause, box-lid and edge switches, the
// progress label, the records (kept at the finish, shown from the corner
// plate), the game to resume, and the keys.  The rules live in play/ and
// persist/; here they meet the window's timers, widgets and files.
#include <QFileInfo>
#include <QKeyEvent>
#include <QShortcut>

#include "app/DrawPanel.h"
#include "app/MainForm.h"
#include "base/FileName.h"
#include "persist/Records.h"
#include "persist/Resume.h"
#include "persist/Settings.h"
#include "play/DragKeys.h"
#include "play/GameState.h"
#include "play/HitTest.h"
#include "play/Pause.h"
#include "play/Progress.h"
#include "ui/LidPanel.h"
#include "ui/MySpeedButton.h"
#include "ui/PlayToolbar.h"
#include "ui/RecordsFrm.h"

namespace {

constexpr int kResumeInterval = 60 * 1000;

// The corner plate, drawn at the table's bottom-right corner.
bool OnCornerPlate(int x, int y, int w, int h) { return x >= w - 256 && x < w && y >= h - 64 && y < h; }

TRecordTable TableOf(const Board &b)
{
    return {RecordPicture(b.PictureFile, b.OwnImage), b.SizeIndex, b.RotateEnabled};
}

} // namespace

void TMainForm::CreateComforts()
{
    TMySpeedButton **buttons[PlayButtonCount] = {&PauseBtn, &LidBtn, &EdgeBtn};
    void (TMainForm::*handlers[PlayButtonCount])() = {&TMainForm::PauseBtnClick, &TMainForm::LidBtnClick,
                                                      &TMainForm::EdgeBtnClick};
    for (int i = 0; i < PlayButtonCount; ++i) {
        *buttons[i] = MakeToolbarButton(Panel1, PlayButtons[i]);
        connect(*buttons[i], &TMySpeedButton::clicked, this, handlers[i]);
    }
    ProgressLab = MakeProgressLabel(Panel1);

    auto key = [this](const QKeySequence &seq, auto slot) {
        auto *s = new QShortcut(seq, this);
        connect(s, &QShortcut::activated, this, slot);
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_N), [this] { NewGameBtnClick(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { LoadBtnClick(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_S), [this] {
        if (SaveBtn && SaveBtn->isEnabled())
            SaveBtnClick();
    });
    key(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
    key(QKeySequence(Qt::Key_F11), [this] { ToggleFullScreen(); });

    if (DrawPanel && DrawPanel->parentWidget()) {
        LidPanel = new TLidPanel(DrawPanel);
        connect(LidPanel, &TLidPanel::moved, this, [this](QPoint corner) {
            LidCorner = corner;
            TSettingsFile().WriteLid(LidBtn->Down(), corner.x(), corner.y());
        });
    }
    RecordsFrm = new TRecordsFrm(this);

    ResumeTimer.setInterval(kResumeInterval);
    connect(&ResumeTimer, &QTimer::timeout, this, &TMainForm::ResumeTimerTimer);
    ResumeTimer.start();
}

// ---- pause ----

void TMainForm::PauseBtnClick() { SetPaused(PauseBtn->Down()); }

void TMainForm::SetPaused(bool on)
{
    const bool changed = on ? play::Pause(board) : play::Resume(board);
    if (PauseBtn)
        PauseBtn->setDown(board.Paused);
    if (changed)
        Draw();
}

// ---- the box lid ----

void TMainForm::LidBtnClick()
{
    PlaceLid();
    QString error;
    if (!TSettingsFile().WriteLid(LidBtn->Down(), LidCorner.x(), LidCorner.y(), &error))
        ShowMessage(error);
}

void TMainForm::PlaceLid()
{
    if (!LidPanel)
        return;
    LidPanel->SetPicture(board.PictureBmp);
    LidPanel->Place(LidCorner, DrawPanel->size());
    LidPanel->setVisible(LidBtn && LidBtn->Down() && !board.PictureBmp.isNull());
}

// ---- edge pieces ----

void TMainForm::EdgeBtnClick()
{
    board.EdgeOnly = EdgeBtn->Down();
    Draw();
}

// ---- progress, records ----

void TMainForm::ShowProgress()
{
    if (ProgressLab)
        ProgressLab->setText(play::ProgressText(board));
}

void TMainForm::RecordFinish()
{
    QString error;
    board.NewRecord = TRecordsFile().AddFinish(TableOf(board), {board.GameTime, QDate::currentDate()}, &error);
    TResumeFile().Retire();
    // Told once the drop is over, so the finished picture is already fading in.
    if (!error.isEmpty())
        QTimer::singleShot(0, this, [this, error] { ShowMessage(error); });
}

void TMainForm::ShowRecords()
{
    if (!RecordsFrm)
        return;
    const QString picture = board.PictureFile.isEmpty() ? QString() : TableOf(board).Picture;
    RecordsFrm->SetRecords(DisplayFileName(QFileInfo(board.PictureFile).fileName()),
                           picture.isEmpty() ? std::vector<TRecordList>() : TRecordsFile().ReadPicture(picture));
    RecordsFrm->exec();
}

bool TMainForm::ComfortPress(int wx, int wy)
{
    if (board.Paused) {
        SetPaused(false);
        return true;
    }
    // The corner plate stands in the window's corner, under the pieces.
    const QPoint at = BoardPoint(wx, wy);
    if (!board.Dragging && play::PieceAt(board, at.x(), at.y()) < 0 && DrawPanel &&
        OnCornerPlate(wx, wy, DrawPanel->width(), DrawPanel->height())) {
        ShowRecords();
        return true;
    }
    return false;
}

// ---- the game on the table, kept to resume ----

void TMainForm::GameReplaced()
{
    SetPaused(false);
    board.NewRecord = false;
    ResumeChanged = true;
    ShowProgress();
    PlaceLid();
}

void TMainForm::NoteChange() { ResumeChanged = true; }

void TMainForm::ResumeTimerTimer()
{
    if (!ResumeChanged || !play::GameInPlay(board))
        return;
    ResumeChanged = false;
    TResumeFile().Write(board, board.PictureFile);
}

void TMainForm::KeepResume()
{
    play::CancelDrag(board);
    QString error;
    if (!play::GameInPlay(board))
        TResumeFile().Retire();
    else if (!TResumeFile().Write(board, board.PictureFile, &error))
        ShowMessage(QStringLiteral("Игра на столе не сохранится до следующего запуска.\n\n") + error);
}

bool TMainForm::RestoreResume()
{
    const TResumeFile file;
    TSavedGame g;
    if (!file.Read(board, g))
        return false;
    if (LoadGame(file.Path(), true))
        return true;
    file.MoveAside();
    return false;
}

// ---- keys ----

bool TMainForm::ComfortKey(int key)
{
    if (key == Qt::Key_F3 || key == Qt::Key_Pause) {
        SetPaused(!board.Paused);
        return true;
    }
    if (board.Paused) {
        SetPaused(false); // any key goes on with the game
        return true;
    }
    play::TPlayResult r;
    if (key == Qt::Key_Escape)
        r = play::CancelDrag(board);
    else if (key == Qt::Key_R || key == Qt::Key_Space)
        r = play::TurnDragged(board);
    else
        return false;
    if (r.StartAniTimer)
        AniTimer.start();
    if (r.Redraw)
        Draw();
    return true;
}

void TMainForm::keyPressEvent(QKeyEvent *e)
{
    if (!e->isAutoRepeat() && ComfortKey(e->key()))
        e->accept();
    else
        QWidget::keyPressEvent(e);
}

void TMainForm::ToggleFullScreen()
{
    if (isFullScreen()) {
        if (WasMaximized)
            showMaximized();
        else
            showNormal();
        return;
    }
    WasMaximized = isMaximized();
    showFullScreen();
}
