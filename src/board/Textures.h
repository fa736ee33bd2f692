// Textures from pictures and bitmaps, and the list of long-lived ones.
// The pixel-buffer builders run without a display; the rest needs the
// table's OpenGL context to be current.
#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>

#include "board/Board.h"
#include "board/TextureList.h"
#include "ui/MyImageList.h"

// ---- pixel buffers (no OpenGL) ----
// Crops a 24-bit bitmap to power-of-two sides (32..1024), keeping the
// top-left part; sides below 32 leave it untouched.
void CropToPow2(QImage &B);
// RGBA bytes, top row first: colour from C, alpha from the first byte
// (blue) of M at the same place, 255 minus it when invert is set.
QByteArray MaskedBitmapBuffer(const QImage &C, const QImage &M, bool invert);
// RGB bytes of a 24-bit bitmap, bottom row first, rows packed.
QByteArray BottomUpRGBBuffer(const QImage &B);

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
