#include "app/MainForm.h"

void TMainForm::LoadBG() {}
void TMainForm::SetBgBmp(bool, const QString &) {}
void TMainForm::BgBtnClick() {}
