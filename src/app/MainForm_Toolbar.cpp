#include "app/MainForm.h"

void TMainForm::CreateToolbar() {}
