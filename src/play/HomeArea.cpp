#include "play/HomeArea.h"

namespace play {

QRect HomeArea(const TCutInfo &cut, int width, int height)
{
    const int pw = PictureWidth(cut), ph = PictureHeight(cut);
    return {(width - pw) / 2, (height - ph) / 2, pw, ph};
}

bool PieceOverlaps(const TCutInfo &cut, int x, int y, const QRect &area)
{
    const int inset = TexInset(cut);
    return QRect(x + inset, y + inset, cut.CellSize, cut.CellSize).intersects(area);
}

} // namespace play
