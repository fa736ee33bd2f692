#include "play/Table.h"

#include <algorithm>
#include <cmath>

#include "play/Layout.h"

namespace play {

QSize TableSize(int sizeIndex, int windowW, int windowH)
{
    const QSize window(std::max(windowW, 1), std::max(windowH, 1));
    if (!IsBigCut(sizeIndex))
        return window;
    const TCutInfo &cut = CutTable[sizeIndex];
    const int need = PieceCount(cut);
    // Grown in steps of 5% of the window, keeping its proportions, from the
    // window itself (or the least size that could hold the home area and a
    // ring round it, whichever is larger).
    const double least = std::max(double(PictureWidth(cut) + 4 * cut.CellSize) / window.width(),
                                  double(PictureHeight(cut) + 4 * cut.CellSize) / window.height());
    for (int step = 0;; ++step) {
        const double scale = std::max(1.0, least) * (1.0 + 0.05 * step);
        const QSize table(int(std::ceil(window.width() * scale)), int(std::ceil(window.height() * scale)));
        if (EdgeSlots(sizeIndex, table.width(), table.height()).size() >= size_t(need) || step > 400)
            return table;
    }
}

QSize TableOnResize(int sizeIndex, QSize table, QSize window)
{
    window = window.expandedTo(QSize(1, 1));
    return IsBigCut(sizeIndex) ? table.expandedTo(window) : window;
}

QSize TableHolding(const Board &b, QSize table)
{
    // Far beyond anything a screen shows; a saved game is refused long
    // before its pieces could lie there.
    const int most = 1 << 16;
    const TCutInfo &cut = b.Cut();
    const int reach = TexInset(cut) + cut.CellSize; // the right edge of the drawn tile
    int w = table.width(), h = table.height();
    for (const Tpiece &p : b.Pieces) {
        w = std::max(w, std::min(most, p.X + reach));
        h = std::max(h, std::min(most, p.Y + reach));
    }
    return QSize(w, h);
}

QSize TableForLoad(const Board &b, QSize saved, QSize window)
{
    window = window.expandedTo(QSize(1, 1));
    QSize table = window;
    if (IsBigCut(b.SizeIndex))
        table = saved.isEmpty() ? TableSize(b.SizeIndex, window.width(), window.height()) : saved.expandedTo(window);
    return TableHolding(b, table);
}

} // namespace play
