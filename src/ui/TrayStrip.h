// The trays' strip along the table's right side: a row of commands on top
// («Разложить», «Собрать потерянные», «По цвету», «По форме»), then the nine
// trays, each a panel with its name, its piece count (and the colour it was
// sorted by), and its pieces in a grid in the order they came, turned as
// they lie; a tray scrolls with the wheel when it holds more than its panel
// shows.  Folded, the strip is hidden and the table has the whole window.  It paints the pieces' small
// images itself, so the table's frames never wait for it; what the player
// does here it says by signals, and the window hands that to the game.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

#include "board/Board.h"

class TTrayStrip : public QWidget {
    Q_OBJECT
public:
    explicit TTrayStrip(QWidget *parent = nullptr);

    // What the strip shows: the board's trays, and each piece's image.
    void ShowTrays(const Board &b, const std::function<QImage(int piece)> &imageOf);
    bool Open() const { return m_open; }
    // The tray under a point of the strip, or -1.
    int TrayAt(QPoint local) const;
    // A drag from the table is over this tray (-1: over none): its panel
    // is lit as the place the drag would go.
    void Highlight(int tray);

    QSize sizeHint() const override;

signals:
    void OpenToggled(bool open);
    // A piece was dragged out of its tray and let go at a point of the screen.
    void PieceDropped(int piece, QPoint global);
    // A piece was dragged from its tray onto another tray (or its own).
    void PieceMovedToTray(int piece, int tray);
    void TakeAllAsked(int tray);
    void RenameAsked(int tray);
    void SpreadAsked();
    void BringBackAsked();
    void SortByColourAsked();
    void SortByShapeAsked();

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;

private:
    struct TShownTray {
        QString Name;
        int32_t Swatch = -1;
        std::vector<int> Pieces;
        std::vector<uint8_t> Turns;
    };
    enum class TCommand { None, Fold, Spread, BringBack, ByColour, ByShape };

    QRect PanelRect(int tray) const;
    QRect TitleRect(int tray) const;
    QRect TakeAllRect(int tray) const;
    QRect CellRect(int tray, int k) const;
    int VisibleRows(int tray) const;
    int PieceAt(QPoint local, int *tray) const;
    TCommand CommandAt(QPoint local) const;
    QRect CommandRect(TCommand c) const;
    void PaintPiece(QPainter &p, const QRect &cell, int piece, uint8_t turns) const;

    bool m_open = true;
    std::vector<TShownTray> m_trays;
    std::vector<QImage> m_images;  // by piece
    double m_imageScale = 1.0;     // strip pixels a texture pixel
    int m_texSize = 64;
    std::vector<int> m_scroll;     // rows scrolled, by tray
    int m_lit = -1;
    int m_dragPiece = -1;
    QPoint m_pressAt;
    bool m_dragging = false;
};
