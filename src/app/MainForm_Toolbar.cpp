// The window's toolbar and keys: the buttons made and wired, the shortcuts,
// and the switches shown as the game has them.
#include <QShortcut>

#include "app/MainForm.h"
#include "ui/MainToolbar.h"
#include "ui/MySpeedButton.h"
#include "ui/PlayToolbar.h"

namespace {

void SetDown(TMySpeedButton *b, bool down)
{
    if (b)
        b->setDown(down); // from code: the handler does not run
}

} // namespace

void TMainForm::CreateToolbar()
{
    PaintToolbarPanel(Panel1);
    TMySpeedButton **buttons[ToolbarButtonCount] = {&NewGameBtn, &LoadBtn,  &SaveBtn, &RoundPlaceBtn, &MusicBtn,
                                                    &Eff3dBtn,   &ShadowBtn, &BgBtn,  &ChMusBtn};
    for (int i = 0; i < ToolbarButtonCount; ++i)
        *buttons[i] = MakeToolbarButton(Panel1, ToolbarButtons[i]);
    TimeLab = MakeClockLabel(Panel1, ToolbarButtonsEnd());
    TMySpeedButton **comforts[PlayButtonCount] = {&PauseBtn, &LidBtn, &EdgeBtn, &HideBtn};
    for (int i = 0; i < PlayButtonCount; ++i)
        *comforts[i] = MakeToolbarButton(Panel1, PlayButtons[i]);
    ProgressLab = MakeProgressLabel(Panel1);
    ZoomLab = MakeZoomLabel(Panel1);
    ArrangeToolbar(Panel1, width(), {ProgressLab, ZoomLab, TimeLab});

    auto wire = [this](TMySpeedButton *b, auto handler) { connect(b, &TMySpeedButton::clicked, this, handler); };
    wire(NewGameBtn, &TMainForm::NewGameBtnClick);
    wire(LoadBtn, &TMainForm::LoadBtnClick);
    wire(SaveBtn, &TMainForm::SaveBtnClick);
    wire(RoundPlaceBtn, [this] { SwitchClick(RoundPlaceBtn, TSwitch::RoundPlace); });
    wire(MusicBtn, [this] { SwitchClick(MusicBtn, TSwitch::PlayMusic); });
    wire(Eff3dBtn, [this] { SwitchClick(Eff3dBtn, TSwitch::Eff3D); });
    wire(ShadowBtn, [this] { SwitchClick(ShadowBtn, TSwitch::Shadow); });
    wire(BgBtn, &TMainForm::BgBtnClick);
    wire(ChMusBtn, &TMainForm::ChMusBtnClick);
    wire(PauseBtn, &TMainForm::PauseBtnClick);
    wire(LidBtn, &TMainForm::LidBtnClick);
    wire(EdgeBtn, &TMainForm::EdgeBtnClick);
    wire(HideBtn, [this] { Act(Game->SetHideAssembled(HideBtn->Down())); });
}

void TMainForm::CreateKeys()
{
    const auto key = [this](const QKeySequence &seq, auto slot) {
        auto *s = new QShortcut(seq, this);
        connect(s, &QShortcut::activated, this, slot);
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_N), [this] { NewGameBtnClick(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { LoadBtnClick(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_S), [this] {
        if (SaveBtn->isEnabled())
            SaveBtnClick();
    });
    key(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
    key(QKeySequence(Qt::Key_F11), [this] { ToggleFullScreen(); });
    key(QKeySequence(Qt::Key_F1), [this] { ShowKeys(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { Act(Game->ZoomHome()); });
    // Plus is a shifted key on most keyboards: Ctrl+= does the same.
    key(QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { Act(Game->ZoomAboutCentre(1)); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { Act(Game->ZoomAboutCentre(1)); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { Act(Game->ZoomAboutCentre(-1)); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { Act(Game->Undo()); });
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { Act(Game->Redo()); });
}

void TMainForm::ShowButtons()
{
    const TStartSettings &s = Game->Switches();
    SetDown(RoundPlaceBtn, s.RoundPlace);
    SetDown(ShadowBtn, s.ShadowOn);
    SetDown(MusicBtn, s.PlayMusic);
    SetDown(Eff3dBtn, s.Eff3DOn);
    SetDown(PauseBtn, Game->Paused());
    SetDown(LidBtn, Game->LidShown());
    SetDown(EdgeBtn, Game->EdgeOnly());
    SetDown(HideBtn, Game->HideAssembled());
    SaveBtn->setEnabled(Game->CanSave());
    ShowAccess();
}
