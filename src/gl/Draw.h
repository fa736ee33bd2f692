// The frame: the only code that draws the table.  Every routine expects the
// table's OpenGL context to be current, with the state of InitGLState and
// the projection of SetupProjection in force.
#pragma once

#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "picture/AtlasLayout.h"
#include "board/Board.h"
#include "board/TextureList.h"
#include "gl/HandMark.h"

// What part of the table the window shows: the board point at the
// window's top-left corner, window pixels per board pixel, and the table's
// size in board pixels (0 x 0: the table is the window).
struct TTableView {
    double Left = 0;
    double Top = 0;
    double Zoom = 1;
    int TableW = 0;
    int TableH = 0;
    bool DragShadow = true; // shadows on: the dragged pieces cast strong ones, resting pieces faint ones (from 100% up)
    bool Reduced = false;   // the atlas has its reduced copies, sampled below ReducedZoom
    THandMark Hand = {};    // the hand of keyboard play
    float UiScale = 1;      // the interface's scale: the finish time's size
    float Ghost = 0;        // the picture's ghost on the home area, 0..1
    // The felt's tile scaled to this zoom, laid texel for pixel from the
    // table's corner (0: the felt's own tile, drawn through the view).
    uint32_t FeltTex = 0;
    int FeltW = 0, FeltH = 0;
};

// Below this zoom the pieces are sampled from the atlas's reduced copies.
constexpr double ReducedZoom = 0.75;
// The dragged pieces' shadow lies this many pixels off them.
constexpr int DragShadowOffset = 2;
// One flag a piece: set for each of `pieces` (numbers naming no piece are
// left out).
std::vector<char> PieceFlags(const Board &b, const std::vector<int> &pieces);

// The table's colour where no background covers it: (0.3, 0.4, 0.6).
void SetTableClearColour();
// Fixed state of the table: colour material, 2D texturing and
// source-alpha blending on, no depth test.
void InitGLState();
// Viewport in device pixels; orthographic projection in logical pixels
// with y downwards (one unit = one logical pixel), pushed back by 10.
void SetupProjection(int W, int H, int deviceW, int deviceH);

// Binds the texture and draws it on (x, y)..(x + width, y + height), with
// texture t = 0 at the top edge.
void DrawQuad(uint32_t tex, float x, float y, float height, float width);

// One complete frame of the table for a panel of W x H logical pixels:
// background tiles over the table, finished picture, resting pieces (those
// the edge filter shows, each over its faint shadow when shadows are on
// from 100% up, less the shadows their own groups cover),
// the turning piece or group, the dragged piece or group with its strong
// shadows, all seen through the view; then, on the window itself, the
// corner plate, the finish time (and the record label) and the cutting
// overlay.  A paused table shows only its background, the corner plate and
// the pause plate.  Pieces wholly outside the window are not sent; the rest
// and their shadows go out as one vertex array, one run per atlas page.
// Reads the board; changes no texture.
void DrawFrame(const Board &b, const TTextureList &textures, int W, int H, const QString &timeCaption,
               const TTableView &view = {}, const TAtlasLayout &atlas = {});

// ---- the frame in two layers, for drawing only what changed ----
// The frame is the table layer (everything DrawFrame draws up to the
// pieces, less the moving ones) with the moving layer over it; the two
// together give DrawFrame's pixels exactly.  A piece the table should not
// show at all (the edge filter's hidden ones) is left out by PieceOnTable
// in Draw.cpp for every layer alike.  Drawing of one's own under the pieces
// goes into DrawUnderPieces (both layers draw it), over the resting pieces
// into DrawPieces after them; whatever either reads must be added to the
// digest in AddScene.  Drawing over everything that changes while a piece
// moves (a pulse, a hand) either makes MovingPieces answer none while it
// shows (its frames are then drawn whole) or is drawn at the end of both
// DrawFrame and DrawMoving with its rectangle in MovingBounds.

// The pieces on the move, drawn last in this order: the dragged piece or
// group while nothing else moves and no overlay covers the table (no turn,
// no cutting, no finish, no pause).  Empty otherwise: then every frame is
// drawn whole.
std::vector<int> MovingPieces(const Board &b, bool dragShadow);
// Everything of the frame but the moving pieces and the window's overlays
// over them.
void DrawTable(const Board &b, const TTextureList &textures, int W, int H, const TTableView &view,
               const TAtlasLayout &atlas, const std::vector<int> &moving);
// The moving pieces (and their shadows) alone, those within `clip` (window
// pixels) only.
void DrawMoving(const Board &b, int W, int H, const TTableView &view, const TAtlasLayout &atlas,
                const std::vector<int> &moving, const QRect &clip);
// The pieces just dropped, when they lie on top of the stacking order
// (`dropped` in any order) and no overlay covers the table; the table under
// them is then the one drawn while they moved.  In stacking order; empty
// otherwise.
std::vector<int> SettledPieces(const Board &b, const std::vector<int> &dropped);
// Those pieces alone, as resting ones (each over its faint shadow), within
// `clip` (window pixels).
void DrawSettled(const Board &b, int W, int H, const TTableView &view, const TAtlasLayout &atlas,
                 const std::vector<int> &settled, const QRect &clip);
// The window pixels the moving pieces and their shadows can touch.
QRect MovingBounds(const Board &b, const TTableView &view, const std::vector<int> &moving);
// A digest of everything DrawTable draws with these moving pieces: two
// equal digests draw the same table.
uint64_t TableSignature(const Board &b, const TTextureList &textures, int W, int H, const TTableView &view,
                        const TAtlasLayout &atlas, const std::vector<int> &moving);
// The same for the whole frame DrawFrame draws.
uint64_t FrameSignature(const Board &b, const TTextureList &textures, int W, int H, const QString &timeCaption,
                        const TTableView &view, const TAtlasLayout &atlas);

// ---- a pan moves the last frame ----
// Whether this frame, drawn at another offset of the same view, would be
// the same pixels moved by the whole window pixels between the two, but
// for the strips that come into view and the window's fixed rectangle
// (the corner plate, drawn on the window under the pieces): 100% on whole
// board pixels, a device pixel a logical one, and nothing else on the
// window or off the pixel grid (no pause, finish, cutting, hand, turn or
// hint's pulse).
bool FrameMovesWithView(const Board &b, const TTableView &view, int W, int H, int deviceW, int deviceH);
// The part of the window that stays put when the table moves under it.
QRect FixedOnWindow(int W, int H);
// FrameSignature less the view's offset: two frames with equal digests
// differ only in where the window lies over the table.
uint64_t FrameSignatureAnywhere(const Board &b, const TTextureList &textures, int W, int H,
                                const QString &timeCaption, const TTableView &view, const TAtlasLayout &atlas);
// TableSignature less the view's offset, the same way.
uint64_t TableSignatureAnywhere(const Board &b, const TTextureList &textures, int W, int H, const TTableView &view,
                                const TAtlasLayout &atlas, const std::vector<int> &moving);
// DrawFrame's (DrawTable's) pixels within `clip` (window pixels), for a
// caller that scissors to it: pieces wholly outside it are not sent.
void DrawFramePart(const Board &b, const TTextureList &textures, int W, int H, const QString &timeCaption,
                   const TTableView &view, const TAtlasLayout &atlas, const QRect &clip);
void DrawTablePart(const Board &b, const TTextureList &textures, int W, int H, const TTableView &view,
                   const TAtlasLayout &atlas, const std::vector<int> &moving, const QRect &clip);

// ---- a frame repaints what changed since the last ----
// What the last frame drew of each piece, so that the next may repaint
// only round the pieces that changed: any frame whose pieces alone change
// (no overlay over the table, nothing but pieces on it) against one with
// the same scene.
struct TPieceDrawn {
    int X = 0, Y = 0;
    int Rotation = 0;
    int Look = 0; // shown, its shadow covered, drawn in the moving layer (flags)
    uint32_t Img = 0, Shd = 0;
    bool operator==(const TPieceDrawn &o) const
    {
        return X == o.X && Y == o.Y && Rotation == o.Rotation && Look == o.Look && Img == o.Img && Shd == o.Shd;
    }
};
struct TPiecesDrawn {
    uint64_t Scene = 0; // everything but the pieces; 0: not to be repainted in part
    std::vector<TPieceDrawn> Pieces;
    std::vector<int> Order; // stacking order as drawn, the moving layer last
};
// The frame's pieces as drawn with `moving` in the moving layer.
TPiecesDrawn PiecesDrawn(const Board &b, const TTextureList &textures, int W, int H, const TTableView &view,
                         const TAtlasLayout &atlas, const std::vector<int> &moving);
// The window pixels that differ between the frame `was` and `now`: round
// every piece drawn otherwise or elsewhere, or moved in the stacking order
// past another.  Nullopt when the two cannot be compared (another scene).
std::optional<QRect> ChangedSince(const Board &b, const TTableView &view, const TPiecesDrawn &was,
                                  const TPiecesDrawn &now);
