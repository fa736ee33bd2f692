#include "app/MainForm.h"

void TMainForm::SaveBtnClick() {}
void TMainForm::LoadBtnClick() {}
bool TMainForm::LoadGame(const QString &) { return false; }
