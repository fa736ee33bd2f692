#include "play/Reach.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "play/HitTest.h"

namespace play {

namespace {

bool OnTable(const THitSquare &s, int w, int h)
{
    return s.Left < w && s.Right > 0 && s.Top < h && s.Bottom > 0;
}

// Shift along one axis that puts [lo, hi) wholly into [0, size) with the
// least movement; when it is longer than the table, its start goes to 0.
int AxisShift(int lo, int hi, int size)
{
    const int least = -lo, most = size - hi;
    if (least > most)
        return least;
    return std::clamp(0, least, most);
}

// Brings the members of `unit` in if some of them are off the table.
bool KeepUnit(Board &b, const std::vector<int> &unit, int w, int h)
{
    std::vector<THitSquare> squares;
    std::vector<bool> off;
    bool anyOff = false, anyOn = false;
    for (int m : unit) {
        squares.push_back(HitSquare(b, b.Pieces[m]));
        off.push_back(!OnTable(squares.back(), w, h));
        anyOff = anyOff || off.back();
        anyOn = anyOn || !off.back();
    }
    if (!anyOff)
        return false;

    // The least shift that puts every stray member's square wholly on the
    // table, if there is one and it strands no other member.
    int loX = INT_MIN, hiX = INT_MAX, loY = INT_MIN, hiY = INT_MAX;
    for (size_t i = 0; i < unit.size(); ++i) {
        if (!off[i])
            continue;
        loX = std::max(loX, -squares[i].Left);
        hiX = std::min(hiX, w - squares[i].Right);
        loY = std::max(loY, -squares[i].Top);
        hiY = std::min(hiY, h - squares[i].Bottom);
    }
    int dx = 0, dy = 0;
    bool found = false;
    if (loX <= hiX && loY <= hiY) {
        dx = std::clamp(0, loX, hiX);
        dy = std::clamp(0, loY, hiY);
        found = true;
        for (size_t i = 0; i < unit.size() && found; ++i) {
            const THitSquare &s = squares[i];
            if (!off[i] && !OnTable({s.Left + dx, s.Top + dy, s.Right + dx, s.Bottom + dy}, w, h))
                found = false;
        }
    }
    if (!found) {
        if (anyOn)
            return false; // still grabbed by a member on the table
        dx = AxisShift(squares[0].Left, squares[0].Right, w);
        dy = AxisShift(squares[0].Top, squares[0].Bottom, h);
    }
    if (dx == 0 && dy == 0)
        return false;
    for (int m : unit) {
        b.Pieces[m].X += dx;
        b.Pieces[m].Y += dy;
    }
    return true;
}

// The piece and, when it belongs to a group, every member that really is
// one (its own list names it and it names the group).
std::vector<int> UnitOf(const Board &b, int piece)
{
    const int n = b.Pieces.Count();
    const int g = b.Pieces[piece].Group;
    std::vector<int> unit;
    if (b.HasGroup(g))
        for (int m : b.Members(g))
            if (m >= 0 && m < n && b.Pieces[m].Group == g)
                unit.push_back(m);
    if (std::find(unit.begin(), unit.end(), piece) == unit.end())
        unit.push_back(piece);
    return unit;
}

} // namespace

bool KeepPiecesOnTable(Board &b, int width, int height)
{
    if (b.Dragging || width <= 0 || height <= 0)
        return false;
    std::vector<bool> done(b.Groups.size(), false);
    bool moved = false;
    for (int i = 0; i < b.Pieces.Count(); ++i) {
        const int g = b.Pieces[i].Group;
        if (b.HasGroup(g)) {
            if (done[size_t(g)])
                continue;
            done[size_t(g)] = true;
        }
        moved = KeepUnit(b, UnitOf(b, i), width, height) || moved;
    }
    return moved;
}

bool KeepDroppedOnTable(Board &b, int piece, int width, int height)
{
    if (b.Dragging || width <= 0 || height <= 0 || piece < 0 || piece >= b.Pieces.Count())
        return false;
    return KeepUnit(b, UnitOf(b, piece), width, height);
}

} // namespace play
