#include "app/MainForm.h"

void TMainForm::NewGameBtnClick() {}
