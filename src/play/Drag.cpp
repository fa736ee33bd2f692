#include "play/Drag.h"

#include "play/DragKeys.h"
#include "play/Fitting.h"
#include "play/HitTest.h"
#include "play/Reach.h"
#include "play/Selection.h"

namespace play {

namespace {

bool InGroup(const Board &b, int piece)
{
    return b.HasGroup(b.Pieces[piece].Group);
}

} // namespace

TPlayResult Press(Board &b, TMouseBtn button, int x, int y)
{
    TPlayResult r;
    if (b.TurnPiece >= 0)
        return r; // a quarter turn is running: every press is ignored
    if (button == TMouseBtn::Right && !b.RotateEnabled)
        return r;
    const int piece = PieceAt(b, x, y);
    if (piece < 0) {
        r.Redraw = true;
        return r;
    }
    if (IsSelected(b, piece)) // the selection moves and turns as one
        return button == TMouseBtn::Right ? TurnSelection(b) : PressSelection(b, piece, x, y);
    if (button == TMouseBtn::Right) {
        // The animation's first tick redraws.  A drag in progress goes on.
        b.TurnPiece = piece;
        b.TurnAngle = 0;
        b.AniTurning = true;
        r.StartAniTimer = true;
        return r;
    }
    b.Dragging = true;
    b.DragPiece = piece;
    NoteDragStart(b);
    if (!InGroup(b, piece)) {
        Tpiece &p = b.Pieces[piece];
        b.DragOffsetX = x - p.X;
        b.DragOffsetY = y - p.Y;
        b.DragGroup = false;
        BringToTop(b, piece);
    } else {
        b.DragGroup = true;
        const std::vector<int> members = b.Members(b.Pieces[piece].Group);
        for (int m : members) {
            if (m < 0 || m >= b.Pieces.Count())
                continue;
            Tpiece &p = b.Pieces[m];
            p.GrabX = x - p.X;
            p.GrabY = y - p.Y;
        }
        BringToTop(b, members);
    }
    r.Redraw = true;
    return r;
}

TPlayResult DragTo(Board &b, int x, int y)
{
    TPlayResult r;
    if (!b.Dragging)
        return r;
    if (b.DragPiece < 0 || b.DragPiece >= b.Pieces.Count())
        return r;
    if (b.DragSelection)
        return DragSelectionTo(b, x, y);
    if (b.DragGroup && InGroup(b, b.DragPiece)) {
        for (int m : b.Members(b.Pieces[b.DragPiece].Group)) {
            if (m < 0 || m >= b.Pieces.Count())
                continue;
            Tpiece &p = b.Pieces[m];
            p.X = x - p.GrabX;
            p.Y = y - p.GrabY;
        }
    } else {
        Tpiece &p = b.Pieces[b.DragPiece];
        p.X = x - b.DragOffsetX;
        p.Y = y - b.DragOffsetY;
    }
    r.Redraw = true;
    return r;
}

TPlayResult Drop(Board &b, int tableWidth, int tableHeight)
{
    if (!b.Dragging)
        return {};
    if (b.DragSelection) {
        TPlayResult r = DropSelection(b);
        for (const int u : Units(b, b.Selected))
            KeepDroppedOnTable(b, u, tableWidth, tableHeight);
        return r;
    }
    b.Dragging = false;
    b.DragGroup = false;
    TPlayResult r = TestPsAdd(b);
    KeepDroppedOnTable(b, b.DragPiece, tableWidth, tableHeight);
    r.Redraw = true;
    return r;
}

} // namespace play

