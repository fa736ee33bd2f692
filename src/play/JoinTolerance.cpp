#include "play/JoinTolerance.h"

#include <algorithm>
#include <cmath>

namespace play {

int CutTolerance(int sizeIndex) { return sizeIndex == 1 ? 7 : 5; }

int JoinTolerance(int sizeIndex, double zoom, int screenPx)
{
    const int own = CutTolerance(sizeIndex);
    if ((!IsBigCut(sizeIndex) && zoom >= 1.0) || !(zoom > 0))
        return own;
    const int px = std::clamp(screenPx, kJoinPxLeast, kJoinPxMost);
    const int onTable = int(std::ceil(px / zoom - 1e-9));
    const TCutInfo &cut = CutTable[ValidSizeIndex(sizeIndex) ? sizeIndex : 1];
    return std::min(std::max(own, onTable), Pitch(cut) / 2);
}

} // namespace play
