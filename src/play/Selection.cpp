#include "play/Selection.h"

#include <algorithm>
#include <cmath>

#include "board/EdgeFilter.h"
#include "play/Animation.h"
#include "play/CellGrid.h"
#include "play/DragKeys.h"
#include "play/Fitting.h"

namespace play {

namespace {

bool ValidPiece(const Board &b, int i) { return i >= 0 && i < b.Pieces.Count(); }

std::vector<int> UnitOf(const Board &b, int piece)
{
    const int g = b.Pieces[piece].Group;
    return b.HasGroup(g) ? b.Groups[size_t(g)] : std::vector<int>{piece};
}

} // namespace

bool IsSelected(const Board &b, int piece)
{
    return std::find(b.Selected.begin(), b.Selected.end(), piece) != b.Selected.end();
}

std::vector<int> WithGroups(const Board &b, const std::vector<int> &pieces)
{
    std::vector<char> taken(size_t(b.Pieces.Count()), 0);
    std::vector<int> out;
    for (const int p : pieces) {
        if (!ValidPiece(b, p) || taken[size_t(p)])
            continue;
        for (const int m : UnitOf(b, p))
            if (ValidPiece(b, m) && !taken[size_t(m)]) {
                taken[size_t(m)] = 1;
                out.push_back(m);
            }
    }
    return out;
}

std::vector<int> Units(const Board &b, const std::vector<int> &pieces)
{
    std::vector<char> seenGroup(b.Groups.size(), 0), seenPiece(size_t(b.Pieces.Count()), 0);
    std::vector<int> out;
    for (const int p : pieces) {
        if (!ValidPiece(b, p))
            continue;
        const int g = b.Pieces[p].Group;
        char &seen = b.HasGroup(g) ? seenGroup[size_t(g)] : seenPiece[size_t(p)];
        if (!seen)
            out.push_back(p);
        seen = 1;
    }
    return out;
}

void ToggleSelected(Board &b, int piece)
{
    if (!ValidPiece(b, piece))
        return;
    const std::vector<int> unit = WithGroups(b, {piece});
    if (IsSelected(b, piece)) {
        auto gone = [&](int p) { return std::find(unit.begin(), unit.end(), p) != unit.end(); };
        b.Selected.erase(std::remove_if(b.Selected.begin(), b.Selected.end(), gone), b.Selected.end());
        return;
    }
    std::vector<int> all = b.Selected;
    all.insert(all.end(), unit.begin(), unit.end());
    b.Selected = WithGroups(b, all);
}

void ClearSelection(Board &b) { b.Selected.clear(); }

void SelectInBand(Board &b, const TCellGrid &grid, const QRect &band)
{
    std::vector<int> all = b.Selected;
    const std::vector<int> inBand = grid.PiecesCentredIn(b, band.normalized());
    all.insert(all.end(), inBand.begin(), inBand.end());
    b.Selected = WithGroups(b, all);
}

TPlayResult PressSelection(Board &b, int piece, int x, int y)
{
    TPlayResult r;
    // Groups may have grown since, and a filter may hide some of it now.
    const std::vector<char> shown = ShownPieces(b);
    std::vector<int> kept;
    for (const int m : WithGroups(b, b.Selected))
        if (shown[size_t(m)])
            kept.push_back(m);
    b.Selected = kept;
    b.Dragging = true;
    b.DragSelection = true;
    b.DragGroup = false;
    b.DragPiece = piece;
    NoteDragStart(b);
    for (const int m : b.Selected) {
        Tpiece &p = b.Pieces[m];
        p.GrabX = x - p.X;
        p.GrabY = y - p.Y;
    }
    BringToTop(b, b.Selected);
    r.Redraw = true;
    return r;
}

TPlayResult DragSelectionTo(Board &b, int x, int y)
{
    TPlayResult r;
    for (const int m : b.Selected) {
        if (!ValidPiece(b, m))
            continue;
        Tpiece &p = b.Pieces[m];
        p.X = x - p.GrabX;
        p.Y = y - p.GrabY;
    }
    r.Redraw = true;
    return r;
}

TPlayResult DropSelection(Board &b)
{
    TPlayResult r;
    b.Dragging = false;
    b.DragSelection = false;
    b.DragGroup = false;
    const int pressed = b.DragPiece;
    // A unit may be swallowed by an earlier one's join: each is looked up
    // again by its piece when its turn comes.
    for (const int u : Units(b, b.Selected)) {
        b.DragPiece = u;
        const TPlayResult one = TestPsAdd(b);
        r.PlayJoinClick |= one.PlayJoinClick;
        r.PlayMilestone |= one.PlayMilestone;
        r.Finished |= one.Finished;
        if (r.Finished)
            break;
    }
    b.DragPiece = pressed;
    // A milestone or the finish sounds instead of the click.
    if (r.PlayMilestone || r.Finished)
        r.PlayJoinClick = false;
    if (r.Finished)
        r.PlayMilestone = false;
    b.Selected = WithGroups(b, b.Selected);
    r.Redraw = true;
    return r;
}

TPlayResult TurnSelection(Board &b)
{
    TPlayResult r;
    if (!b.RotateEnabled || b.TurnPiece >= 0 || b.DragSelection)
        return r;
    const int half = HalfTex(b.Cut());
    for (const int u : Units(b, b.Selected)) {
        const std::vector<int> unit = UnitOf(b, u);
        double cx = 0, cy = 0;
        int count = 0;
        for (const int m : unit)
            if (ValidPiece(b, m)) {
                cx += b.Pieces[m].X + half;
                cy += b.Pieces[m].Y + half;
                ++count;
            }
        if (count == 0)
            continue;
        cx /= count;
        cy /= count;
        // The piece's centre goes a quarter round the unit's centre
        // (clockwise, y running down); the rest of its group is laid round it.
        Tpiece &p = b.Pieces[u];
        const double px = p.X + half - cx, py = p.Y + half - cy;
        p.X = int(std::lround(cx - py)) - half;
        p.Y = int(std::lround(cy + px)) - half;
        p.Rotation = uint8_t((p.Rotation + 1) % 4);
        if (b.HasGroup(p.Group))
            PlaceGroupRound(b, u);
    }
    r.Redraw = true;
    return r;
}

} // namespace play
