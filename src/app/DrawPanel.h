// The table: an OpenGL widget whose paint is the game's frame and whose
// mouse events go to the main window in the widget's logical pixels (the
// window maps them to the board through its view).
#pragma once

#include <QOpenGLWidget>

class TMainForm;

class TDrawPanel : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit TDrawPanel(TMainForm *form, QWidget *parent = nullptr);
    // Inside paintGL: the context is current and the frame is being made.
    bool Painting() const { return m_painting; }

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
    TMainForm *m_form;
    bool m_painting = false;
    int m_wheel = 0; // eighths of a degree not yet a whole notch
};
