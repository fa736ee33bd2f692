#include "play/View.h"

#include <algorithm>
#include <cmath>

namespace play {

namespace {

// Where the table's edge may lie on one axis: a table longer than the
// window covers it, a shorter one stays inside it.
double ClampAxis(double origin, double window, double extent)
{
    const double lo = std::min(0.0, window - extent), hi = std::max(0.0, window - extent);
    return std::clamp(origin, lo, hi);
}

int StepOf(double zoom)
{
    const std::vector<double> &s = TView::Steps();
    return int(std::find(s.begin(), s.end(), zoom) - s.begin());
}

} // namespace

const std::vector<double> &TView::Steps()
{
    static const std::vector<double> steps = {0.25, 1.0 / 3, 0.5, 2.0 / 3, 0.75, 1.0, 1.25, 1.5, 2.0};
    return steps;
}

TView::TView() : m_step(StepOf(1.0)) {}

void TView::SetWindow(QSize window)
{
    m_window = window.expandedTo(QSize(1, 1));
    Clamp();
}

void TView::SetTable(QSize table)
{
    m_table = table.expandedTo(QSize(1, 1));
    Clamp();
}

QPoint TView::BoardPixel(QPointF window) const
{
    const QPointF b = ToBoard(window);
    return {int(std::floor(b.x())), int(std::floor(b.y()))};
}

void TView::Clamp()
{
    const double z = Zoom();
    // Whole window pixels: at 100% every board pixel then lands on one
    // window pixel, as sharp as without a view.
    m_origin = QPointF(std::round(ClampAxis(m_origin.x(), m_window.width(), m_table.width() * z)),
                       std::round(ClampAxis(m_origin.y(), m_window.height(), m_table.height() * z)));
}

void TView::Home()
{
    m_step = StepOf(1.0);
    m_origin = QPointF(0, 0);
    Clamp();
}

void TView::FitTable()
{
    m_step = 0;
    for (int s = StepOf(1.0); s >= 0; --s)
        if (m_table.width() * Steps()[size_t(s)] <= m_window.width() + 1e-9 &&
            m_table.height() * Steps()[size_t(s)] <= m_window.height() + 1e-9) {
            m_step = s;
            break;
        }
    m_origin = QPointF(0, 0);
    Clamp();
}

bool TView::ZoomAbout(int steps, QPointF window)
{
    const int to = std::clamp(m_step + steps, 0, int(Steps().size()) - 1);
    if (to == m_step)
        return false;
    const QPointF board = ToBoard(window);
    m_step = to;
    m_origin = window - board * Zoom();
    Clamp();
    return true;
}

bool TView::ZoomAboutCentre(int steps)
{
    return ZoomAbout(steps, QPointF(m_window.width() / 2.0, m_window.height() / 2.0));
}

bool TView::PanBy(QPointF delta)
{
    const QPointF before = m_origin;
    m_origin += delta;
    Clamp();
    return m_origin != before;
}

bool TView::PanTo(QPointF window)
{
    if (!m_panning)
        return false;
    const QPointF delta = window - m_panFrom;
    m_panFrom = window;
    return PanBy(delta);
}

} // namespace play
