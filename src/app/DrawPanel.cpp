#include "app/DrawPanel.h"

#include <QMouseEvent>

#include "app/MainForm.h"

TDrawPanel::TDrawPanel(TMainForm *form, QWidget *parent) : QOpenGLWidget(parent), m_form(form)
{
    setMouseTracking(true);
}

void TDrawPanel::initializeGL() { m_form->InitGL(); }
void TDrawPanel::paintGL() {}

void TDrawPanel::mousePressEvent(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    m_form->DrawPanelMouseDown(e->button(), p.x(), p.y());
}

void TDrawPanel::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    m_form->DrawPanelMouseMove(p.x(), p.y());
}

void TDrawPanel::mouseReleaseEvent(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    m_form->DrawPanelMouseUp(e->button(), p.x(), p.y());
}
