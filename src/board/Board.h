// The state of one game on the table: the cut in use, the pieces, their
// groups and stacking order, and the few per-game flags that drawing, play
// and saving read.  One Board per process, owned by the main window.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

#include "board/ShapeBits.h"
#include "board/Tray.h"

// Geometry of one cut.  Seven signed 32-bit fields, in this order.
struct TCutInfo {
    int32_t Cols;      // pieces per row
    int32_t Rows;      // rows of pieces
    int32_t CellSize;  // side of one piece square (tile of mask/shadow/relief)
    int32_t Overlap;   // CellSize - pitch
    int32_t TurnShift; // correction of neighbour capture positions
    int32_t Margin;    // home-cell corner to piece-square corner
    int32_t TexSize;   // side of every piece texture (power of two)
};

// Indexed by SizeIndex: 1 = 5 x 7 (35 pieces), 2 = 17 x 11 (187 pieces),
// and the big cuts with the 187-piece geometry: 3 = 24 x 16 (384 pieces),
// 4 = 30 x 20 (600), 5 = 40 x 25 (1000), 6 = 56 x 36 (2016, "2000").
// Entry 0 is unused so that the index reads as in the rest of the game.
constexpr int CutCount = 6;
extern const TCutInfo CutTable[CutCount + 1];
inline bool ValidSizeIndex(int sizeIndex) { return sizeIndex >= 1 && sizeIndex <= CutCount; }
// The cuts from this one on are the big ones: their table may be larger
// than the window, and their edge layout keeps the middle free.
constexpr int FirstBigCut = 3;
inline bool IsBigCut(int sizeIndex) { return sizeIndex >= FirstBigCut && sizeIndex <= CutCount; }
// A big cut's game opens with the trays' strip beside the table; the
// classic cuts keep the whole window for their table until it is asked for.
inline bool TraysOpenAtStart(int sizeIndex) { return IsBigCut(sizeIndex); }

// Derived values; nothing caches them.
inline int Pitch(const TCutInfo &c) { return c.CellSize - c.Overlap; }
inline int PictureWidth(const TCutInfo &c) { return c.Cols * Pitch(c); }
inline int PictureHeight(const TCutInfo &c) { return c.Rows * Pitch(c); }
inline int TexInset(const TCutInfo &c) { return (c.TexSize - c.CellSize) / 2; }
inline int HalfTex(const TCutInfo &c) { return c.TexSize / 2; }
inline int PieceCount(const TCutInfo &c) { return c.Cols * c.Rows; }

// One piece.  Fields in their stored order.
struct Tpiece {
    uint32_t ImgTex = 0;   // piece picture texture (RGBA, alpha from the mask)
    uint32_t ShdTex = 0;   // piece shadow texture (black, alpha from the shadow)
    uint8_t Rotation = 0;  // quarter turns clockwise on screen, 0..3
    int32_t X = 0;         // board x of the texture square's top-left corner
    int32_t Y = 0;         // board y of the same corner
    int32_t Row = 0;       // home row
    int32_t Col = 0;       // home column
    int32_t GrabX = 0;     // cursor x - X during a group drag; pre-snap X in fitting
    int32_t GrabY = 0;
    int32_t Group = 0;     // index into Groups, -1 when alone
};

// All pieces, in home order (row-major); never reordered.  Piece i has
// Row = i div Cols and Col = i mod Cols.
class Tpieces {
public:
    Tpiece &Add();                      // appends a zeroed piece
    Tpiece &operator[](int i) { return m_items[size_t(i)]; }
    const Tpiece &operator[](int i) const { return m_items[size_t(i)]; }
    int Count() const { return int(m_items.size()); }
    void Clear() { m_items.clear(); }   // frees the items, not their textures

    std::vector<Tpiece>::iterator begin() { return m_items.begin(); }
    std::vector<Tpiece>::iterator end() { return m_items.end(); }
    std::vector<Tpiece>::const_iterator begin() const { return m_items.begin(); }
    std::vector<Tpiece>::const_iterator end() const { return m_items.end(); }

private:
    std::vector<Tpiece> m_items;
};

struct Board {
    // The cut
    uint8_t SizeIndex = 1; // row of CutTable
    uint8_t FlipHor = 0;
    uint8_t FlipVer = 0;

    Tpieces Pieces;
    std::vector<int> DrawOrder;           // piece indices, bottom first, top last
    std::vector<std::vector<int>> Groups; // one entry per group: its members in joining order
    QImage PictureBmp;     // the game's picture at the cut's size, 24-bit (Format_BGR888)
    QString PictureFile;   // the file PictureBmp was made from: what a saved game names

    // Drawing and game flags
    float PieceAlpha = 1.0f;
    bool PiecesVisible = false;
    bool ShowFinished = false;
    bool Cutting = false;
    float CutProgress = 0.0f; // 0..256, width of the progress fill
    int32_t FinishedTex = -1;
    int32_t BgTileW = 256;
    int32_t BgTileH = 256;

    // The game
    uint8_t BgIndex = 0; // the installed background, as a saved game keeps it
    bool OwnImage = false;
    int64_t GameTime = 0;  // elapsed whole seconds of play
    int32_t JoinCount = 0;

    // Dragging
    bool Dragging = false;
    bool DragGroup = false;
    int32_t DragPiece = 0;
    int32_t DragOffsetX = 0;
    int32_t DragOffsetY = 0;
    int32_t DragStartX = 0; // DragPiece's corner when the drag began
    int32_t DragStartY = 0;

    // Turning and the animation timer's mode
    bool AniTurning = false;
    int32_t TurnAngle = 0;
    int32_t TurnPiece = -1;
    bool RotateEnabled = true;

    // Comforts of play
    bool Paused = false;    // the table is covered and the clock stands
    bool EdgeOnly = false;  // only pieces and groups holding an edge piece are shown
    bool NewRecord = false; // the finish beat the best time of this picture

    // Finding one's way on a big table
    TShapeBits Shapes;      // the pieces' drawn shapes; empty: their hit squares stand in
    int32_t Catch = 0;      // join tolerance in force, table pixels; 0: the cut's own
    int32_t TableW = 0;     // the table the game is laid on, kept with it;
    int32_t TableH = 0;     //   0: not known (a game saved before it was)
    int32_t HintsUsed = 0;  // hints asked for in this game
    int32_t HintPiece = -1; // the piece the hint points at, pulsing; -1: none
    int32_t HintTicks = 0;  // animation ticks the hint has pulsed for
    // ---- Sorting a big puzzle: trays, the selection, assembled groups hidden ----
    std::vector<TTray> Trays = DefaultTrays(); // MaxTrays of them
    bool TraysShown = false;     // the trays' strip is open beside the table
    std::vector<int> Selected;   // selected pieces, whole groups, in the order chosen
    bool DragSelection = false;  // the drag under way moves the whole selection
    bool HideAssembled = false;  // every group of two or more is hidden
    QRect Band;                  // the rubber band being drawn (board pixels), empty when none

    const TCutInfo &Cut() const { return CutTable[ValidSizeIndex(SizeIndex) ? SizeIndex : 1]; }
    // Whether g names an entry of Groups.
    bool HasGroup(int g) const { return g >= 0 && size_t(g) < Groups.size(); }
    // Members of group g as piece indices, in joining order; none for a g
    // that names no group.
    std::vector<int> Members(int g) const;
};

// Moves the piece's index to the top (end) of the stacking order.
void BringToTop(Board &b, int piece);
// The same for each piece in turn, in one pass over the stacking order: the
// others keep their order, the pieces end on top in the given order (a
// piece named twice where it was named last).
void BringToTop(Board &b, const std::vector<int> &pieces);

// Big puzzles are played for days: the clock counts hours beyond 24, up to
// a hundred days of play.
constexpr int MaxGameHours = 100 * 24;
// "H:mm:ss" of the elapsed seconds, the hours as many as there are
// ("27:13:05").
QString FormatGameTime(int64_t seconds);
// Parses "H:mm:ss" (one to four hour digits, at most MaxGameHours); false
// for anything else.
bool ParseGameTime(const QString &text, int64_t &seconds);
