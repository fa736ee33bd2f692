#include "app/DrawPanel.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>

#include "app/MainForm.h"

namespace {

QPoint BoardPoint(const QMouseEvent *e)
{
    const QPointF p = e->position();
    return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
}

} // namespace

TDrawPanel::TDrawPanel(TMainForm *form, QWidget *parent) : QOpenGLWidget(parent), m_form(form)
{
    setMouseTracking(true);
    setMinimumSize(1, 1);
}

void TDrawPanel::initializeGL() { m_form->FormCreateGL(); }

void TDrawPanel::paintGL()
{
    m_painting = true;
    m_form->PaintTable();
    m_painting = false;
}

void TDrawPanel::resizeGL(int, int) { m_form->FormResize(); }

void TDrawPanel::mousePressEvent(QMouseEvent *e)
{
    const QPoint p = BoardPoint(e);
    m_form->DrawPanelMouseDown(e->button(), p.x(), p.y());
}

void TDrawPanel::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint p = BoardPoint(e);
    m_form->DrawPanelMouseMove(p.x(), p.y());
}

void TDrawPanel::mouseReleaseEvent(QMouseEvent *e)
{
    const QPoint p = BoardPoint(e);
    m_form->DrawPanelMouseUp(e->button(), p.x(), p.y());
}

void TDrawPanel::wheelEvent(QWheelEvent *e)
{
    const int notch = 120;
    m_wheel += e->angleDelta().y();
    const int steps = m_wheel / notch;
    m_wheel -= steps * notch;
    if (steps != 0)
        m_form->DrawPanelWheel(steps, e->position().x(), e->position().y());
    e->accept();
}
