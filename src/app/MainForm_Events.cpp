// The window's events, each handed to the game as its move: the table's
// mouse and wheel, the keys, the timers, the toolbar's buttons and the
// dialogs the buttons open; and the table's background.
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include "app/DrawPanel.h"
#include "app/MainForm.h"
#include "app/ScreenFill.h"
#include "base/ProgramFiles.h"
#include "base/Random.h"
#include "gl/BackgroundTexture.h"
#include "gl/TableFrames.h"
#include "persist/Background.h"
#include "persist/GameFolder.h"
#include "persist/StartedGames.h"
#include "sound/SoundRules.h"
#include "ui/BGChangeFrm.h"
#include "ui/BrowseFrm.h"
#include "ui/MySpeedButton.h"
#include "ui/NewGameFrm.h"
#include "ui/RecordsFrm.h"

namespace {

const QString kSaveFilter = QStringLiteral("VardelJigsySave (*.jgy)");

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

// ---- the table ----

void TMainForm::DrawPanelMouseDown(Qt::MouseButton button, int x, int y)
{
    play::TMouseBtn btn;
    if (!SortingPress(button, x, y) && ToPlayButton(button, btn))
        Act(Game->Press(btn, QPoint(x, y)));
}

void TMainForm::DrawPanelMouseMove(int x, int y)
{
    Act(Game->MoveTo(QPoint(x, y)));
    ShowTrayUnderDrag(x, y);
}

void TMainForm::DrawPanelMouseUp(Qt::MouseButton button, int x, int y)
{
    play::TMouseBtn btn;
    if (ToPlayButton(button, btn) && !ReleaseOverTray(x, y))
        Act(Game->Release(btn, QPoint(x, y), QDate::currentDate()));
}

void TMainForm::DrawPanelWheel(int steps, double x, double y) { Act(Game->Wheel(steps, QPointF(x, y))); }

void TMainForm::keyPressEvent(QKeyEvent *e)
{
    bool taken = false;
    if (!e->isAutoRepeat() && e->modifiers() == Qt::NoModifier && TrayKey(e->key())) {
        e->accept();
        return;
    }
    game::TKeyPress k;
    k.Key = e->key();
    k.Shift = e->modifiers() & Qt::ShiftModifier;
    k.Ctrl = e->modifiers() & Qt::ControlModifier;
    k.Repeat = e->isAutoRepeat();
    Act(Game->PlayKey(k, QDate::currentDate(), &taken));
    if (taken)
        e->accept();
    else
        QWidget::keyPressEvent(e);
}

void TMainForm::keyReleaseEvent(QKeyEvent *e)
{
    if (!e->isAutoRepeat())
        Act(Game->KeyUp(e->key()));
    QWidget::keyReleaseEvent(e);
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

// ---- the timers ----

void TMainForm::Timer1Timer()
{
    Timer1.stop();
    if (Game->Switches().PlayMusic)
        PlayFile(StartupSoundFile(), Player.get());
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
    TellTableSize();
    Act(Game->StartUp(path));
}

bool TMainForm::TableAtFinalSize() const
{
    if (ReSizeTimer.isActive()) // a change of size not yet taken in
        return false;
    const QScreen *s = screen();
    return !s || !StillGrowingToScreen(isMaximized(), frameGeometry().size(), s->availableGeometry().size());
}

void TMainForm::Timer2Timer() { Act(Game->TickClock(isVisible() && !isMinimized())); }

void TMainForm::AniTimerTimer() { Act(Game->TickAnimation()); }

void TMainForm::PlayerTimerTimer() { RepeatAtEnd(Game->Switches().PlayMusic, MusicList, Player.get()); }

// ---- games ----

void TMainForm::NewGameBtnClick()
{
    Game->NewGameAsked();
    if (!BrowseFrm || !NewGameFrm || BrowseFrm->exec() != 1)
        return;
    game::TNewGameChoice choice;
    choice.File = BrowseFrm->ChosenFile;
    choice.Installed = BrowseFrm->SelfImg;
    const QString problem = Game->PictureProblem(choice.File);
    if (!problem.isEmpty()) {
        ShowMessage(problem);
        return;
    }
    // 2 is cancel; else 2 + the chosen cut.  Cancelling changes nothing.
    const int result = NewGameFrm->exec();
    if (!ValidSizeIndex(result - 2))
        return;
    choice.SizeIndex = result - 2;
    choice.RotateEnabled = NewGameFrm->CheckBox1->isChecked();
    TellTableSize();
    Act(Game->NewGame(choice));
}

void TMainForm::OpenHandedGame(const QString &file)
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    if (file.isEmpty())
        return;
    TellTableSize();
    Act(Game->LoadGame(file));
}

void TMainForm::LoadBtnClick()
{
    const QString folder =
        GameDialogFolder(TSettingsFile().ReadLastGameFolder(), DefaultGameFolder(), false);
    QFileDialog dialog(this, QString(), folder, kSaveFilter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // The games begun and left for another are a click away.
    const TStartedGames started;
    if (QFileInfo(started.Folder()).isDir())
        dialog.setSidebarUrls(dialog.sidebarUrls() << QUrl::fromLocalFile(started.Folder()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    TellTableSize();
    Act(Game->LoadGame(path));
}

void TMainForm::SaveBtnClick()
{
    bool made = false;
    const QString folder =
        GameDialogFolder(TSettingsFile().ReadLastGameFolder(), DefaultGameFolder(), true, &made);
    QString path = QFileDialog::getSaveFileName(this, QString(), folder + QStringLiteral("/JigsySave"), kSaveFilter,
                                                nullptr, QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".jgy");
    if (!path.isEmpty() && QFileInfo::exists(path)
        && QMessageBox::question(this, QStringLiteral("Файл уже существует!"), QStringLiteral("Перезаписать файл?"),
                                 QMessageBox::Yes | QMessageBox::No)
               != QMessageBox::Yes)
        path.clear();
    if (!path.isEmpty())
        Act(Game->SaveGame(path));
    // The games folder made for the dialog goes again when nothing went into it.
    if (made)
        QDir().rmdir(folder);
}

// ---- the background ----

void TMainForm::LoadBG()
{
    for (TBackground &b : LoadBackgrounds(ProgramFile(QStringLiteral("BackGr")))) {
        TMyImageListItem &item = bg.Add();
        item.Caption = b.Name;
        item.SetPicture(b.Picture);
    }
}

void TMainForm::SetBgBmp(bool fromFile, const QString &fileName)
{
    // A file that is gone or cannot be decoded gives way to installed
    // background BgIndex; start-up goes on either way.
    TPicture pic;
    const bool fileUsable = fromFile && LoadBackgroundPicture(fileName, pic) && BackgroundFitsCard(pic);
    ApplyBackground(TextureList, Game->Scene(), bg, fileUsable ? &pic : nullptr);
    Frames->Invalidate(); // the same texture may hold another picture now
}

// ---- the switches ----

void TMainForm::SwitchClick(TMySpeedButton *btn, TSwitch which) { Act(Game->SetSwitch(which, btn->Down())); }

void TMainForm::PauseBtnClick() { Act(Game->SetPaused(PauseBtn->Down())); }

void TMainForm::LidBtnClick() { Act(Game->SetLidShown(LidBtn->Down())); }

void TMainForm::EdgeBtnClick() { Act(Game->SetEdgeOnly(EdgeBtn->Down())); }

void TMainForm::ChMusBtnClick()
{
    const QString hint = ChangeTrack(MusicList, Game->Switches().PlayMusic, Player.get(), GameRandom());
    if (!hint.isNull())
        ChMusBtn->setToolTip(hint);
}

void TMainForm::BgBtnClick()
{
    if (!BGChangeFrm)
        return;
    BGChangeFrm->Bind(&bg, Game->board().BgIndex);
    if (BGChangeFrm->exec() != QDialog::Accepted)
        return;
    const bool fromFile = BGChangeFrm->FromFile;
    TPicture pic;
    if (fromFile && (!LoadBackgroundPicture(BGChangeFrm->BgFile, pic) || !BackgroundFitsCard(pic))) {
        // A picture that cannot be read changes nothing, settings included.
        ShowMessage(BadPictureText());
        return;
    }
    const game::TAnswer a = Game->SetBackground(uint8_t(BGChangeFrm->ChosenIndex), fromFile, BGChangeFrm->BgFile);
    ApplyBackground(TextureList, Game->Scene(), bg, fromFile ? &pic : nullptr);
    Frames->Invalidate();
    Act(a);
}

void TMainForm::ShowRecords()
{
    const game::TRecordsView v = Game->Records();
    RecordsFrm->SetRecords(v.Title, v.Lists);
    RecordsFrm->exec();
}

void TMainForm::OfferHintJump()
{
    if (QMessageBox::question(this, QStringLiteral("Подсказка"),
                              QStringLiteral("Подходящий кусочек лежит за краем окна. Показать его?"),
                              QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes)
        Act(Game->JumpToHint());
}
