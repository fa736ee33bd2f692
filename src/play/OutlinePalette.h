// The colours of every outline drawn on the table: each is two lines side
// by side, a dark one and a light one, so that one of them stands out from
// whatever lies under it (any background, any picture) at a contrast of at
// least 3:1.
#pragma once

#include <cstdint>

namespace play {

struct TTone {
    uint8_t R, G, B;
};

struct TOutline {
    TTone Dark;  // the outer line
    TTone Light; // the inner line
};

enum class TOutlineKind { Selection, Hint, Hand };

const TOutline &OutlineOf(TOutlineKind kind);

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double Luminance(TTone c);
// The contrast ratio of two colours, 1 (none) to 21 (black on white).
double Contrast(TTone a, TTone b);

} // namespace play
