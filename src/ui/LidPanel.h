// The box lid: the whole picture of the game in a small translucent panel
// over the table, which the player can move by dragging it.  The panel
// only shows; the main window places it and remembers where it went.
#pragma once

#include <QImage>
#include <QWidget>

class TLidPanel : public QWidget {
    Q_OBJECT
public:
    explicit TLidPanel(QWidget *table);

    // The picture of the game; an empty one hides nothing but draws a blank lid.
    void SetPicture(const QImage &picture);
    // Sizes the lid for the table and puts it at the wanted corner, kept on
    // the table (see LidGeometry.h).
    void Place(QPoint wanted, QSize table);

signals:
    // The player let go of the lid at this corner.
    void moved(QPoint corner);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    QImage m_picture;
    QImage m_scaled;
    QPoint m_grab;      // cursor minus corner while dragged
    bool m_dragging = false;
};
