#include "play/OutlinePalette.h"

#include <algorithm>
#include <cmath>

namespace play {

const TOutline &OutlineOf(TOutlineKind kind)
{
    // The selection black and white, the hint magenta on white, the hand
    // yellow on navy: told apart by their light tone.
    static const TOutline selection{{0, 0, 0}, {255, 255, 255}};
    static const TOutline hint{{70, 0, 70}, {255, 170, 255}};
    static const TOutline hand{{10, 20, 70}, {255, 215, 0}};
    switch (kind) {
    case TOutlineKind::Selection: return selection;
    case TOutlineKind::Hint: return hint;
    case TOutlineKind::Hand: break;
    }
    return hand;
}

double Luminance(TTone c)
{
    const auto lin = [](uint8_t v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.R) + 0.7152 * lin(c.G) + 0.0722 * lin(c.B);
}

double Contrast(TTone a, TTone b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace play
