// The box lid: the whole picture of the game in a small translucent panel
// over the table.  It only shows: the game places it and moves it, and
// every press over it reaches the table, so the pieces under it can still
// be picked and turned.
#pragma once

#include <QImage>
#include <QWidget>

class TLidPanel : public QWidget {
    Q_OBJECT
public:
    explicit TLidPanel(QWidget *table);

    // The picture of the game; an empty one draws a blank lid.
    void SetPicture(const QImage &picture);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QImage m_picture;
    QImage m_scaled;
};
