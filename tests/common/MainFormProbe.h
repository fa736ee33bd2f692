// The main window's insides for its tests: the game and its board, the
// table and its textures, the timers, and the handlers a test drives
// directly.
#pragma once

#include <QDate>

#include "app/DrawPanel.h"
#include "app/MainForm.h"
#include "gl/GLTextures.h"
#include "gl/PieceAtlas.h"
#include "ui/LidPanel.h"

struct TMainFormProbe {
    explicit TMainFormProbe(TMainForm &f)
        : form(f), game(*f.Game), board(f.Game->Scene()), TextureList(f.TextureList), bg(f.bg), Missing(f.Missing),
          ReSizeTimer(f.ReSizeTimer), Timer1(f.Timer1), Timer2(f.Timer2), PlayerTimer(f.PlayerTimer),
          AniTimer(f.AniTimer), ResumeTimer(f.ResumeTimer)
    {
    }

    TMainForm &form;
    game::TGame &game;
    Board &board;
    TTextureList &TextureList;
    TMyImageList &bg;
    const QStringList &Missing;
    QTimer &ReSizeTimer, &Timer1, &Timer2, &PlayerTimer, &AniTimer, &ResumeTimer;

    TDrawPanel *DrawPanel() const { return form.DrawPanel; }
    QWidget *LidPanel() const { return form.LidPanel; }
    TGLTextures &GL() const { return *form.GL; }
    TPieceAtlas &Atlas() const { return *form.Atlas; }
    const TMySpeedButton *SaveBtn() const { return form.SaveBtn; }
    QWidget *Panel1() const { return form.Panel1; }
    bool TableGLReady() const { return form.TableGLReady; }
    // The message naming missing artwork is not what the test is about.
    void PassOverMissing() { form.MissingShown = true; }

    bool MakeTableCurrent() { return form.MakeTableCurrent(); }
    void Draw() { form.Draw(); }
    // A move of the game, acted on by the window.
    void Act(const game::TAnswer &a) { form.Act(a); }
    // True when the game is on the table afterwards and no message was told.
    bool LoadGame(const QString &path)
    {
        form.TellTableSize();
        const game::TAnswer a = game.LoadGame(path);
        form.Act(a);
        return a.Messages.isEmpty() && game.CanSave();
    }
    void Timer1Timer() { form.Timer1Timer(); }
    void Timer2Timer() { form.Timer2Timer(); }
    void SetPaused(bool on) { form.Act(game.SetPaused(on)); }
    void SetBgBmp(bool fromFile, const QString &fileName) { form.SetBgBmp(fromFile, fileName); }
    void BgBtnClick() { form.BgBtnClick(); }
    void SaveBtnClick() { form.SaveBtnClick(); }
    void NewGameBtnClick() { form.NewGameBtnClick(); }
};
