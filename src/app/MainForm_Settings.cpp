#include "app/MainForm.h"

void TMainForm::ReadSettings() {}
void TMainForm::RoundPlaceBtnClick() {}
void TMainForm::MusicBtnClick() {}
void TMainForm::Eff3dBtnClick() {}
void TMainForm::ShadowBtnClick() {}
void TMainForm::WriteSettingBool(const QString &, bool) {}
