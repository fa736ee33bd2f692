// The table: a widget around the table's own native OpenGL surface, that
// says what happens to it and leaves the game to whoever listens.  Mouse
// positions are the widget's logical pixels (the window maps them to the
// board through its view).  Initialized and Painted are delivered with the
// table's context current, so the receiver sets up OpenGL or draws the
// frame right there.  Frames asked for with Update come at most once a
// display refresh, the latest state winning.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

class TTableSurface;

class TDrawPanel : public QWidget {
    Q_OBJECT
public:
    explicit TDrawPanel(QWidget *parent = nullptr);
    ~TDrawPanel() override;
    // Inside a frame: the context is current and the frame is being made.
    bool Painting() const { return m_painting; }
    // The table's context exists.
    bool isValid() const;
    void makeCurrent();
    void doneCurrent();
    // A frame at the next display refresh.
    void Update();
    // Said by the receiver of Painted: the part of the table (logical
    // pixels) the frame changed; the whole table unless said.
    void SetChanged(const QRect &part) { m_changed = part; }
    // Inside Painted: the surface's back buffer lost the last frame (it
    // changed size), so this frame must be drawn whole.
    bool FrameLost() const { return m_lost; }
    // A frame drawn and shown before returning.
    void PaintNow();
    // A frame drawn now and read back, upright, in device pixels.
    QImage grabFramebuffer();
    TTableSurface *Surface() const { return m_surface; }

signals:
    void Initialized();
    void Painted();
    void Resized();
    void Pressed(Qt::MouseButton button, int x, int y);
    void Moved(int x, int y);
    void Released(Qt::MouseButton button, int x, int y);
    // Whole notches of the wheel (positive away from the player).
    void Wheeled(int steps, double x, double y);

protected:
    void resizeEvent(QResizeEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    // Whole notches of the wheel zoom the table about the pointer.
    void wheelEvent(QWheelEvent *e) override;

private:
    TTableSurface *m_surface = nullptr; // owned by its container
    QWidget *m_container = nullptr;
    bool m_painting = false;
    QRect m_changed;
    bool m_lost = true;
    QTimer m_refresh;      // the next frame asked for, at the next refresh
    // Once the window has stopped changing size, one whole frame more: the
    // window system may drop the surface's picture when it shrinks without
    // asking for it again.
    QTimer m_settle;
    bool m_redrawWhole = false;
    QElapsedTimer m_shown; // since the last frame
    int m_wheel = 0; // eighths of a degree not yet a whole notch
};
