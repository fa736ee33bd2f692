// The new-game button: the main window lends its dialogs, timers and
// drawing to the flow in ui/NewGameFlow.
#include <QCheckBox>

#include "app/MainForm.h"
#include "ui/NewGameFrm.h"
#include "ui/BrowseFrm.h"
#include "ui/MySpeedButton.h"
#include "play/NewGameFlow.h"

namespace {

class TMainFormNewGameHost : public TNewGameHost {
public:
    explicit TMainFormNewGameHost(TMainForm &f) : m(f) {}

    int ShowBrowser() override { return m.BrowseFrm ? m.BrowseFrm->exec() : 0; }
    QString ChosenFile() const override { return m.BrowseFrm ? m.BrowseFrm->ChosenFile : QString(); }
    bool SelfImg() const override { return m.BrowseFrm && m.BrowseFrm->SelfImg; }
    int ShowNewGameDialog() override { return m.NewGameFrm ? m.NewGameFrm->exec() : 2; }
    bool RotationChecked() const override
    {
        if (m.NewGameFrm && m.NewGameFrm->CheckBox1)
            return m.NewGameFrm->CheckBox1->isChecked();
        return m.board.RotateEnabled;
    }
    void ShowMessage(const QString &text) override { m.ShowMessage(text); }
    bool DrawTimerActive() const override { return m.DrawTimer.isActive(); }
    void StopDrawTimer() override { m.DrawTimer.stop(); }
    void StartDrawTimer() override { m.DrawTimer.start(); }
    void Draw() override { m.Draw(); }
    bool Setimg(const QString &path) override { return m.Setimg(path); }
    bool NewGame() override { return m.NewGame(); }
    void EnableSave() override
    {
        if (m.SaveBtn && !m.SaveBtn->isEnabled())
            m.SaveBtn->setEnabled(true);
    }
    void StartRandomTrack() override { m.StartRandomTrack(); }
    void StartClock() override
    {
        if (!m.Timer2.isActive())
            m.Timer2.start();
    }

private:
    TMainForm &m;
};

} // namespace

void TMainForm::NewGameBtnClick()
{
    TMainFormNewGameHost host(*this);
    RunNewGame(board, host);
}
