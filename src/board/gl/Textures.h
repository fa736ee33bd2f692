// Textures from pictures and bitmaps, and the list of long-lived ones.
// The pixel-buffer builders run without a display; the rest needs the
// table's OpenGL context to be current.
#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <functional>

#include "board/Board.h"
#include "board/TextureList.h"
#include "board/MyImageList.h"

// ---- pixel buffers (no OpenGL) ----
// Crops a 24-bit bitmap to power-of-two sides (32..1024), keeping the
// top-left part; sides below 32 leave it untouched.
void CropToPow2(QImage &B);
// RGBA bytes, top row first: colour from C, alpha from the first byte
// (blue) of M at the same place, 255 minus it when invert is set.
QByteArray MaskedBitmapBuffer(const QImage &C, const QImage &M, bool invert);
// RGB bytes of a 24-bit bitmap, bottom row first, rows packed.
QByteArray BottomUpRGBBuffer(const QImage &B);
// RGBA bytes of a picture's own pixels, top row first (alpha kept).
QByteArray TopDownRGBABuffer(const QImage &img);

// What one upload of a picture hands to the graphics card: the packed rows
// and whether they carry alpha (4 components) or not (3).
struct TPixelUpload {
    QByteArray Bytes;
    int Width = 0;
    int Height = 0;
    int Components = 0; // 3 = RGB, 4 = RGBA; 0 = nothing to upload
    bool TopDown = true; // rows run top row first
};
// The upload TexFromPicture (keepPng = true) or TexReplaceFromPicture
// (keepPng = false) makes of a picture.  A PNG keeps its own alpha only in
// the first; everything else is drawn onto a 24-bit bitmap (over white),
// optionally cropped to powers of two, and read bottom row first, with
// alpha from the red byte or from the bitmap's key colour when asked.
TPixelUpload PictureUpload(const TPicture &P, bool redAlpha, bool keyAlpha, bool pow2, bool keepPng);

// ---- the table's context ----
// Every routine below makes the table's context current through this hook
// first (set by the main window; tests with their own current context
// leave it empty).  A hook answering false means there is no context: the
// routine then does nothing and returns 0.
void SetTextureContextHook(std::function<bool()> hook);
bool MakeTextureContextCurrent();

// ---- OpenGL (context current) ----
uint32_t NewTexture(TTextureList &list, bool clamp, bool listed);
uint32_t SetTexParams(uint32_t name, bool clamp);
void RegisterTexture(TTextureList &list, uint32_t name);
void ClearTextures(TTextureList &list);
uint32_t TexFromMaskedBitmap(TTextureList &list, const QImage &C, const QImage &M, bool invert, bool listed, bool clamp);
uint32_t TexFromPNG(TTextureList &list, const QImage &png, bool clamp, bool listed);
// Any picture; a PNG keeps its own alpha whatever the flags.  Sets the
// board's BgTileW/BgTileH to the texture's size (non-PNG path).
uint32_t TexFromPicture(TTextureList &list, Board &b, const TPicture &P, bool redAlpha, bool keyAlpha,
                        bool pow2, bool listed, bool clamp);
// Refills `name` from any picture (a PNG loses its alpha here); sets
// BgTileW/BgTileH; returns the name.
uint32_t TexReplaceFromPicture(Board &b, uint32_t name, const TPicture &P, bool redAlpha, bool pow2, bool clamp,
                               bool keyAlpha);
// Fills the board's FinishedTex, creating it the first time.
void TexFinished(Board &b, const QImage &C, const QImage &M, bool invert, bool clamp);
