// The box lid: the whole picture of the game in a small translucent panel
// over the table, with a lens while Shift is held over it.  It only shows: the game places it and moves it, and
// every press over it reaches the table, so the pieces under it can still
// be picked and turned.
#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

class TLidPanel : public QWidget {
    Q_OBJECT
public:
    explicit TLidPanel(QWidget *table);

    // The picture of the game; an empty one draws a blank lid.
    void SetPicture(const QImage &picture);
    // A lens magnifying the picture three times about the point (the lid's
    // pixels), or none.
    void SetLens(std::optional<QPoint> at);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QImage m_picture;
    QImage m_scaled;
    std::optional<QPoint> m_lens;
};
