// The main window: the toolbar strip, the OpenGL table, the timers and the
// sound players.  The game itself lives in TGame; every handler here turns
// an event into the game's move and acts on its answer (redraw, sounds,
// timers, labels, messages).  The window runs the dialogs and hands their
// choice to the game.
//
//   MainForm.cpp          creation, the table's OpenGL context, the frame,
//                         closing, acting on the game's answers
//   MainForm_Events.cpp   the table's mouse, keys, timers, toolbar buttons
//                         and dialogs, the table's background
//   MainForm_Trays.cpp    the trays' strip, Ctrl+click, Shift+band, keys 1..9
#pragma once

#include <QLabel>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "board/TextureList.h"
#include "game/Game.h"
#include "gl/HandMark.h"
#include "picture/MyImageList.h"

class TDrawPanel;
class TMySpeedButton;
class TBrowseFrm;
class TNewGameFrm;
class TBGChangeFrm;
class IMediaPlayer;
class TWaveList;
class TGLTextures;
class TLidPanel;
class TRecordsFrm;
class TPieceAtlas;
class TSettingsFrm;
class TKeysFrm;
class TFirstSteps;
class TTrayStrip;
class TTableFrames;

class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    // The dialogs are created after the main window (program entry order).
    void SetDialogs(TBrowseFrm *browse, TNewGameFrm *newGame, TBGChangeFrm *bgChange);
    // All command-line arguments joined by single blanks.
    void SetCommandLineGame(const QString &path) { CommandLineGame = path; }
    // A short message box with the program's title.
    void ShowMessage(const QString &text);
    // Artwork or OpenGL the game had to start without; named together in
    // one message once the window is up.
    void NoteMissing(const QString &what);
    // A second start of the game handed over its command-line file (empty:
    // none): the window comes to the front and the file is loaded.
    void OpenHandedGame(const QString &file);

protected:
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;

private:
    friend struct TMainFormProbe; // the window's tests

    // ---- components ----
    QWidget *Panel1 = nullptr;
    QLabel *TimeLab = nullptr;
    QLabel *ProgressLab = nullptr;
    QLabel *ZoomLab = nullptr;
    TMySpeedButton *NewGameBtn = nullptr;
    TMySpeedButton *LoadBtn = nullptr;
    TMySpeedButton *SaveBtn = nullptr;
    TMySpeedButton *RoundPlaceBtn = nullptr;
    TMySpeedButton *MusicBtn = nullptr;
    TMySpeedButton *Eff3dBtn = nullptr;
    TMySpeedButton *ShadowBtn = nullptr;
    TMySpeedButton *BgBtn = nullptr;
    TMySpeedButton *ChMusBtn = nullptr;
    TMySpeedButton *PauseBtn = nullptr;
    TMySpeedButton *LidBtn = nullptr;
    TMySpeedButton *EdgeBtn = nullptr;
    TMySpeedButton *HideBtn = nullptr;
    TDrawPanel *DrawPanel = nullptr;
    TLidPanel *LidPanel = nullptr;
    TRecordsFrm *RecordsFrm = nullptr;
    TTrayStrip *TrayStrip = nullptr;

    QTimer ReSizeTimer; // 100 ms one-shot projection rebuild
    QTimer Timer1;      // 500 ms after start-up: command-line game, start-up sound
    QTimer Timer2;      // 1000 ms: the clock
    QTimer PlayerTimer; // 1000 ms: music repeat
    QTimer AniTimer;    // 50 ms: quarter turns and the final fade
    QTimer ResumeTimer; // 2 s one-shot after a move: keeps the game for the next start

    TMyImageList il; // the overlay images, OverlayCount of them
    TMyImageList bg; // installed table backgrounds
    QStringList MusicList;
    TTextureList TextureList;
    std::unique_ptr<TGLTextures> GL;    // texture uploads, valid while the context lives
    std::unique_ptr<TPieceAtlas> Atlas; // the pieces' textures, a few pages for a whole game
    std::unique_ptr<TTableFrames> Frames; // the table's frames, the cached table with them
    std::unique_ptr<game::TGame> Game;

    std::unique_ptr<IMediaPlayer> Player;  // music and the start-up sound
    std::unique_ptr<IMediaPlayer> Player2; // milestone sounds
    std::unique_ptr<TWaveList> wl;         // the three stored waves

    TBrowseFrm *BrowseFrm = nullptr;
    TNewGameFrm *NewGameFrm = nullptr;
    TBGChangeFrm *BGChangeFrm = nullptr;

    QString CommandLineGame;
    int CommandLineWaits = 0;
    QStringList Missing;
    bool TableGLReady = false;  // FormCreateGL has run
    bool InTableGLInit = false; // inside FormCreateGL (context current)
    bool MissingShown = false;
    bool WasMaximized = false;  // before full screen
    int LargestTexture = 0;     // texels a side the card takes; 0 until the context exists

    // ---- MainForm.cpp ----
    void CreateToolbar();
    void CreateKeys();
    void FormCreate();
    // The OpenGL half of creation, run by the table once its context
    // exists: clear colour, GL state, the background slot, the background,
    // the overlay textures.
    void FormCreateGL();
    void ReSizeTimerTimer();
    void FormResize();
    void FormClose();
    void FormDestroy();
    void PaintTable();
    // One frame, painted and shown before returning.
    void Draw();
    // One frame at the next display refresh: what a move asks for.
    void DrawSoon();
    // Makes the table's context current; false while there is none.
    bool MakeTableCurrent();
    void LoadBG();
    void SetBgBmp(bool fromFile, const QString &fileName);
    // Everything the game asked for after a move, in its order.
    void Act(const game::TAnswer &a);
    void ShowButtons();
    void PlaceLid();
    void Run(QTimer &timer, game::TTimer what);
    // The table's size as it is now, before a game is laid on it (a
    // hidden table is resized without events).
    void TellTableSize();

    // ---- MainForm_Events.cpp ----
    void DrawPanelMouseDown(Qt::MouseButton button, int x, int y);
    void DrawPanelMouseMove(int x, int y);
    void DrawPanelMouseUp(Qt::MouseButton button, int x, int y);
    void DrawPanelWheel(int steps, double x, double y);
    void Timer1Timer();
    // The command-line game, once the window has the size it plays at.
    void LoadCommandLineGame();
    bool TableAtFinalSize() const;
    void Timer2Timer();
    void AniTimerTimer();
    void PlayerTimerTimer();
    void NewGameBtnClick();
    void LoadBtnClick();
    void SaveBtnClick();
    void SwitchClick(TMySpeedButton *btn, TSwitch which);
    void PauseBtnClick();
    void LidBtnClick();
    void EdgeBtnClick();
    void BgBtnClick();
    void ChMusBtnClick();
    void ShowRecords();
    // The hinted piece lies beyond the window: the player may go to it.
    void OfferHintJump();
    void ToggleFullScreen();

    // ---- MainForm_Settings.cpp: the settings window, the keys, the
    // interface's scale, screen readers' names, the hint of where to begin ----
    TMySpeedButton *SettingsBtn = nullptr;
    TSettingsFrm *SettingsFrm = nullptr;
    TKeysFrm *KeysFrm = nullptr;
    TFirstSteps *FirstSteps = nullptr;
    int AppliedScale = 0; // the interface's scale in force, percent (0: none yet)
    void CreateSettings();
    void SettingsBtnClick();
    void ShowKeys();
    // The hint of where to begin and the interface's scale, as the game has them.
    void ShowAccess();
    // The dialogs made after the window take its scale too.
    void ScaleDialogs();
    // The hand of keyboard play as the frame draws it.
    THandMark HandMark() const;
    bool focusNextPrevChild(bool next) override;
    // ---- MainForm_Trays.cpp: the trays' strip, the selection's keys and mouse ----
    void CreateTrayStrip(QWidget *row);
    void ShowTrays();
    // A press with Ctrl or Shift on the table; false when it is a plain one.
    bool SortingPress(Qt::MouseButton button, int x, int y);
    // A release over a tray ends the drag there; false when not over one.
    bool ReleaseOverTray(int x, int y);
    // The tray a drag would go into is lit.
    void ShowTrayUnderDrag(int x, int y);
    // Keys 1..9 put what is under the pointer into a tray.
    bool TrayKey(int key);
    void TrayPieceDropped(int piece, QPoint global);
    void RenameTrayAsked(int tray);
};
