#include "picture/AtlasLayout.h"

#include <algorithm>

#include "board/Board.h"

int TAtlasLayout::PageOf(uint32_t handle) const
{
    if (handle == 0 || int64_t(handle) > Capacity())
        return -1;
    return int(handle - 1) / PerPage();
}

uint32_t TAtlasLayout::TextureOf(uint32_t handle) const
{
    const int page = PageOf(handle);
    return page >= 0 && size_t(page) < Pages.size() ? Pages[size_t(page)] : 0;
}

QRect TAtlasLayout::SlotRect(uint32_t handle) const
{
    if (PageOf(handle) < 0)
        return {};
    const int s = int(handle - 1) % PerPage();
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
    const int rowsNeeded = (count + perRow - 1) / perRow;
    const int rowsPerPage = std::min(rowsNeeded, largest / side);
    const int perPage = perRow * rowsPerPage;
    a.Width = perRow * side;
    a.Height = rowsPerPage * side;
    a.Side = side;
    a.PageCount = (count + perPage - 1) / perPage;
    return a;
}

bool CutFitsCard(const TCutInfo &cut, int largest)
{
    const TAtlasLayout a = TAtlasLayout::For(2 * PieceCount(cut), cut.TexSize, AtlasWidest, largest);
    return a.Side > 0 && a.PageCount <= AtlasMostPages;
}
