// The main window: toolbar strip, the OpenGL table, the timers, the sound
// players.  It owns the board and wires events to the game's rules; the
// rules themselves live in board/, play/ and persist/.
//
// Its methods are spread over several files, one per concern:
//   MainForm.cpp            creation, projection, closing, Draw
//   MainForm_Toolbar.cpp    the toolbar strip and its buttons
//   MainForm_Play.cpp       mouse on the table, the four game timers, NewGame
//   MainForm_Cut.cpp        Setimg / CreateJigsy on the real textures
//   MainForm_Settings.cpp   Settings.ini and the four switches
//   MainForm_Sound.cpp      music, start-up sound, join/milestone/finish sounds
//   MainForm_Game.cpp       the save and load buttons
//   MainForm_Background.cpp table background and its chooser
//   MainForm_Flows.cpp      the new-game and load flows' host
//   MainForm_Comforts.cpp   pause, box lid, edge pieces, records, resume, keys
//   MainForm_View.cpp       zoom and pan of the table
#pragma once

#include <QLabel>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "board/Board.h"
#include "board/TextureList.h"
#include "board/MyImageList.h"
#include "play/View.h"

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

protected:
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    // The host the game's flows run on, and the window's tests.
    friend class TMainFormHost;
    friend struct TMainFormProbe;

    // One complete frame, drawn at once.
    void Draw();

    Board board;

    // ---- components ----
    QWidget *Panel1 = nullptr;
    QLabel *TimeLab = nullptr;
    TMySpeedButton *NewGameBtn = nullptr;
    TMySpeedButton *LoadBtn = nullptr;
    TMySpeedButton *SaveBtn = nullptr;
    TMySpeedButton *RoundPlaceBtn = nullptr;
    TMySpeedButton *MusicBtn = nullptr;
    TMySpeedButton *Eff3dBtn = nullptr;
    TMySpeedButton *ShadowBtn = nullptr;
    TMySpeedButton *BgBtn = nullptr;
    TMySpeedButton *ChMusBtn = nullptr;
    TDrawPanel *DrawPanel = nullptr;

    QTimer ReSizeTimer; // 100 ms one-shot projection rebuild
    QTimer Timer1;      // 500 ms after start-up: command-line game, start-up sound
    QTimer Timer2;      // 1000 ms: the clock
    // Runs while a game's table is live.  It redraws nothing: the table is
    // drawn when something on it changes, so an idle table costs nothing.
    QTimer DrawTimer;
    QTimer PlayerTimer; // 1000 ms: music repeat
    QTimer AniTimer;    // 50 ms: quarter turns and the final fade

    TMyImageList il; // the overlay images, OverlayCount of them
    TMyImageList bg; // installed table backgrounds
    QStringList MusicList;
    TTextureList TextureList;
    std::unique_ptr<TGLTextures> GL; // texture uploads, valid while the context lives
    std::unique_ptr<TPieceAtlas> Atlas; // the pieces' textures, one texture for a whole game
    play::TView View;                   // the part of the table the window shows

    std::unique_ptr<IMediaPlayer> Player;  // music and the start-up sound
    std::unique_ptr<IMediaPlayer> Player2; // milestone sounds
    std::unique_ptr<TWaveList> wl;         // the three stored waves

    TBrowseFrm *BrowseFrm = nullptr;
    TNewGameFrm *NewGameFrm = nullptr;
    TBGChangeFrm *BGChangeFrm = nullptr;

    QString CommandLineGame;
    // Read from Settings.ini at start-up, used once the backgrounds are listed.
    bool StartBgFromFile = false;
    QString StartBgFileName;

    // ---- MainForm.cpp ----
    void FormCreate();
    void InitGL();
    void ReSizeTimerTimer();
    void FormResize();
    void FormClose();
    void FormDestroy();
    // The OpenGL half of FormCreate, run by the table once its context
    // exists: clear colour, InitGL, the background slot, the background,
    // the overlay textures.
    void FormCreateGL();
    // The frame the table paints (exposures and Draw alike).
    void PaintTable();
    // Makes the table's context current; false while there is none.
    bool MakeTableCurrent();
    QStringList Missing;
    bool TableGLReady = false;   // FormCreateGL has run
    bool InTableGLInit = false;  // inside FormCreateGL (context current)
    bool MissingShown = false;

    // ---- MainForm_Toolbar.cpp ----
    // Panel1's nine image buttons and TimeLab, at their places, with hints.
    void CreateToolbar();

    // ---- MainForm_Play.cpp ----
    void DrawPanelMouseDown(Qt::MouseButton button, int x, int y);
    void DrawPanelMouseMove(int x, int y);
    void DrawPanelMouseUp(Qt::MouseButton button, int x, int y);
    void Timer1Timer();
    // The command-line game, once the window has the size it plays at.
    void LoadCommandLineGame();
    bool TableAtFinalSize() const;
    int CommandLineWaits = 0;
    void Timer2Timer();
    void AniTimerTimer();
    bool NewGame(); // false when the pieces could not be cut
    void AutoRoundJigsy();
    int TableWidth() const;
    int TableHeight() const;
    // A new or loaded game's table for the current cut and window, shown
    // whole at the largest zoom step up to 100%.
    void OpenTable();
    // After a load: a piece whose hit square lies wholly off the table is
    // brought back (with its group) the least distance.
    void KeepPiecesOnTable();

    // ---- MainForm_Cut.cpp ----
    // quiet: a picture that cannot be set up is not reported (a game to
    // resume is put aside instead).
    bool Setimg(const QString &fileName, bool quiet = false);
    bool CreateJigsy();

    // ---- MainForm_Settings.cpp ----
    void ReadSettings();
    void RoundPlaceBtnClick();
    void MusicBtnClick();
    void Eff3dBtnClick();
    void ShadowBtnClick();

    // ---- MainForm_Sound.cpp ----
    void CreateSound();
    void LoadMuz();
    void ChMusBtnClick();
    void PlayerTimerTimer();
    void PlayStartupSound();
    void PlayWave(int item);      // 0 join click, 2 completion
    void PlayMilestone();         // a random "SND/Ok<n>.wav", item 0 if it fails
    void StopMusicForFinish();    // the finished picture silences the music
    void StartRandomTrack();      // a new game's music

    // ---- MainForm_Game.cpp ----
    void SaveBtnClick();
    void LoadBtnClick();

    // ---- MainForm_Background.cpp ----
    void LoadBG();
    void SetBgBmp(bool fromFile, const QString &fileName);
    void BgBtnClick();

    // ---- MainForm_Flows.cpp ----
    void NewGameBtnClick();
    // quiet: a refused file or picture is not reported (a game to resume
    // is put aside instead).
    bool LoadGame(const QString &path, bool quiet = false);

    // ---- MainForm_Comforts.cpp ----
    TMySpeedButton *PauseBtn = nullptr;
    TMySpeedButton *LidBtn = nullptr;
    TMySpeedButton *EdgeBtn = nullptr;
    QLabel *ProgressLab = nullptr;
    TLidPanel *LidPanel = nullptr;
    TRecordsFrm *RecordsFrm = nullptr;
    QTimer ResumeTimer;          // 60 s: keeps the game to resume after a change
    bool ResumeChanged = false;  // the game changed since it was last kept
    QPoint LidCorner{-1, -1};    // where the box lid stands on the table
    bool WasMaximized = false;   // before full screen
    // The three switches, the progress label, the keys, the lid, the timer.
    void CreateComforts();
    void PauseBtnClick();
    void LidBtnClick();
    void EdgeBtnClick();
    void SetPaused(bool on);
    // The game on the table was replaced (a new game or a load).
    void GameReplaced();
    // After every join, new game or load.
    void ShowProgress();
    void NoteChange();
    void ResumeTimerTimer();
    void KeepResume();     // closing: keep an unfinished game, retire any other
    bool RestoreResume();  // start-up without a command-line game
    void RecordFinish();
    void ShowRecords();
    void PlaceLid();
    // A press on the table the comforts take: resuming a pause, the corner
    // plate's records.  (wx, wy) in the table widget's pixels.  True when
    // the press goes no further.
    bool ComfortPress(int wx, int wy);
    // A key the comforts take (pause, a drag's Esc and turn keys).
    bool ComfortKey(int key);
    void ToggleFullScreen();
    // ---- MainForm_View.cpp ----
    // The window's drawing area changed: the table grows with it as the cut
    // allows, and the view stays within its limits.
    void FitViewToWindow();
    void DrawPanelWheel(int steps, double x, double y);
    void ZoomHome();
    void ZoomAboutCentre(int steps);
    // The window point (x, y) as a board pixel.
    QPoint BoardPoint(int x, int y) const;
    void CreateViewShortcuts();
};
