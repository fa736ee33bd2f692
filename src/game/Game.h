// The game in play: the board, the view of the table, the clock, pause,
// the box lid, the edge filter, the records, the game kept for the next
// start, and the finish.  It takes the player's moves by name, with "now"
// from the caller, changes the board through the rules of play/ and
// answers with what followed (TAnswer); it never calls a widget, OpenGL or
// the sound device.  The window runs the dialogs and hands their choice
// here, then acts on the answer.
//
// Contract of every move that can be refused (a new game, a load): when
// the answer carries a refusal's message, the game on the table is left as
// it was, and nothing of the refused choice reached the board while a frame
// could be drawn.
#pragma once

#include <QDate>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <future>
#include <vector>

#include "board/Board.h"
#include "game/Answer.h"
#include "persist/Records.h"
#include "persist/Settings.h"
#include "play/ColourSort.h"
#include "play/Drag.h"
#include "play/Hand.h"
#include "play/Undo.h"
#include "play/Spread.h"
#include "play/View.h"

class ITextureSink;
class TRandom;
struct TSavedGame;

namespace game {

// A new game as the player chose it in the picture browser and the
// new-game dialog.
struct TNewGameChoice {
    QString File;           // the browser's picture (an installed pair's "A" picture)
    bool Installed = false; // the browser showed the installed pictures
    int SizeIndex = 1;      // the cut
    bool RotateEnabled = true;
};

// What the game borrows of the machine: where the textures go, and one
// frame drawn at once while the pieces are being cut.
struct TGameDevices {
    ITextureSink *Pieces = nullptr;   // the pieces' textures
    ITextureSink *Finished = nullptr; // the finished picture's texture
    std::function<void()> DrawNow;
};

// The records window's contents.
struct TRecordsView {
    QString Title; // the picture's name
    std::vector<TRecordList> Lists;
};

// A key as the table gets it.
struct TKeyPress {
    int Key = 0; // Qt::Key
    bool Shift = false;
    bool Ctrl = false;
    bool Repeat = false; // auto-repeat of a key held down
};

class TGame {
public:
    TGame(TRandom &random, TGameDevices devices);

    // ---- what the window shows ----
    const Board &board() const { return m_board; }
    // The board for the texture layer, which keeps the background's tile
    // size on it.
    Board &Scene() { return m_board; }
    const play::TView &View() const { return m_view; }
    QString ClockText() const;
    QString ProgressText() const;
    bool Paused() const { return m_board.Paused; }
    bool EdgeOnly() const { return m_board.EdgeOnly; }
    bool LidShown() const { return m_switches.LidShown; }
    // The lid is up: its switch is on, a picture is on the table and the
    // game is not paused.  Its place in the window's pixels.
    bool LidVisible() const;
    QRect LidRect() const;
    bool CanSave() const { return m_canSave; }
    const TStartSettings &Switches() const { return m_switches; }
    TRecordsView Records() const;

    // ---- start-up and closing ----
    // The switches read from Settings.ini.
    void SetSwitches(const TStartSettings &s);
    // Once the window plays at its size: the game named on the command line,
    // or without one the game kept from last time.
    TAnswer StartUp(const QString &commandLineGame);
    // The window closes: an unfinished game is kept for the next start.
    TAnswer Close();
    // Asked for by KeepSoon: the game is kept again when it changed, written
    // by a thread of its own while play goes on, one write at a time.  The
    // answer asks again when a write was still under way.
    TAnswer KeepForResume();

    // ---- the window ----
    // The drawing area was resized: the table grows with it as the cut
    // allows, the view stays within its limits.
    TAnswer FitToWindow(QSize window);
    // The size a frame is being drawn at.
    void FollowWindow(QSize window) { m_view.SetWindow(window); }

    // ---- the mouse, in the table widget's pixels ----
    TAnswer Press(play::TMouseBtn button, QPoint at);
    TAnswer MoveTo(QPoint at);
    TAnswer Release(play::TMouseBtn button, QPoint at, QDate today);
    TAnswer Wheel(int steps, QPointF at);
    // A key of the game (Qt::Key); *taken says whether it was one.
    TAnswer Key(int key, bool *taken);
    TAnswer ZoomHome();
    TAnswer ZoomAboutCentre(int steps);

    // ---- the timers ----
    TAnswer TickClock(bool windowOnScreen);
    TAnswer TickAnimation();

    // ---- the switches ----
    TAnswer SetPaused(bool on);
    TAnswer SetLidShown(bool on);
    TAnswer SetEdgeOnly(bool on);
    TAnswer SetSwitch(TSwitch which, bool down);
    // The installed background chosen (a file leaves the index alone), kept
    // in Settings.ini.
    TAnswer SetBackground(uint8_t bgIndex, bool fromFile, const QString &file);

    // ---- games ----
    // The new-game button was pressed: the finished picture gives way.
    void NewGameAsked();
    // Whether the browser's choice can be played; else the message to show
    // before the new-game dialog.
    QString PictureProblem(const QString &file) const;
    TAnswer NewGame(const TNewGameChoice &choice);
    // A saved game from the load dialog or the command line; on success the
    // next dialog opens in its folder.
    TAnswer LoadGame(const QString &path);
    TAnswer SaveGame(const QString &path);

    // ---- keyboard play, click to pick, the settings window (Game_Keys.cpp,
    // Game_Access.cpp) ----
    // A key of the table with its modifiers: the hand's arrows act on
    // auto-repeat too, every other key on its first press only; the keys
    // the hand does not take go on to Key.  *taken says whether it was one.
    TAnswer PlayKey(const TKeyPress &k, QDate today, bool *taken);
    // The hand the keys move, on the board; shown from the first key that
    // moves it until the mouse is pressed.
    bool HandShown() const { return m_hand.Shown; }
    QPoint Hand() const { return m_hand.At; }
    bool HandHolding() const { return m_hand.Holding && m_board.Dragging; }
    // A level of the settings window, kept in Settings.ini.
    TAnswer SetLevel(TLevel which, int value);
    // The hint of where to begin: before the first game ever played, on an
    // empty table.
    bool FirstStepsShown() const;

    // ---- finding one's way on the table (Game_View.cpp, Game_Undo.cpp,
    //      Game_Hint.cpp) ----
    // Home: the whole table, centred, its felt filling the window.
    TAnswer FitView();
    // Z: the fitted view and the last close-up by turns, about the pointer.
    TAnswer ToggleCloseUp();
    // The zoom as the toolbar shows it: "50%".
    QString ZoomText() const;
    // «Точность стыковки», 3..15 screen pixels, kept in Settings.ini.
    TAnswer SetJoinPx(int px);
    // The picture's ghost on the home area, 0/15/30/50 percent, kept too.
    TAnswer SetGhost(int percent);
    // Ctrl+Z / Ctrl+Shift+Z: the last moves of pieces back and forth; not
    // during a drag or a turn.
    TAnswer Undo();
    TAnswer Redo();
    // Any other move of pieces the player may take back (trays, spreads)
    // calls this just before it changes the table.
    void RecordStep();
    // H: the piece for the open side under the pointer pulses; when it lies
    // beyond the window the answer offers to show it.
    TAnswer Hint();
    // The view centred on the hinted piece.
    TAnswer JumpToHint();
    // Shift held: the lid magnifies what is under the pointer.
    TAnswer SetLens(bool on);
    // A key let go (Qt::Key).
    TAnswer KeyUp(int key);
    // Where the lid's lens stands, in the lid's pixels, while it shows.
    std::optional<QPoint> LidLens() const;
    // ---- sorting a big puzzle: trays, the selection, spreading (Game_Trays.cpp) ----
    // Ctrl+click: the piece and its group into or out of the selection.
    TAnswer ToggleSelect(QPoint at);
    // Shift+left press: on the empty table a rubber band begins; on a piece
    // it is a plain press.
    TAnswer PressShifted(QPoint at);
    TAnswer ClearSelection();
    // Keys 1..9 over a piece (with its group, or the selection it is in), or
    // during a drag: what is under the pointer goes into tray `tray`.
    TAnswer PutInTray(int tray, QPoint at);
    // The drag under way was released over tray `tray`.
    TAnswer DropInTray(int tray);
    // A piece of a tray (with its group) to the end of another tray.
    TAnswer MovePieceToTray(int piece, int tray);
    // A piece dragged out of its tray and let go over the table at `at`.
    TAnswer TakeOutOfTray(int piece, QPoint at);
    // Every piece of the tray into the view.
    TAnswer TakeAllOutOfTray(int tray);
    TAnswer RenameTray(int tray, const QString &name);
    TAnswer SetTraysShown(bool on);
    bool TraysShown() const { return m_board.TraysShown; }
    TAnswer SetHideAssembled(bool on);
    bool HideAssembled() const { return m_board.HideAssembled; }
    // «Разложить»: the selection's loose pieces, or every loose piece, laid
    // apart on the free parts of the table.
    TAnswer Spread();
    // «Собрать потерянные»: every loose piece outside the view comes into it.
    TAnswer BringBackLost();
    TAnswer SortByColour();
    TAnswer SortByShape();
    // A small copy of the piece's picture (its texture square) for the
    // trays' strip; null before the first cut.
    QImage PieceImage(int piece) const;

private:
    // The window rect of the table the view shows, in board pixels.
    QRect ViewOnTable() const;
    TAnswer Glide(const std::vector<play::TSpreadPlace> &places);
    TAnswer EndBand();
    // The band in board pixels, while one is drawn.
    QRect Band() const { return QRect(m_bandFrom, m_bandTo).normalized(); }
    // The sorting state of a new game: empty trays, nothing selected.
    void ResetSorting();
    bool m_banding = false;
    QPoint m_bandFrom, m_bandTo;
    play::TSpreadGlide m_glide;
    std::vector<QImage> m_pieceImages; // by piece, kept from the cutting

private:
    TAnswer MoveHand(int dx, int dy, play::THandPace pace);
    TAnswer HandPickOrDrop(QDate today);
    TAnswer HandTurn();
    TAnswer HandJump(bool backwards);
    TAnswer HandZoom(int steps);
    // Calm motion: an animation the answer would start is carried out at once.
    TAnswer AtOnce(TAnswer a);
    // Click to pick: a press that only ends the hold (dropped on its
    // release), a release that keeps it; the hold begins with a press that
    // picked a piece.
    bool ClickHoldPress(play::TMouseBtn button);
    bool ClickHoldRelease();
    void NoteClickPick(play::TMouseBtn button);
    // The first game was begun: the hint of where to begin goes for good.
    void NoteGamePlayed(TAnswer &a);
    struct THand {
        QPoint At;
        bool Shown = false;
        bool Holding = false; // the drag under way is the hand's
        int LastJump = -1;    // the piece Tab went to last
    } m_hand;
    bool m_clickHold = false;     // a piece follows the pointer without a button
    bool m_clickDropNext = false; // the click that drops it is under way

    // The table the game is laid on, on the board and in the view.  The
    // view's may be larger: the felt a fitted view shows round it.
    void SetTable(QSize table);
    // A saved game's pieces are on the board: its table, nothing beyond
    // reach, the fitted view.
    void OpenLoadedTable(QSize saved);
    // While a piece is dragged near the window's edge: one tick's scroll.
    bool EdgeScrollTick();
    // The state before the move under way, and the moves to take back.
    play::TTableState m_beforeMove;
    play::TUndo m_undo;
    // A drop or a turn is over: kept to take back unless it joined.
    void MoveDone(bool joined);
    QPoint m_pointer; // the pointer in the table widget's pixels, last seen
    bool m_lidResizing = false; // the lid's drag is by its corner
    bool m_lens = false;        // Shift is held

    // A new game or a loaded one: the picture of the cut, shown as cutting
    // progress while it is read; on failure the messages are in `a` and
    // the board is as it was.
    bool SetUpPicture(const QString &path, bool installed, const TCutInfo &cut, QImage &out, TAnswer &a);
    void TakePicture(const QString &path, QImage picture);
    // Cuts the board's picture into the board's cut.
    bool CutPieces(TAnswer &a);
    // The unfinished game on the table, about to give way to the player's
    // next, among the started games.
    void KeepStarted(TAnswer &a);
    // resume: the game kept from last time, brought back quietly and on the
    // player's own background and edge filter.
    bool LoadSaved(const TSavedGame &g, bool resume, TAnswer &a);
    // A saved game's file read, checked and put on the table.
    bool LoadFile(const QString &path, TAnswer &a);
    TAnswer RestoreResume();
    void OpenTable();
    // A new or loaded game is on the table.
    void GameReplaced(TAnswer &a, bool keepEdgeFilter);
    // A press on a piece at board point p, and the drop of what is dragged:
    // the mouse's, the hand's and the click's, kept to take back.
    TAnswer PressPiece(play::TMouseBtn button, QPoint p);
    TAnswer DropPieces(QDate today);
    TAnswer AfterDrop(const play::TPlayResult &r, QDate today);
    void RecordFinish(TAnswer &a, QDate today);
    TAnswer Settled(const play::TPlayResult &r);
    QPoint BoardPoint(QPoint at) const;
    bool HasGame() const;
    // The game on the table moved on: to be kept for the next start.
    void Changed(TAnswer &a);
    TAnswer PressLid(QPoint at);
    QString RememberGameFolder(const QString &gameFile) const;

    TRandom &m_random;
    TGameDevices m_dev;
    Board m_board;
    play::TView m_view;
    TStartSettings m_switches;
    bool m_canSave = false;
    bool m_resumeChanged = false;
    // This run keeps the game for the next start.  A run started with a
    // saved game on the command line leaves the kept game alone, for the
    // next start without one, until the player begins or loads a game.
    bool m_resumeMine = true;
    // The kept game being written, if a write is under way.
    std::future<void> m_keeping;
    void WaitForKeeping();

    // The pan of the table belongs to the button that began it.
    play::TMouseBtn m_panButton = play::TMouseBtn::Left;

    // The lid's switch and place are the settings' LidShown, LidX and LidY;
    // a place of (-1, -1) leaves it to the game.
    QPoint LidCorner() const { return QPoint(m_switches.LidX, m_switches.LidY); }
    bool m_lidDragging = false;
    QPoint m_lidGrab;           // pointer minus corner while dragged
};

} // namespace game
