#include "play/DragKeys.h"

namespace play {

namespace {

bool ValidPiece(const Board &b, int i) { return i >= 0 && i < b.Pieces.Count(); }

} // namespace

void NoteDragStart(Board &b)
{
    if (!ValidPiece(b, b.DragPiece))
        return;
    b.DragStartX = b.Pieces[b.DragPiece].X;
    b.DragStartY = b.Pieces[b.DragPiece].Y;
}

TPlayResult CancelDrag(Board &b)
{
    TPlayResult r;
    if (!b.Dragging)
        return r;
    b.Dragging = false;
    const bool group = b.DragGroup, selection = b.DragSelection;
    b.DragGroup = false;
    b.DragSelection = false;
    r.Redraw = true;
    if (!ValidPiece(b, b.DragPiece))
        return r;
    const Tpiece &d = b.Pieces[b.DragPiece];
    const int dx = b.DragStartX - d.X, dy = b.DragStartY - d.Y;
    if (selection) {
        for (int m : b.Selected)
            if (ValidPiece(b, m)) {
                b.Pieces[m].X += dx;
                b.Pieces[m].Y += dy;
            }
        return r;
    }
    if (!group || d.Group < 0) {
        b.Pieces[b.DragPiece].X += dx;
        b.Pieces[b.DragPiece].Y += dy;
        return r;
    }
    for (int m : b.Members(d.Group)) {
        if (!ValidPiece(b, m))
            continue;
        b.Pieces[m].X += dx;
        b.Pieces[m].Y += dy;
    }
    return r;
}

TPlayResult TurnDragged(Board &b)
{
    TPlayResult r;
    if (!b.Dragging || b.DragSelection || !b.RotateEnabled || b.TurnPiece >= 0 || !ValidPiece(b, b.DragPiece))
        return r;
    b.TurnPiece = b.DragPiece;
    b.TurnAngle = 0;
    b.AniTurning = true;
    r.StartAniTimer = true;
    return r;
}

} // namespace play
