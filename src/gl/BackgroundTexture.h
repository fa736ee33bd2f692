// The table background's texture: entry 0 of the texture list shows the
// background the board asks for, or names no texture when there is none.
#pragma once

#include "board/Board.h"
#include "picture/MyImageList.h"
#include "board/TextureList.h"

// Shows `filePic` (a decoded picture file, cropped to power-of-two sides),
// else installed background b.BgIndex of `installed`, else nothing.  The
// tile size changes only with a texture the card accepted.
void ApplyBackground(TTextureList &list, Board &b, const TMyImageList &installed, const TPicture *filePic);

// Whether the card takes a picture file as the table background at all; one
// it refuses is as unusable as a damaged file.
bool BackgroundFitsCard(const TPicture &filePic);
