// Settings.ini and the four toolbar switches.
#include "app/MainForm.h"

#include "persist/Settings.h"
#include "persist/sound/Sound.h"
#include "persist/sound/SoundRules.h"
#include "ui/MySpeedButton.h"

namespace {
bool IsDown(const TMySpeedButton *b) { return b && b->Down(); }
void SetDown(TMySpeedButton *b, bool down)
{
    if (b)
        b->setDown(down); // from code: the handler does not run
}
} // namespace

void TMainForm::ReadSettings()
{
    const TSettingsFile file;
    if (!file.Kept())
        NoteMissing(SettingsNotKeptText(file.Path()));
    const TStartSettings s = file.Read(IsDown(RoundPlaceBtn));
    board.ShadowOn = s.ShadowOn;
    board.PlayMusic = s.PlayMusic;
    board.Eff3DOn = s.Eff3DOn;
    board.BgIndex = s.BgIndex;
    board.BgDrawStretch = s.BgDrawStretch;
    StartBgFromFile = s.BgFromFile;
    StartBgFileName = s.BgFileName;
    SetDown(RoundPlaceBtn, s.RoundPlace);
    SetDown(ShadowBtn, board.ShadowOn);
    SetDown(MusicBtn, board.PlayMusic);
    SetDown(Eff3dBtn, board.Eff3DOn);
    SetDown(LidBtn, s.LidShown);
    LidCorner = QPoint(s.LidX, s.LidY);
}

namespace {
// Runs a switch and shows a write failure after the switch's own work.
void RunSwitch(TMainForm *form, TMySpeedButton *btn, bool *variable, const std::function<void()> &work,
               TSwitch which)
{
    const QString error = ApplySwitch(IsDown(btn), variable, work, TSettingsFile(), which);
    if (!error.isEmpty())
        form->ShowMessage(error);
}
} // namespace

void TMainForm::RoundPlaceBtnClick()
{
    // The button's state is the setting; the next new game reads it.
    RunSwitch(this, RoundPlaceBtn, nullptr, nullptr, TSwitch::RoundPlace);
}

void TMainForm::MusicBtnClick()
{
    RunSwitch(this, MusicBtn, &board.PlayMusic, [this] {
        if (board.PlayMusic)
            ChMusBtnClick();
        else
            StopMusic(Player.get());
    }, TSwitch::PlayMusic);
}

void TMainForm::Eff3dBtnClick()
{
    // Baked into the pieces when a picture is cut: shows from the next game.
    RunSwitch(this, Eff3dBtn, &board.Eff3DOn, nullptr, TSwitch::Eff3D);
}

void TMainForm::ShadowBtnClick()
{
    // The next frame shows or omits the shadows.
    RunSwitch(this, ShadowBtn, &board.ShadowOn, nullptr, TSwitch::Shadow);
}
