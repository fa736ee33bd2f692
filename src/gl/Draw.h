// The frame: the only code that draws the table.  Every routine expects the
// table's OpenGL context to be current, with the state of InitGLState and
// the projection of SetupProjection in force.
#pragma once

#include <QString>
#include <cstdint>

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
    bool DragShadow = true; // the dragged pieces cast their shadows
    THandMark Hand = {};    // the hand of keyboard play
    float UiScale = 1;      // the interface's scale: the finish time's size
    float Ghost = 0;        // the picture's ghost on the home area, 0..1
};

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
// the edge filter shows), the turning piece or group, the dragged piece or
// group with its shadows, all seen through the view; then, on the window
// itself, the corner plate, the finish time (and the record label) and the
// cutting overlay.  A paused table shows only its background, the corner
// plate and the pause plate.  The pieces and shadows go out as one vertex
// array, bound once when they share an atlas.  Reads the board; changes no
// texture.
void DrawFrame(const Board &b, const TTextureList &textures, int W, int H, const QString &timeCaption,
               const TTableView &view = {}, const TAtlasLayout &atlas = {});
