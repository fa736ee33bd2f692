// Sorting a big puzzle: the selection and its rubber band, the trays beside
// the table, spreading the loose pieces, bringing back the lost ones, the
// trays that sort themselves, and hiding what is assembled.
#include "board/EdgeFilter.h"
#include "game/Game.h"
#include "play/CellGrid.h"
#include "play/DragKeys.h"
#include "play/HitTest.h"
#include "play/Reach.h"
#include "play/Selection.h"
#include "play/ShapeClass.h"
#include "play/Trays.h"

namespace game {

namespace {

// The cut's shape classes: the corners and the edges first, then the
// inner pieces by their tabs.
play::TShapeClasses CutClasses(const Board &b)
{
    const bool turning = b.RotateEnabled;
    play::TShapeClasses c;
    c.Count = ShapeClassCount(turning);
    for (int k = 0; k < c.Count; ++k)
        c.Names << ShapeClassName(k, turning);
    c.ClassOf = [&b, turning](int piece) { return ShapeClassOf(b, piece, turning); };
    c.FirstSorted = EdgeClass + 1;
    return c;
}

TAnswer TraysChanged()
{
    TAnswer a;
    a.Redraw = a.Trays = true;
    return a;
}

} // namespace

void TGame::ResetSorting()
{
    m_board.Trays = DefaultTrays();
    m_board.TraysShown = TraysOpenAtStart(m_board.SizeIndex);
    m_board.Selected.clear();
    m_board.DragSelection = false;
    m_banding = false;
    m_board.Band = QRect();
    m_glide.Finish(m_board);
}

QImage TGame::PieceImage(int piece) const
{
    return piece >= 0 && size_t(piece) < m_pieceImages.size() ? m_pieceImages[size_t(piece)] : QImage();
}

QRect TGame::ViewOnTable() const
{
    const QPointF a = m_view.ToBoard(QPointF(0, 0));
    const QPointF z = m_view.ToBoard(QPointF(m_view.Window().width(), m_view.Window().height()));
    const QRect seen = QRectF(a, z).toAlignedRect();
    return seen.intersected(QRect(QPoint(0, 0), m_view.Table()));
}

// ---- the selection ----

TAnswer TGame::ToggleSelect(QPoint at)
{
    TAnswer a;
    if (m_board.Dragging || m_board.Paused || !HasGame())
        return a;
    const QPoint p = BoardPoint(at);
    const int piece = play::PieceAt(m_board, p.x(), p.y());
    if (piece < 0)
        return a;
    play::ToggleSelected(m_board, piece);
    a.Redraw = true;
    return a;
}

TAnswer TGame::PressShifted(QPoint at)
{
    const QPoint p = BoardPoint(at);
    if (m_board.Dragging || m_board.Paused || !HasGame() || play::PieceAt(m_board, p.x(), p.y()) >= 0)
        return Press(play::TMouseBtn::Left, at);
    m_banding = true;
    m_bandFrom = m_bandTo = p;
    return {};
}

TAnswer TGame::EndBand()
{
    m_banding = false;
    m_board.Band = QRect();
    play::TCellGrid grid;
    grid.Build(m_board);
    play::SelectInBand(m_board, grid, Band());
    TAnswer a;
    a.Redraw = true;
    return a;
}

TAnswer TGame::ClearSelection()
{
    TAnswer a;
    a.Redraw = !m_board.Selected.empty();
    play::ClearSelection(m_board);
    return a;
}

// ---- the trays ----

TAnswer TGame::PutInTray(int tray, QPoint at)
{
    if (!play::ValidTray(tray) || m_board.Paused || !HasGame())
        return {};
    if (m_board.Dragging)
        return DropInTray(tray);
    const QPoint p = BoardPoint(at);
    const int piece = play::PieceAt(m_board, p.x(), p.y());
    if (piece < 0)
        return {};
    const std::vector<int> pieces = play::IsSelected(m_board, piece) ? m_board.Selected : std::vector<int>{piece};
    const play::TTableState before = play::TakeTable(m_board);
    if (play::PutInTray(m_board, tray, pieces) == 0)
        return {};
    m_undo.Record(before);
    TAnswer a = TraysChanged();
    Changed(a);
    return a;
}

TAnswer TGame::DropInTray(int tray)
{
    // The drag began where the step goes back to.
    const play::TTableState before = m_beforeMove.Pieces.empty() ? play::TakeTable(m_board) : m_beforeMove;
    if (!play::ValidTray(tray) || play::PutDraggedInTray(m_board, tray) == 0)
        return {};
    m_undo.Record(before);
    m_beforeMove = {};
    TAnswer a = TraysChanged();
    Changed(a);
    return a;
}

TAnswer TGame::MovePieceToTray(int piece, int tray)
{
    const play::TTableState before = play::TakeTable(m_board);
    if (m_board.Paused || play::TrayHolding(m_board, piece) < 0 || play::PutInTray(m_board, tray, {piece}) == 0)
        return {};
    m_undo.Record(before);
    TAnswer a = TraysChanged();
    Changed(a);
    return a;
}

TAnswer TGame::TakeOutOfTray(int piece, QPoint at)
{
    const QPoint p = BoardPoint(at);
    const play::TTableState before = play::TakeTable(m_board);
    if (m_board.Paused || !play::TakeOutOfTray(m_board, piece, p.x(), p.y()))
        return {};
    m_undo.Record(before);
    play::KeepDroppedOnTable(m_board, piece, m_view.Table().width(), m_view.Table().height());
    TAnswer a = TraysChanged();
    Changed(a);
    return a;
}

TAnswer TGame::TakeAllOutOfTray(int tray)
{
    if (m_board.Paused || !play::ValidTray(tray) || m_board.Trays[size_t(tray)].Pieces.empty())
        return {};
    play::CancelDrag(m_board);
    RecordStep();
    play::TakeAllOutOfTray(m_board, tray, ViewOnTable());
    TAnswer a = TraysChanged();
    Changed(a);
    return a;
}

TAnswer TGame::RenameTray(int tray, const QString &name)
{
    if (!play::ValidTray(tray))
        return {};
    play::RenameTray(m_board, tray, name);
    TAnswer a = TraysChanged();
    Changed(a);
    return a;
}

TAnswer TGame::SetTraysShown(bool on)
{
    m_board.TraysShown = on;
    TAnswer a = TraysChanged();
    a.Buttons = true;
    Changed(a);
    return a;
}

TAnswer TGame::SetHideAssembled(bool on) { return SetSwitch(TSwitch::HideAssembled, on); }

// ---- spreading ----

TAnswer TGame::Glide(const std::vector<play::TSpreadPlace> &places)
{
    TAnswer a;
    if (places.empty())
        return a;
    RecordStep();
    m_glide.Start(m_board, places);
    std::vector<int> moved;
    for (const play::TSpreadPlace &s : places)
        moved.push_back(s.Piece);
    BringToTop(m_board, moved);
    a.AniTimer = TTimer::Start;
    a.Redraw = true;
    Changed(a);
    return a;
}

TAnswer TGame::Spread()
{
    if (m_board.Dragging || m_board.Paused || !HasGame() || m_board.TurnPiece >= 0)
        return {};
    m_glide.Finish(m_board);
    std::vector<int> pieces;
    if (m_board.Selected.empty()) {
        pieces = play::LoosePieces(m_board);
    } else {
        for (const int p : m_board.Selected)
            if (!m_board.HasGroup(m_board.Pieces[p].Group))
                pieces.push_back(p);
    }
    return Glide(play::SpreadPlaces(m_board, pieces, QRect(QPoint(0, 0), m_view.Table())));
}

TAnswer TGame::BringBackLost()
{
    if (m_board.Dragging || m_board.Paused || !HasGame() || m_board.TurnPiece >= 0)
        return {};
    m_glide.Finish(m_board);
    const QRect view = ViewOnTable();
    return Glide(play::SpreadPlaces(m_board, play::LostPieces(m_board, view), view));
}

// ---- trays that sort themselves ----

TAnswer TGame::SortByColour()
{
    if (m_board.Dragging || m_board.Paused || !HasGame())
        return {};
    m_glide.Finish(m_board);
    RecordStep();
    play::SortTraysByColour(m_board, m_board.PictureBmp);
    m_board.TraysShown = true;
    TAnswer a = TraysChanged();
    a.Buttons = true;
    Changed(a);
    return a;
}

TAnswer TGame::SortByShape()
{
    if (m_board.Dragging || m_board.Paused || !HasGame())
        return {};
    m_glide.Finish(m_board);
    RecordStep();
    play::SortTraysByShape(m_board, CutClasses(m_board));
    m_board.TraysShown = true;
    TAnswer a = TraysChanged();
    a.Buttons = true;
    Changed(a);
    return a;
}

} // namespace game
