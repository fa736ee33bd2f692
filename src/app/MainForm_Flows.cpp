// The new-game button and loading a game: the main window lends its
// dialogs, timers, drawing and cutting to the flows in play/NewGameFlow
// and persist/LoadGameFlow, which decide the steps.
#include <QCheckBox>

#include "app/MainForm.h"
#include "persist/LoadGameFlow.h"
#include "play/NewGameFlow.h"
#include "ui/BrowseFrm.h"
#include "ui/MySpeedButton.h"
#include "ui/NewGameFrm.h"

class TMainFormHost final : public TNewGameHost, public TLoadGameHost {
public:
    // quiet: nothing refused is reported (a game to resume is put aside).
    explicit TMainFormHost(TMainForm &f, bool quiet = false) : m(f), m_quiet(quiet) {}

    // Both flows: the table while the next picture is set up.
    void ShowMessage(const QString &text) override
    {
        if (!m_quiet)
            m.ShowMessage(text);
    }
    bool DrawTimerActive() const override { return m.DrawTimer.isActive(); }
    void StopDrawTimer() override { m.DrawTimer.stop(); }
    void StartDrawTimer() override { m.DrawTimer.start(); }
    void Draw() override { m.Draw(); }
    bool Setimg(const QString &path) override { return m.Setimg(path, m_quiet); }

    // Both flows: the browser's picture, the save button and the clock.
    QString ChosenFile() const override { return m.BrowseFrm ? m.BrowseFrm->ChosenFile : QString(); }
    void EnableSave() override
    {
        if (m.SaveBtn && !m.SaveBtn->isEnabled())
            m.SaveBtn->setEnabled(true);
    }
    void StartClock() override
    {
        if (!m.Timer2.isActive())
            m.Timer2.start();
    }

    // The new game's dialogs, cut and music.
    int ShowBrowser() override { return m.BrowseFrm ? m.BrowseFrm->exec() : 0; }
    bool SelfImg() const override { return m.BrowseFrm && m.BrowseFrm->SelfImg; }
    int ShowNewGameDialog() override { return m.NewGameFrm ? m.NewGameFrm->exec() : 2; }
    bool RotationChecked() const override
    {
        if (m.NewGameFrm && m.NewGameFrm->CheckBox1)
            return m.NewGameFrm->CheckBox1->isChecked();
        return m.board.RotateEnabled;
    }
    bool NewGame() override { return m.NewGame(); }
    void StartRandomTrack() override { m.StartRandomTrack(); }

    // The loaded game's picture, cut, background and reach.
    void SetChosenFile(const QString &path) override
    {
        if (m.BrowseFrm)
            m.BrowseFrm->ChosenFile = path;
    }
    void StopAnimation() override { m.AniTimer.stop(); }
    void ShowInstalledBackground() override { m.SetBgBmp(false, QString()); }
    bool CreateJigsy() override
    {
        m.OpenTable(); // the table and view for the loaded game's cut
        return m.CreateJigsy();
    }
    void KeepPiecesOnTable() override { m.KeepPiecesOnTable(); }
    void StopClock() override { m.Timer2.stop(); }
    void GameReplaced() override { m.GameReplaced(); }

private:
    TMainForm &m;
    bool m_quiet;
};

void TMainForm::NewGameBtnClick()
{
    TMainFormHost host(*this);
    RunNewGame(board, host);
}

bool TMainForm::LoadGame(const QString &path, bool quiet)
{
    TMainFormHost host(*this, quiet);
    return RunLoadGame(board, host, path) == TLoadOutcome::Loaded;
}
