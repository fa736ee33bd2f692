#include "app/MainForm.h"

#include "ui/MainToolbar.h"
#include "ui/MySpeedButton.h"

void TMainForm::CreateToolbar()
{
    PaintToolbarPanel(Panel1);
    TMySpeedButton **buttons[ToolbarButtonCount] = {&NewGameBtn, &LoadBtn,  &SaveBtn, &RoundPlaceBtn, &MusicBtn,
                                                  &Eff3dBtn,   &ShadowBtn, &BgBtn,  &ChMusBtn};
    for (int i = 0; i < ToolbarButtonCount; ++i)
        *buttons[i] = MakeToolbarButton(Panel1, ToolbarButtons[i]);
    TimeLab = MakeClockLabel(Panel1);
}
