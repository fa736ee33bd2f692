// Taking moves back: each drag that joined nothing and each turn is kept;
// a join is final and ends what can be taken back.
#include "game/Game.h"

namespace game {

void TGame::RecordStep() { m_undo.Record(play::TakeTable(m_board)); }

void TGame::MoveDone(bool joined)
{
    if (joined) {
        m_undo.Clear();
        return;
    }
    if (!(play::TakeTable(m_board) == m_beforeMove))
        m_undo.Record(std::move(m_beforeMove));
    m_beforeMove = {};
}

TAnswer TGame::Undo()
{
    TAnswer a;
    m_glide.Finish(m_board); // a spread under way lands first
    if (m_board.Dragging || m_board.TurnPiece >= 0 || m_board.Paused || !HasGame() || !m_undo.Undo(m_board))
        return a;
    Changed(a);
    a.Redraw = a.Trays = true;
    return a;
}

TAnswer TGame::Redo()
{
    TAnswer a;
    m_glide.Finish(m_board);
    if (m_board.Dragging || m_board.TurnPiece >= 0 || m_board.Paused || !HasGame() || !m_undo.Redo(m_board))
        return a;
    Changed(a);
    a.Redraw = a.Trays = true;
    return a;
}

} // namespace game
