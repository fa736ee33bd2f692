#include "app/MainForm.h"

void TMainForm::DrawPanelMouseDown(Qt::MouseButton, int, int) {}
void TMainForm::DrawPanelMouseMove(int, int) {}
void TMainForm::DrawPanelMouseUp(Qt::MouseButton, int, int) {}
void TMainForm::Timer1Timer() {}
void TMainForm::Timer2Timer() {}
void TMainForm::DrawTimerTimer() {}
void TMainForm::AniTimerTimer() {}
void TMainForm::NewGame() {}
void TMainForm::AutoRoundJigsy() {}
int TMainForm::TableWidth() const { return 0; }
int TMainForm::TableHeight() const { return 0; }
void TMainForm::KeepPiecesOnTable() {}
