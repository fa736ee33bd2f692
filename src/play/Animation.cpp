#include "play/Animation.h"

namespace play {

void PlaceGroupRound(Board &b, int p)
{
    const Tpiece &P = b.Pieces[p];
    const int pitch = Pitch(b.Cut());
    for (int m : b.Members(P.Group)) {
        if (m == p || m < 0 || m >= b.Pieces.Count())
            continue;
        Tpiece &M = b.Pieces[m];
        const int dc = M.Col - P.Col, dr = M.Row - P.Row;
        M.Rotation = P.Rotation;
        switch (P.Rotation) {
        case 0: M.X = P.X + dc * pitch; M.Y = P.Y + dr * pitch; break;
        case 1: M.X = P.X - dr * pitch; M.Y = P.Y + dc * pitch; break;
        case 2: M.X = P.X - dc * pitch; M.Y = P.Y - dr * pitch; break;
        default: M.X = P.X + dr * pitch; M.Y = P.Y - dc * pitch; break;
        }
    }
}

namespace {

TPlayResult FadeTick(Board &b)
{
    TPlayResult r;
    b.PieceAlpha = float(double(b.PieceAlpha) - kFadeStep);
    if (!(b.PieceAlpha > 0.0f)) {
        r.StopAniTimer = true;
        b.PiecesVisible = false;
    }
    r.Redraw = true;
    return r;
}

// During a group drag the members follow the cursor by their own offsets;
// once the group has been turned round the pressed piece those offsets must
// follow the new arrangement, or the next motion would pull it apart.
void KeepGrabOffsets(Board &b, int p, const std::vector<std::pair<int, int>> &before)
{
    if (!b.Dragging || !b.DragGroup)
        return;
    if (b.DragPiece < 0 || b.DragPiece >= b.Pieces.Count())
        return;
    const int g = b.Pieces[p].Group;
    if (g < 0 || b.Pieces[b.DragPiece].Group != g)
        return;
    const std::vector<int> members = b.Members(g);
    for (size_t i = 0; i < members.size() && i < before.size(); ++i) {
        if (members[i] < 0 || members[i] >= b.Pieces.Count())
            continue;
        Tpiece &m = b.Pieces[members[i]];
        m.GrabX += before[i].first - m.X;
        m.GrabY += before[i].second - m.Y;
    }
}

TPlayResult TurnTick(Board &b)
{
    TPlayResult r;
    const int p = b.TurnPiece;
    if (p < 0 || p >= b.Pieces.Count()) {
        b.TurnPiece = -1;
        r.StopAniTimer = true;
        return r;
    }
    b.TurnAngle += kTurnStep;
    if (b.TurnAngle < 90) {
        r.Redraw = true;
        return r;
    }
    b.TurnAngle = 0;
    Tpiece &P = b.Pieces[p];
    P.Rotation = uint8_t((P.Rotation + 1) % 4);
    if (b.HasGroup(P.Group)) {
        std::vector<std::pair<int, int>> before;
        for (int m : b.Members(P.Group)) {
            const bool ok = m >= 0 && m < b.Pieces.Count();
            before.emplace_back(ok ? b.Pieces[m].X : 0, ok ? b.Pieces[m].Y : 0);
        }
        PlaceGroupRound(b, p);
        KeepGrabOffsets(b, p, before);
    }
    b.TurnPiece = -1;
    r.Redraw = true;
    return r;
}

} // namespace

TPlayResult TickAnimation(Board &b)
{
    return b.AniTurning ? TurnTick(b) : FadeTick(b);
}

TPlayResult FinishAnimation(Board &b)
{
    TPlayResult r;
    // A turn ends in five ticks, the fade in twenty; the bound only guards
    // against a board that never settles.
    for (int tick = 0; tick < 1000 && !r.StopAniTimer; ++tick) {
        const TPlayResult t = TickAnimation(b);
        r.Redraw |= t.Redraw;
        r.StopAniTimer = t.StopAniTimer || (b.AniTurning && b.TurnPiece < 0);
    }
    r.StopAniTimer = true;
    return r;
}

} // namespace play
