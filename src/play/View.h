// What part of the table the window shows, and how large.  The pieces keep
// their places in board pixels; the view only maps window points to board
// points and back, for the projection and for the mouse.  The table never
// gets lost: when it is larger than the window on screen, its edges stay
// at or beyond the window's; when smaller, it stays centred in it.
#pragma once

#include <QPointF>
#include <QSize>
#include <vector>

namespace play {

class TView {
public:
    TView() = default; // 100%, the table's corner at the window's

    // The wheel's zoom steps, smallest first; 1.0 is one window pixel a
    // board pixel.  The fitted zoom lies between them, or below the first
    // when the table is that large for the window.
    static const std::vector<double> &Steps();

    // The window's drawing area and the table, in pixels; the view is then
    // brought back within its limits.
    void SetWindow(QSize window);
    void SetTable(QSize table);
    QSize Window() const { return m_window; }
    QSize Table() const { return m_table; }

    double Zoom() const { return m_zoom; }
    // Window position of the table's top-left corner.
    QPointF Origin() const { return m_origin; }

    QPointF ToBoard(QPointF window) const { return (window - m_origin) / m_zoom; }
    QPointF ToWindow(QPointF board) const { return board * m_zoom + m_origin; }
    // The board pixel under a window point (whole pixels, rounded down).
    QPoint BoardPixel(QPointF window) const;

    // 100%, the table's top-left corner at the window's.
    void Home();
    // The exact zoom, at most 100%, at which the whole table fits the window.
    double FitZoom() const;
    // The whole table at FitZoom, centred: how a game opens.
    void FitTable();
    bool Fitted() const;
    // The table grown, to the right and down, just enough to cover the
    // window at the present zoom: with it the felt fills the window.
    QSize TableCoveringWindow() const;
    // Between the fitted view and the last close-up: from the fitted view
    // to the zoom it was left at (100% at first) about the window point,
    // from any other view to the fitted one.
    void ToggleCloseUp(QPointF window);
    // Zooms by `steps` of Steps() (positive: larger) keeping the board
    // point under `window` where it is, as far as the limits allow; below
    // the first step only as far as the fitted zoom.  False when the zoom
    // is already at the end.
    bool ZoomAbout(int steps, QPointF window);
    // The same about the window's centre.
    bool ZoomAboutCentre(int steps);
    // The zoom `zoom` with the board point under `window` kept there.
    void ZoomTo(double zoom, QPointF window);
    // The board point in the middle of the window, as far as the limits allow.
    void CentreOn(QPointF board);
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
    double LeastZoom() const;

    QSize m_window{1, 1};
    QSize m_table{1, 1};
    double m_zoom = 1.0;
    double m_closeUp = 1.0; // the zoom Z goes back to from the fitted view
    QPointF m_origin;
    bool m_panning = false;
    QPointF m_panFrom;
};

} // namespace play
