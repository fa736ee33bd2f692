// An owner-drawn grid of equal cells, scrolled by whole rows with a
// vertical scroll bar.  The grid draws its 1-pixel lines; the cells are
// drawn by whoever handles drawCell.  One cell is the selected one; a
// handler of selectCell may refuse a new selection.
#pragma once

#include <QAbstractScrollArea>

class TDrawGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TDrawGrid(QWidget *parent = nullptr);

    int DefaultColWidth() const { return m_colWidth; }
    int DefaultRowHeight() const { return m_rowHeight; }
    void SetCellSize(int w, int h);
    int GridLineWidth() const { return 1; }

    int ColCount() const { return m_colCount; }
    int RowCount() const { return m_rowCount; }
    // Counts below 1 become 1.  The selected cell is kept inside the grid.
    void SetColCount(int n);
    void SetRowCount(int n);

    int Col() const { return m_col; }
    int Row() const { return m_row; }
    // Selects a cell as a click would, asking selectCell first.
    bool SelectCell(int col, int row);

    int TopRow() const { return m_topRow; }
    void SetTopRow(int row);
    // Rows wholly visible in the viewport (at least 1).
    int VisibleRowCount() const;

    // The cell's rectangle in viewport coordinates (it may lie outside).
    QRect CellRect(int col, int row) const;
    // The cell under a viewport point; false outside every cell.
    bool MouseToCell(const QPoint &pos, int &col, int &row) const;
    // Draws one cell at once, if it is on screen.
    void RepaintCell(int col, int row);

signals:
    void drawCell(QPainter *painter, int col, int row, const QRect &rect);
    void selectCell(int col, int row, bool &canSelect);

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void UpdateScrollBar();
    void MoveTo(int col, int row);

    int m_colWidth = 64;
    int m_rowHeight = 24;
    int m_colCount = 1;
    int m_rowCount = 1;
    int m_col = 0;
    int m_row = 0;
    int m_topRow = 0;
};
