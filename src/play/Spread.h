// Spreading pieces out: the loose pieces (or the chosen ones) laid on a grid
// of places in the free parts of an area of the table, where no other shown
// piece lies, so that none covers another; edge pieces first.  «Разложить»
// spreads over the table, «Собрать потерянные» brings the loose pieces lying
// outside the view into it, and a tray emptied at once spreads its pieces.
#pragma once

#include <QPoint>
#include <QRect>
#include <vector>

#include "board/Board.h"

namespace play {

struct TSpreadPlace {
    int Piece;
    QPoint To; // the piece's new corner (X, Y)
};

// Places for `pieces` (whole squares of CellSize apart, each clear of every
// other shown piece's square) in `area`, rows from its top-left corner:
// edge pieces first, then the others, each kind in the given order.  When
// the area has too few free places, the places close up to hit squares
// apart; pieces beyond even those are left out.
std::vector<TSpreadPlace> SpreadPlaces(const Board &b, const std::vector<int> &pieces, const QRect &area);

// Every loose piece shown on the table, in piece order.
std::vector<int> LoosePieces(const Board &b);
// The loose shown pieces whose hit square is not wholly inside `view`.
std::vector<int> LostPieces(const Board &b, const QRect &view);

// A spread shown briefly: the pieces glide from where they lay to their
// places in a few ticks of the animation timer.
class TSpreadGlide {
public:
    static constexpr int Ticks = 6;
    void Start(const Board &b, const std::vector<TSpreadPlace> &places);
    bool Running() const { return !m_pieces.empty(); }
    // One tick; false once every piece has arrived (it then stops).
    bool Tick(Board &b);
    // Every piece at its place at once.
    void Finish(Board &b);

private:
    std::vector<int> m_pieces;
    std::vector<QPoint> m_from, m_to;
    int m_tick = 0;
};

} // namespace play
