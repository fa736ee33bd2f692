#include "app/DrawPanel.h"

#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "app/TableSurface.h"

namespace {

QPoint BoardPoint(const QMouseEvent *e)
{
    const QPointF p = e->position();
    return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
}

} // namespace

TDrawPanel::TDrawPanel(QWidget *parent) : QWidget(parent), m_surface(new TTableSurface)
{
    setMouseTracking(true);
    setMinimumSize(1, 1);
    // Under the surface before its first frame: the bare table's colour.
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(77, 102, 153));
    setPalette(p);
    m_surface->OnInitialized = [this] { emit Initialized(); };
    m_surface->OnPaint = [this] {
        m_refresh.stop(); // this frame shows the latest state
        m_shown.start();
        m_changed = rect();
        m_lost = m_surface->TakeResized() || m_redrawWhole;
        m_redrawWhole = false;
        m_painting = true;
        emit Painted();
        m_painting = false;
        return m_changed;
    };
    m_refresh.setSingleShot(true);
    m_refresh.setTimerType(Qt::PreciseTimer);
    connect(&m_refresh, &QTimer::timeout, this, [this] { m_surface->Render(true); });
    m_settle.setSingleShot(true);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        m_redrawWhole = true;
        m_surface->Render(true, true);
    });
    m_container = QWidget::createWindowContainer(m_surface, this);
    m_container->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_container->setFocusPolicy(Qt::NoFocus);
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(m_container);
}

TDrawPanel::~TDrawPanel()
{
    m_surface->OnInitialized = nullptr;
    m_surface->OnPaint = nullptr;
}

bool TDrawPanel::isValid() const { return m_surface->HasContext(); }

void TDrawPanel::makeCurrent() { m_surface->MakeCurrent(); }

void TDrawPanel::doneCurrent() { m_surface->DoneCurrent(); }

void TDrawPanel::Update()
{
    if (m_refresh.isActive())
        return; // the frame asked for will show the latest state
    const qreal hz = screen() && screen()->refreshRate() > 1 ? screen()->refreshRate() : 60.0;
    const int interval = int(1000.0 / hz);
    const qint64 since = m_shown.isValid() ? m_shown.elapsed() : interval;
    m_refresh.start(int(std::max<qint64>(0, interval - since)));
}

void TDrawPanel::PaintNow()
{
    if (!m_painting)
        m_surface->Render(true);
}

QImage TDrawPanel::grabFramebuffer()
{
    m_surface->Render(false);
    return m_surface->ReadBack();
}

void TDrawPanel::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    m_settle.start(100);
    emit Resized();
}

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
