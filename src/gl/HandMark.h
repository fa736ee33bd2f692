// The hand of keyboard play on the table: a square round the point it
// takes pieces by, two-toned so that it shows on any background.
#pragma once

struct THandMark {
    bool Shown = false;
    float X = 0, Y = 0; // the hand, in window pixels
    float Side = 0;     // the square's side, in window pixels
    bool Holding = false; // drawn heavier while it holds a piece
};

// Draws over the frame, in window pixels (the overlays' projection).
void DrawHandMark(const THandMark &hand);
