// What the table shows to help find one's way: the picture's ghost on the
// home area, under the pieces, and the glow of the hinted piece over them.
// Both draw in board pixels through the view, with the state of Draw.
#pragma once

#include "board/Board.h"
#include "picture/AtlasLayout.h"

// The finished picture at `alpha` (0 draws nothing) on the home area of
// the board's table, while the game is in play.
void DrawGhost(const Board &b, float alpha);

// The hinted piece brightened by its pulse's strength, in its own shape.
void DrawHintGlow(const Board &b, const TAtlasLayout &atlas);
