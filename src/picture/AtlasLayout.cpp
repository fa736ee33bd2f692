#include "picture/AtlasLayout.h"

#include <algorithm>

QRect TAtlasLayout::SlotRect(uint32_t handle) const
{
    if (handle == 0 || int64_t(handle) > Capacity())
        return {};
    const int s = int(handle - 1);
    return {(s % PerRow()) * Side, (s / PerRow()) * Side, Side, Side};
}

QRectF TAtlasLayout::SlotCoords(uint32_t handle) const
{
    const QRect r = SlotRect(handle);
    if (r.isEmpty())
        return {};
    return {double(r.x()) / Width, double(r.y()) / Height, double(Side) / Width, double(Side) / Height};
}

TAtlasLayout TAtlasLayout::For(int count, int side, int widest, int largest)
{
    TAtlasLayout a;
    if (count <= 0 || side <= 0 || widest < side || largest < side)
        return a;
    const int perRow = std::min(count, std::min(widest, largest) / side);
    const int rows = (count + perRow - 1) / perRow;
    if (int64_t(rows) * side > largest)
        return a;
    a.Width = perRow * side;
    a.Height = rows * side;
    a.Side = side;
    return a;
}
