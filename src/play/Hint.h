// The hint: with the pointer over an open side of a piece or group (the gap
// where a neighbour of the picture is still missing), the piece that
// belongs there.  It pulses for a while, at most twice a second.
#pragma once

#include <QPointF>

#include "board/Board.h"

namespace play {

// Ticks of the animation timer a hint pulses for (50 ms each).
constexpr int kHintTicks = 120;
// Pulses a second.
constexpr double kHintHz = 1.5;

// The missing neighbour whose place, beside a shown piece on the side
// nearest the board point, lies nearest it (within one pitch and a quarter
// of that place's middle); -1 when the point is over no open side.
int HintAt(const Board &b, QPointF board);

// Shows the hint on piece p (counted as used) from the first tick on.
void StartHint(Board &b, int p);
// One tick of the pulse; false once it is over (the hint is then gone).
bool TickHint(Board &b);
// The pulse's strength at the hint's tick, 0..1.
double HintGlow(const Board &b);

} // namespace play
