#include "play/Trays.h"

#include <algorithm>
#include <cmath>

#include "play/DragKeys.h"
#include "play/HitTest.h"
#include "play/Selection.h"
#include "play/Spread.h"

namespace play {

namespace {

bool ValidPiece(const Board &b, int i) { return i >= 0 && i < b.Pieces.Count(); }

// Takes the pieces out of every tray and out of the selection.
void Lift(Board &b, const std::vector<int> &pieces)
{
    std::vector<char> lifted(size_t(b.Pieces.Count()), 0);
    for (const int p : pieces)
        lifted[size_t(p)] = 1;
    auto gone = [&](int p) { return ValidPiece(b, p) && lifted[size_t(p)]; };
    for (TTray &t : b.Trays)
        t.Pieces.erase(std::remove_if(t.Pieces.begin(), t.Pieces.end(), gone), t.Pieces.end());
    b.Selected.erase(std::remove_if(b.Selected.begin(), b.Selected.end(), gone), b.Selected.end());
}

} // namespace

bool ValidTray(int tray) { return tray >= 0 && tray < MaxTrays; }

std::vector<int> TrayOfPieces(const Board &b)
{
    std::vector<int> of(size_t(b.Pieces.Count()), -1);
    for (size_t k = 0; k < b.Trays.size(); ++k)
        for (const int p : b.Trays[k].Pieces)
            if (ValidPiece(b, p))
                of[size_t(p)] = int(k);
    return of;
}

int TrayHolding(const Board &b, int piece)
{
    for (size_t k = 0; k < b.Trays.size(); ++k) {
        const std::vector<int> &in = b.Trays[k].Pieces;
        if (std::find(in.begin(), in.end(), piece) != in.end())
            return int(k);
    }
    return -1;
}

int PutInTray(Board &b, int tray, const std::vector<int> &pieces)
{
    if (!ValidTray(tray) || size_t(tray) >= b.Trays.size())
        return 0;
    const std::vector<int> whole = WithGroups(b, pieces);
    if (whole.empty())
        return 0;
    if (b.Dragging)
        CancelDrag(b); // a piece cannot go on being dragged from a tray
    Lift(b, whole);
    std::vector<int> &in = b.Trays[size_t(tray)].Pieces;
    in.insert(in.end(), whole.begin(), whole.end());
    return int(whole.size());
}

int PutDraggedInTray(Board &b, int tray)
{
    if (!b.Dragging || !ValidPiece(b, b.DragPiece))
        return 0;
    const std::vector<int> pieces = b.DragSelection ? b.Selected : std::vector<int>{b.DragPiece};
    CancelDrag(b);
    return PutInTray(b, tray, pieces);
}

bool TakeOutOfTray(Board &b, int piece, int x, int y)
{
    if (!ValidPiece(b, piece) || TrayHolding(b, piece) < 0)
        return false;
    const std::vector<int> whole = WithGroups(b, {piece});
    Lift(b, whole);
    const THitSquare hit = HitSquare(b, b.Pieces[piece]);
    const int dx = x - (hit.Left + hit.Right) / 2, dy = y - (hit.Top + hit.Bottom) / 2;
    for (const int m : whole) {
        b.Pieces[m].X += dx;
        b.Pieces[m].Y += dy;
    }
    BringToTop(b, whole);
    return true;
}

std::vector<int> TakeAllOutOfTray(Board &b, int tray, const QRect &area)
{
    if (!ValidTray(tray) || size_t(tray) >= b.Trays.size())
        return {};
    const std::vector<int> pieces = b.Trays[size_t(tray)].Pieces;
    b.Trays[size_t(tray)].Pieces.clear();
    b.Trays[size_t(tray)].Swatch = -1;
    // Groups keep their places; the loose pieces are spread out.
    std::vector<int> loose;
    for (const int p : pieces)
        if (!b.HasGroup(b.Pieces[p].Group))
            loose.push_back(p);
    for (const TSpreadPlace &s : SpreadPlaces(b, loose, area)) {
        b.Pieces[s.Piece].X = s.To.x();
        b.Pieces[s.Piece].Y = s.To.y();
    }
    BringToTop(b, pieces);
    return pieces;
}

void RenameTray(Board &b, int tray, const QString &name)
{
    if (!ValidTray(tray) || size_t(tray) >= b.Trays.size())
        return;
    const QString n = name.simplified().left(MaxTrayNameChars);
    b.Trays[size_t(tray)].Name = n.isEmpty() ? DefaultTrayName(tray) : n;
}

int TrayCell(const TCutInfo &cut) { return int(std::lround(1.1 * Pitch(cut))); }

QPoint TrayCellCorner(const TCutInfo &cut, int columns, int k)
{
    const int c = std::max(1, columns);
    return QPoint((k % c) * TrayCell(cut), (k / c) * TrayCell(cut));
}

int TrayRows(int columns, int count)
{
    const int c = std::max(1, columns);
    return (std::max(0, count) + c - 1) / c;
}

} // namespace play
