#include "play/View.h"

#include <algorithm>
#include <cmath>

namespace play {

namespace {

constexpr double kSame = 1e-9;

// Where the table's edge may lie on one axis: a table longer than the
// window covers it, a shorter one stands in its middle.
double ClampAxis(double origin, double window, double extent)
{
    if (extent <= window)
        return (window - extent) / 2;
    return std::clamp(origin, window - extent, 0.0);
}

} // namespace

const std::vector<double> &TView::Steps()
{
    static const std::vector<double> steps = {0.25, 1.0 / 3, 0.5, 2.0 / 3, 0.75, 1.0, 1.25, 1.5, 2.0};
    return steps;
}

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
    m_zoom = std::clamp(m_zoom, LeastZoom(), Steps().back());
    // Whole window pixels: at 100% every board pixel then lands on one
    // window pixel, as sharp as without a view.
    m_origin = QPointF(std::round(ClampAxis(m_origin.x(), m_window.width(), m_table.width() * m_zoom)),
                       std::round(ClampAxis(m_origin.y(), m_window.height(), m_table.height() * m_zoom)));
}

double TView::LeastZoom() const { return std::min(Steps().front(), FitZoom()); }

void TView::Home()
{
    m_zoom = 1.0;
    m_origin = QPointF(0, 0);
    Clamp();
}

double TView::FitZoom() const
{
    return std::min({1.0, double(m_window.width()) / m_table.width(), double(m_window.height()) / m_table.height()});
}

void TView::FitTable()
{
    m_zoom = FitZoom();
    m_origin = QPointF((m_window.width() - m_table.width() * m_zoom) / 2,
                       (m_window.height() - m_table.height() * m_zoom) / 2);
    Clamp();
}

bool TView::Fitted() const { return std::abs(m_zoom - FitZoom()) < kSame; }

QSize TView::TableCoveringWindow() const
{
    const auto cover = [&](int window) { return int(std::ceil(window / m_zoom - 1e-6)); };
    return m_table.expandedTo(QSize(cover(m_window.width()), cover(m_window.height())));
}

void TView::ToggleCloseUp(QPointF window)
{
    if (Fitted() && std::abs(m_closeUp - m_zoom) > kSame) {
        ZoomTo(m_closeUp, window);
        return;
    }
    if (!Fitted())
        m_closeUp = m_zoom;
    FitTable();
}

bool TView::ZoomAbout(int steps, QPointF window)
{
    if (steps == 0)
        return false;
    const std::vector<double> &s = Steps();
    double to = m_zoom;
    if (steps > 0) {
        auto it = std::upper_bound(s.begin(), s.end(), m_zoom + kSame);
        if (it == s.end())
            return false;
        to = *std::min(it + (steps - 1), s.end() - 1);
    } else {
        auto it = std::lower_bound(s.begin(), s.end(), m_zoom - kSame);
        const int below = int(it - s.begin()); // steps smaller than the zoom
        const int k = below + steps;           // the step to go to
        to = std::max(k >= 0 ? s[size_t(k)] : LeastZoom(), LeastZoom());
        if (to >= m_zoom - kSame)
            return false;
    }
    ZoomTo(to, window);
    return true;
}

bool TView::ZoomAboutCentre(int steps)
{
    return ZoomAbout(steps, QPointF(m_window.width() / 2.0, m_window.height() / 2.0));
}

void TView::ZoomTo(double zoom, QPointF window)
{
    const QPointF board = ToBoard(window);
    m_zoom = zoom;
    m_origin = window - board * m_zoom;
    Clamp();
}

void TView::CentreOn(QPointF board)
{
    m_origin = QPointF(m_window.width() / 2.0, m_window.height() / 2.0) - board * m_zoom;
    Clamp();
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
