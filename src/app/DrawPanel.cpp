#include "app/DrawPanel.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>

namespace {

QPoint BoardPoint(const QMouseEvent *e)
{
    const QPointF p = e->position();
    return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
}

} // namespace

TDrawPanel::TDrawPanel(QWidget *parent) : QOpenGLWidget(parent)
{
    setMouseTracking(true);
    setMinimumSize(1, 1);
}

void TDrawPanel::initializeGL() { emit Initialized(); }

void TDrawPanel::paintGL()
{
    m_painting = true;
    emit Painted();
    m_painting = false;
}

void TDrawPanel::resizeGL(int, int) { emit Resized(); }

void TDrawPanel::mousePressEvent(QMouseEvent *e)
{
    const QPoint p = BoardPoint(e);
    emit Pressed(e->button(), p.x(), p.y());
}

void TDrawPanel::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint p = BoardPoint(e);
    emit Moved(p.x(), p.y());
}

void TDrawPanel::mouseReleaseEvent(QMouseEvent *e)
{
    const QPoint p = BoardPoint(e);
    emit Released(e->button(), p.x(), p.y());
}

void TDrawPanel::wheelEvent(QWheelEvent *e)
{
    const int notch = 120;
    m_wheel += e->angleDelta().y();
    const int steps = m_wheel / notch;
    m_wheel -= steps * notch;
    if (steps != 0)
        emit Wheeled(steps, e->position().x(), e->position().y());
    e->accept();
}
