// The main window's insides for its tests: the board, the table and its
// textures, the timers, and the handlers a test drives directly.
#pragma once

#include "app/DrawPanel.h"
#include "app/MainForm.h"
#include "board/gl/GLTextures.h"
#include "board/gl/PieceAtlas.h"

struct TMainFormProbe {
    explicit TMainFormProbe(TMainForm &f)
        : form(f), board(f.board), TextureList(f.TextureList), bg(f.bg), Missing(f.Missing),
          ReSizeTimer(f.ReSizeTimer), Timer1(f.Timer1), Timer2(f.Timer2), DrawTimer(f.DrawTimer),
          PlayerTimer(f.PlayerTimer), AniTimer(f.AniTimer), ResumeTimer(f.ResumeTimer)
    {
    }

    TMainForm &form;
    Board &board;
    TTextureList &TextureList;
    TMyImageList &bg;
    const QStringList &Missing;
    QTimer &ReSizeTimer, &Timer1, &Timer2, &DrawTimer, &PlayerTimer, &AniTimer, &ResumeTimer;

    TDrawPanel *DrawPanel() const { return form.DrawPanel; }
    TGLTextures &GL() const { return *form.GL; }
    TPieceAtlas &Atlas() const { return *form.Atlas; }
    const TMySpeedButton *SaveBtn() const { return form.SaveBtn; }
    QWidget *Panel1() const { return form.Panel1; }
    bool TableGLReady() const { return form.TableGLReady; }
    // The message naming missing artwork is not what the test is about.
    void PassOverMissing() { form.MissingShown = true; }

    bool MakeTableCurrent() { return form.MakeTableCurrent(); }
    void Draw() { form.Draw(); }
    bool LoadGame(const QString &path) { return form.LoadGame(path); }
    void Timer1Timer() { form.Timer1Timer(); }
    void Timer2Timer() { form.Timer2Timer(); }
    void SetPaused(bool on) { form.SetPaused(on); }
    void RecordFinish() { form.RecordFinish(); }
    void SetBgBmp(bool fromFile, const QString &fileName) { form.SetBgBmp(fromFile, fileName); }
    void BgBtnClick() { form.BgBtnClick(); }
};
