#include "ui/DrawGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

TDrawGrid::TDrawGrid(QWidget *parent) : QAbstractScrollArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setTracking(true); // the view follows the thumb while it is dragged
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    UpdateScrollBar();
}

void TDrawGrid::SetCellSize(int w, int h)
{
    m_colWidth = std::max(1, w);
    m_rowHeight = std::max(1, h);
    UpdateScrollBar();
    viewport()->update();
}

void TDrawGrid::SetColCount(int n)
{
    m_colCount = std::max(1, n);
    m_col = std::min(m_col, m_colCount - 1);
    viewport()->update();
}

void TDrawGrid::SetRowCount(int n)
{
    m_rowCount = std::max(1, n);
    m_row = std::min(m_row, m_rowCount - 1);
    UpdateScrollBar();
    viewport()->update();
}

int TDrawGrid::VisibleRowCount() const
{
    return std::max(1, (viewport()->height() + 1) / (m_rowHeight + 1));
}

void TDrawGrid::UpdateScrollBar()
{
    QScrollBar *sb = verticalScrollBar();
    const int visible = VisibleRowCount();
    const int maxTop = std::max(0, m_rowCount - visible);
    sb->setRange(0, maxTop);
    sb->setPageStep(visible);
    sb->setSingleStep(1);
    if (m_topRow > maxTop)
        SetTopRow(maxTop);
}

void TDrawGrid::SetTopRow(int row)
{
    const int maxTop = std::max(0, m_rowCount - VisibleRowCount());
    row = std::clamp(row, 0, maxTop);
    if (row == m_topRow && verticalScrollBar()->value() == row)
        return;
    m_topRow = row;
    verticalScrollBar()->setValue(row);
    viewport()->update();
}

void TDrawGrid::scrollContentsBy(int, int)
{
    m_topRow = verticalScrollBar()->value();
    viewport()->update();
}

QRect TDrawGrid::CellRect(int col, int row) const
{
    return QRect(col * (m_colWidth + 1), (row - m_topRow) * (m_rowHeight + 1), m_colWidth, m_rowHeight);
}

bool TDrawGrid::MouseToCell(const QPoint &pos, int &col, int &row) const
{
    if (pos.x() < 0 || pos.y() < 0)
        return false;
    col = pos.x() / (m_colWidth + 1);
    row = m_topRow + pos.y() / (m_rowHeight + 1);
    return col < m_colCount && row < m_rowCount;
}

void TDrawGrid::RepaintCell(int col, int row)
{
    const QRect r = CellRect(col, row);
    if (r.intersects(viewport()->rect()) && viewport()->isVisible())
        viewport()->repaint(r);
}

bool TDrawGrid::SelectCell(int col, int row)
{
    if (col < 0 || row < 0 || col >= m_colCount || row >= m_rowCount)
        return false;
    bool can = true;
    emit selectCell(col, row, can);
    if (!can)
        return false;
    MoveTo(col, row);
    return true;
}

void TDrawGrid::MoveTo(int col, int row)
{
    const int oldCol = m_col;
    const int oldRow = m_row;
    m_col = col;
    m_row = row;
    // Keep the selected cell wholly in view.
    const int visible = VisibleRowCount();
    if (row < m_topRow)
        SetTopRow(row);
    else if (row >= m_topRow + visible)
        SetTopRow(row - visible + 1);
    viewport()->update(CellRect(oldCol, oldRow));
    viewport()->update(CellRect(col, row));
}

void TDrawGrid::paintEvent(QPaintEvent *e)
{
    QPainter p(viewport());
    const QRect area = e->rect();
    const QColor line = palette().color(QPalette::Mid);
    const int firstRow = m_topRow;
    const int lastRow = std::min(m_rowCount - 1, m_topRow + viewport()->height() / (m_rowHeight + 1));
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int col = 0; col < m_colCount; ++col) {
            const QRect r = CellRect(col, row);
            if (r.left() > viewport()->width())
                break;
            const QRect withLines = r.adjusted(0, 0, 1, 1);
            if (!withLines.intersects(area))
                continue;
            p.fillRect(QRect(r.right() + 1, r.top(), 1, r.height() + 1), line);
            p.fillRect(QRect(r.left(), r.bottom() + 1, r.width() + 1, 1), line);
            p.save();
            p.setClipRect(r);
            emit drawCell(&p, col, row, r);
            p.restore();
        }
    }
}

void TDrawGrid::mousePressEvent(QMouseEvent *e)
{
    setFocus(Qt::MouseFocusReason);
    if (e->button() != Qt::LeftButton)
        return;
    int col = 0;
    int row = 0;
    if (MouseToCell(e->position().toPoint(), col, row))
        SelectCell(col, row);
}

void TDrawGrid::keyPressEvent(QKeyEvent *e)
{
    int col = m_col;
    int row = m_row;
    switch (e->key()) {
    case Qt::Key_Left: col = std::max(0, col - 1); break;
    case Qt::Key_Right: col = std::min(m_colCount - 1, col + 1); break;
    case Qt::Key_Up: row = std::max(0, row - 1); break;
    case Qt::Key_Down: row = std::min(m_rowCount - 1, row + 1); break;
    case Qt::Key_PageUp: row = std::max(0, row - VisibleRowCount()); break;
    case Qt::Key_PageDown: row = std::min(m_rowCount - 1, row + VisibleRowCount()); break;
    default: QAbstractScrollArea::keyPressEvent(e); return;
    }
    if (col != m_col || row != m_row)
        SelectCell(col, row);
}

void TDrawGrid::resizeEvent(QResizeEvent *e)
{
    QAbstractScrollArea::resizeEvent(e);
    UpdateScrollBar();
}
