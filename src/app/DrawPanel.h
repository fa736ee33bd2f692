// The table: an OpenGL widget whose mouse events go to the main window.
#pragma once

#include <QOpenGLWidget>

class TMainForm;

class TDrawPanel : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit TDrawPanel(TMainForm *form, QWidget *parent = nullptr);

protected:
    void initializeGL() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    TMainForm *m_form;
};
