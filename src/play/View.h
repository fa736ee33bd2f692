// What part of the table the window shows, and how large.  The pieces keep
// their places in board pixels; the view only maps window points to board
// points and back, for the projection and for the mouse.  The table never
// gets lost: when it is larger than the window on screen, its edges stay
// at or beyond the window's; when smaller, it stays wholly inside.
#pragma once

#include <QPointF>
#include <QSize>
#include <vector>

namespace play {

class TView {
public:
    TView(); // 100%, the table's corner at the window's

    // The zoom steps, smallest first; 1.0 is one window pixel a board pixel.
    static const std::vector<double> &Steps();

    // The window's drawing area and the table, in pixels; the view is then
    // brought back within its limits.
    void SetWindow(QSize window);
    void SetTable(QSize table);
    QSize Window() const { return m_window; }
    QSize Table() const { return m_table; }

    double Zoom() const { return Steps()[size_t(m_step)]; }
    // Window position of the table's top-left corner.
    QPointF Origin() const { return m_origin; }

    QPointF ToBoard(QPointF window) const { return (window - m_origin) / Zoom(); }
    QPointF ToWindow(QPointF board) const { return board * Zoom() + m_origin; }
    // The board pixel under a window point (whole pixels, rounded down).
    QPoint BoardPixel(QPointF window) const;

    // 100%, the table's top-left corner at the window's.
    void Home();
    // The largest step, at most 100%, at which the whole table is visible,
    // the table's top-left corner at the window's: how a game opens.
    void FitTable();
    // Zooms by `steps` (positive: larger) keeping the board point under
    // `window` where it is, as far as the limits allow.  False when the
    // zoom is already at the end of its steps.
    bool ZoomAbout(int steps, QPointF window);
    // The same about the window's centre.
    bool ZoomAboutCentre(int steps);
    // Moves the table by `delta` window pixels, stopping where its edge
    // meets the window's.  False when nothing moved.
    bool PanBy(QPointF delta);

    // Dragging an empty spot of the table pans it: the board point grabbed
    // stays under the pointer.
    void BeginPan(QPointF window) { m_panning = true; m_panFrom = window; }
    bool Panning() const { return m_panning; }
    bool PanTo(QPointF window);
    void EndPan() { m_panning = false; }

private:
    void Clamp();

    QSize m_window{1, 1};
    QSize m_table{1, 1};
    int m_step = 0;
    QPointF m_origin;
    bool m_panning = false;
    QPointF m_panFrom;
};

} // namespace play
