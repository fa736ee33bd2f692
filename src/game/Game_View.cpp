// Finding one's way on the table: the fitted view, the close-up, the table
// a game is laid on, the edge scroll of a drag, the join's catch.
#include <Qt>
#include <cmath>

#include "game/Game.h"
#include "play/EdgeScroll.h"
#include "play/Reach.h"
#include "play/Table.h"

namespace game {

void TGame::SetTable(QSize table)
{
    m_view.SetTable(table);
    m_board.TableW = m_view.Table().width();
    m_board.TableH = m_view.Table().height();
}

TAnswer TGame::FitView()
{
    m_view.FitTable();
    // The felt grows to the window's proportions, so that no band of the
    // bare window shows beside the table; the table the game is laid on
    // (and its home area) stays as it is.
    m_view.SetTable(m_view.TableCoveringWindow());
    TAnswer a;
    a.Redraw = true;
    return a;
}

TAnswer TGame::ToggleCloseUp()
{
    m_view.ToggleCloseUp(QPointF(m_pointer));
    TAnswer a;
    a.Redraw = true;
    return a;
}

QString TGame::ZoomText() const { return QStringLiteral("%1%").arg(std::lround(m_view.Zoom() * 100)); }

void TGame::OpenTable()
{
    const QSize window = m_view.Window();
    SetTable(play::TableSize(m_board.SizeIndex, window.width(), window.height()));
    FitView();
}

void TGame::OpenLoadedTable(QSize saved)
{
    SetTable(play::TableForLoad(m_board, saved, m_view.Window()));
    // Only a piece wholly beyond the top or left edge is brought in.
    play::KeepPiecesOnTable(m_board, m_view.Table().width(), m_view.Table().height());
    FitView();
}

bool TGame::EdgeScrollTick()
{
    if (!m_board.Dragging)
        return false;
    const QPointF step = play::EdgeScrollStep(m_view.Window(), QPointF(m_pointer));
    if (step.isNull() || !m_view.PanBy(-step))
        return false;
    // The piece stays under the pointer as the table moves beneath it.
    const QPoint p = BoardPoint(m_pointer);
    play::DragTo(m_board, p.x(), p.y());
    return true;
}

TAnswer TGame::SetJoinPx(int px)
{
    m_switches.JoinPx = JoinPxWithin(px);
    TAnswer a;
    QString error;
    if (!TSettingsFile().WriteJoinPx(m_switches.JoinPx, &error))
        a.Messages << error;
    return a;
}

TAnswer TGame::SetGhost(int percent)
{
    m_switches.GhostPercent = GhostStrength(percent);
    TAnswer a;
    a.Redraw = true;
    QString error;
    if (!TSettingsFile().WriteGhost(m_switches.GhostPercent, &error))
        a.Messages << error;
    return a;
}

TAnswer TGame::SetLens(bool on)
{
    TAnswer a;
    a.Lid = m_lens != on;
    m_lens = on;
    return a;
}

TAnswer TGame::KeyUp(int key) { return key == Qt::Key_Shift ? SetLens(false) : TAnswer(); }

std::optional<QPoint> TGame::LidLens() const
{
    const QRect lid = LidRect();
    if (!m_lens || !LidVisible() || !lid.contains(m_pointer))
        return std::nullopt;
    return m_pointer - lid.topLeft();
}

} // namespace game
