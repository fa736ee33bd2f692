#include "play/Fitting.h"

#include "board/EdgeFilter.h"
#include "play/JoinTolerance.h"

namespace play {

namespace {

enum { kRight = 0, kDown = 1, kLeft = 2, kUp = 3 };

bool ValidPiece(const Board &b, int i) { return i >= 0 && i < b.Pieces.Count(); }

// The grid neighbour of p in direction d, or -1 at the picture's border.
int GridNeighbour(const Board &b, const Tpiece &p, int d)
{
    const TCutInfo &c = b.Cut();
    switch (d) {
    case kRight: return p.Col < c.Cols - 1 ? p.Row * c.Cols + p.Col + 1 : -1;
    case kDown: return p.Row < c.Rows - 1 ? (p.Row + 1) * c.Cols + p.Col : -1;
    case kLeft: return p.Col >= 1 ? p.Row * c.Cols + p.Col - 1 : -1;
    default: return p.Row >= 1 ? (p.Row - 1) * c.Cols + p.Col : -1;
    }
}

} // namespace

int Tolerance(const Board &b) { return b.Catch > 0 ? b.Catch : CutTolerance(b.SizeIndex); }

TFitRect CalcFitRect(const Board &b, int p, int n, int d)
{
    const TCutInfo &c = b.Cut();
    const Tpiece &P = b.Pieces[p];
    const Tpiece &N = b.Pieces[n];
    const int h = Tolerance(b);
    const int pitch = Pitch(c);
    TFitRect r{};
    switch ((d + P.Rotation) % 4) {
    case kRight:
        r.Left = P.X + c.Overlap - h;
        r.Top = P.Y - h;
        r.PointX = N.X - c.Overlap + c.TurnShift;
        r.PointY = N.Y;
        r.SnapX = N.X - pitch;
        r.SnapY = N.Y;
        break;
    case kDown:
        r.Left = P.X - h;
        r.Top = P.Y + c.Overlap - h;
        r.PointX = N.X;
        r.PointY = N.Y - c.Overlap + c.TurnShift;
        r.SnapX = N.X;
        r.SnapY = N.Y - pitch;
        break;
    case kLeft:
        r.Left = P.X - c.Overlap - h;
        r.Top = P.Y - h;
        r.PointX = N.X + c.Overlap - c.TurnShift;
        r.PointY = N.Y;
        r.SnapX = N.X + pitch;
        r.SnapY = N.Y;
        break;
    default:
        r.Left = P.X - h;
        r.Top = P.Y - c.Overlap - h;
        r.PointX = N.X;
        r.PointY = N.Y + c.Overlap - c.TurnShift;
        r.SnapX = N.X;
        r.SnapY = N.Y + pitch;
        break;
    }
    r.Right = r.Left + 2 * h;
    r.Bottom = r.Top + 2 * h;
    return r;
}

bool TestPs(Board &b, int p, int &neighbour)
{
    if (!ValidPiece(b, p))
        return false;
    const std::vector<char> shown = ShownPieces(b);
    for (int d = kRight; d <= kUp; ++d) {
        Tpiece &P = b.Pieces[p];
        const int n = GridNeighbour(b, P, d);
        if (!ValidPiece(b, n) || !shown[size_t(n)])
            continue; // a hidden piece cannot be joined to unseen
        const Tpiece &N = b.Pieces[n];
        if (N.Rotation != P.Rotation)
            continue;
        if (P.Group != -1 && N.Group == P.Group)
            continue;
        const TFitRect r = CalcFitRect(b, p, n, d);
        if (!r.Captures())
            continue;
        P.GrabX = P.X;
        P.GrabY = P.Y;
        P.X = r.SnapX;
        P.Y = r.SnapY;
        neighbour = n;
        return true;
    }
    return false;
}

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const int64_t num = int64_t(a) * int64_t(b);
    const bool negative = (num < 0) != (c < 0);
    const int64_t an = num < 0 ? -num : num;
    const int64_t ac = c < 0 ? -int64_t(c) : int64_t(c);
    const int64_t q = (an + ac / 2) / ac;
    return int(negative ? -q : q);
}

TPlayResult CountJoin(Board &b)
{
    TPlayResult r;
    const int n = PieceCount(b.Cut());
    ++b.JoinCount;
    if (b.JoinCount >= n - 1) {
        b.ShowFinished = true;
        b.AniTurning = false;
        // A turn still running would otherwise never end: its timer now
        // fades, and a pending turn blocks every later press.
        b.TurnPiece = -1;
        b.TurnAngle = 0;
        r.Finished = true;
        return r;
    }
    if (MulDiv(10, b.JoinCount, n) == MulDiv(10, b.JoinCount - 1, n))
        r.PlayJoinClick = true;
    else
        r.PlayMilestone = true;
    return r;
}

namespace {

// A lone piece D dropped: it joins the neighbour's group or forms a new one.
TPlayResult JoinSingle(Board &b, int d)
{
    int n = -1;
    if (!TestPs(b, d, n))
        return {};
    const int h = b.Pieces[n].Group;
    if (b.HasGroup(h)) {
        b.Pieces[d].Group = h;
        b.Groups[size_t(h)].push_back(d);
        // The neighbour first, then the rest of its group over it.
        std::vector<int> order{n};
        for (int m : b.Members(h))
            if (m != n)
                order.push_back(m);
        BringToTop(b, order);
    } else {
        b.Groups.push_back({n, d});
        const int index = int(b.Groups.size()) - 1;
        b.Pieces[d].Group = index;
        b.Pieces[n].Group = index;
        BringToTop(b, n);
    }
    return CountJoin(b);
}

// A group G dropped: the first member that fits joins, the rest follow it.
TPlayResult JoinGroup(Board &b, int g)
{
    const std::vector<int> members = b.Members(g);
    for (int f : members) {
        int n = -1;
        if (!TestPs(b, f, n))
            continue;
        const int dx = b.Pieces[f].X - b.Pieces[f].GrabX;
        const int dy = b.Pieces[f].Y - b.Pieces[f].GrabY;
        for (int m : members) {
            if (m == f || m < 0 || m >= b.Pieces.Count())
                continue;
            b.Pieces[m].X += dx;
            b.Pieces[m].Y += dy;
        }
        const int h = b.Pieces[n].Group;
        if (b.HasGroup(h)) {
            // The other group's pieces, the neighbour last, on top and into G.
            std::vector<int> order;
            for (int m : b.Members(h))
                if (m != n && m >= 0 && m < b.Pieces.Count())
                    order.push_back(m);
            order.push_back(n);
            std::vector<int> &into = b.Groups[size_t(g)];
            std::vector<char> there(size_t(b.Pieces.Count()), 0);
            for (int m : into)
                if (m >= 0 && m < b.Pieces.Count())
                    there[size_t(m)] = 1;
            for (int m : order) {
                b.Pieces[m].Group = g;
                if (!there[size_t(m)]) {
                    into.push_back(m);
                    there[size_t(m)] = 1;
                }
            }
            BringToTop(b, order);
        } else {
            b.Pieces[n].Group = g;
            BringToTop(b, n);
            b.Groups[size_t(g)].push_back(n);
        }
        return CountJoin(b);
    }
    return {};
}

} // namespace

TPlayResult TestPsAdd(Board &b)
{
    const int d = b.DragPiece;
    if (!ValidPiece(b, d))
        return {};
    const int g = b.Pieces[d].Group;
    if (!b.HasGroup(g))
        return JoinSingle(b, d);
    return JoinGroup(b, g);
}

} // namespace play
