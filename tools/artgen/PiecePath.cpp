#include "PiecePath.h"

#include <QPointF>


namespace {

// One side from a to b; v > 0 is outwards (the body lies to the right of
// the direction of travel on a y-down screen).
void AddSide(QPainterPath &path, QPointF a, QPointF b, int tab)
{
    const QPointF d = b - a;
    const QPointF n(d.y(), -d.x()); // outwards, as long as the side
    auto at = [&](double u, double v) { return a + d * u + n * (v * tab); };
    if (tab == 0) {
        path.lineTo(b);
        return;
    }
    path.lineTo(at(0.35, 0));
    path.cubicTo(at(0.41, 0), at(0.43, 0.05), at(0.40, 0.10));
    path.cubicTo(at(0.34, 0.20), at(0.38, 0.30), at(0.50, 0.30));
    path.cubicTo(at(0.62, 0.30), at(0.66, 0.20), at(0.60, 0.10));
    path.cubicTo(at(0.57, 0.05), at(0.59, 0), at(0.65, 0));
    path.lineTo(b);
}

} // namespace

QPainterPath PiecePath(const QRectF &r, const int tabs[4])
{
    QPainterPath path;
    path.moveTo(r.topLeft());
    AddSide(path, r.topLeft(), r.topRight(), tabs[0]);
    AddSide(path, r.topRight(), r.bottomRight(), tabs[1]);
    AddSide(path, r.bottomRight(), r.bottomLeft(), tabs[2]);
    AddSide(path, r.bottomLeft(), r.topLeft(), tabs[3]);
    path.closeSubpath();
    return path;
}
