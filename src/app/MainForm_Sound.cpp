#include "app/MainForm.h"

void TMainForm::CreateSound() {}
void TMainForm::LoadMuz() {}
void TMainForm::ChMusBtnClick() {}
void TMainForm::PlayerTimerTimer() {}
void TMainForm::PlayStartupSound() {}
void TMainForm::PlayWave(int) {}
void TMainForm::PlayMilestone() {}
void TMainForm::StopMusicForFinish() {}
void TMainForm::StartRandomTrack() {}
