#include "app/MainForm.h"

bool TMainForm::Setimg(const QString &) { return false; }
bool TMainForm::CreateJigsy() { return false; }
