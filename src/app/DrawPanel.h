// The table: an OpenGL widget that says what happens to it and leaves the
// game to whoever listens.  Mouse positions are the widget's logical pixels
// (the window maps them to the board through its view).  Every signal is
// delivered at once, inside the event that raised it: Initialized and
// Painted with the table's context current, so the receiver sets up OpenGL
// or draws the frame right there.
#pragma once

#include <QOpenGLWidget>

class TDrawPanel : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit TDrawPanel(QWidget *parent = nullptr);
    // Inside paintGL: the context is current and the frame is being made.
    bool Painting() const { return m_painting; }

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
    void initializeGL() override;
    void paintGL() override;
    void resizeGL(int w, int h) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    // Whole notches of the wheel zoom the table about the pointer.
    void wheelEvent(QWheelEvent *e) override;

private:
    bool m_painting = false;
    int m_wheel = 0; // eighths of a degree not yet a whole notch
};
