// Textures from pictures, and the list of long-lived ones.  Everything here
// needs the table's OpenGL context to be current.
#pragma once

#include <QImage>
#include <cstdint>
#include <functional>

#include "board/Board.h"
#include "picture/MyImageList.h"
#include "board/TextureList.h"

// ---- the table's context ----
// Every routine below makes the table's context current through this hook
// first (set by the main window; tests with their own current context
// leave it empty).  A hook answering false means there is no context: the
// routine then does nothing and returns 0.
void SetTextureContextHook(std::function<bool()> hook);
bool MakeTextureContextCurrent();

// ---- OpenGL (context current) ----
// Whether the card takes the upload of a picture (cropped to powers of two
// when pow2 is set, as far as its sides allow): a picture it refuses would
// leave the texture with whatever it held before.
bool PictureFitsCard(const TPicture &P, bool pow2);
uint32_t NewTexture(TTextureList &list, bool clamp, bool listed);
uint32_t SetTexParams(uint32_t name, bool clamp);
void RegisterTexture(TTextureList &list, uint32_t name);
void ClearTextures(TTextureList &list);
uint32_t TexFromPNG(TTextureList &list, const QImage &png, bool clamp, bool listed);
// Any picture; a PNG keeps its own alpha whatever the flags.  Sets the
// board's BgTileW/BgTileH to the texture's size (non-PNG path).
uint32_t TexFromPicture(TTextureList &list, Board &b, const TPicture &P, bool redAlpha, bool keyAlpha,
                        bool pow2, bool listed, bool clamp);
// Refills `name` from any picture (a PNG loses its alpha here); sets
// BgTileW/BgTileH; returns the name.
uint32_t TexReplaceFromPicture(Board &b, uint32_t name, const TPicture &P, bool redAlpha, bool pow2, bool clamp,
                               bool keyAlpha);
