// The splash window: a 512 x 512 picture with alpha, borderless, centred,
// its see-through parts showing what the screen showed beneath it.
#pragma once

#include <QImage>
#include <QWidget>

class TSlashFrm : public QWidget {
    Q_OBJECT
public:
    explicit TSlashFrm(const QImage &picture);
    // Centres the window, takes the screen image beneath it, shows it and
    // paints it at once.
    void ShowOverScreen();
    bool HasPicture() const { return !m_picture.isNull(); }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QImage m_picture;
    QImage m_under; // the screen beneath, taken before showing
};
