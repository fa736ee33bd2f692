// The view of the table: zoom steps, panning within the table's limits, and
// the mouse through it (a press picks what is drawn there, a drag keeps the
// piece under the pointer).
#include <gtest/gtest.h>
#include <algorithm>

#include "PlayTestBoard.h"
#include "play/Drag.h"
#include "play/HitTest.h"
#include "play/EdgeScroll.h"
#include "play/View.h"

using namespace play;

namespace {

TView ViewOf(QSize window, QSize table)
{
    TView v;
    v.SetWindow(window);
    v.SetTable(table);
    return v;
}

// The window point where the board point is drawn.
QPointF Shown(const TView &v, QPointF board) { return v.ToWindow(board); }

} // namespace

TEST(View, FitShowsTheWholeTableCentredAtItsExactZoomUpToFullSize)
{
    struct TRow {
        QSize window, table;
    };
    for (const TRow &r : {TRow{{1280, 950}, {1280, 950}}, TRow{{1280, 950}, {1600, 1100}},
                          TRow{{1280, 950}, {2500, 1850}}, TRow{{400, 300}, {2600, 1900}}, TRow{{800, 600}, {400, 300}}}) {
        TView v = ViewOf(r.window, r.table);
        v.ZoomAboutCentre(2);
        v.FitTable();
        const double exact = std::min({1.0, double(r.window.width()) / r.table.width(),
                                       double(r.window.height()) / r.table.height()});
        EXPECT_DOUBLE_EQ(v.Zoom(), exact) << r.table.width();
        EXPECT_TRUE(v.Fitted());
        // Centred: the same margin, to a pixel, on either side of each axis.
        const QPointF lo = v.ToWindow(QPointF(0, 0)), hi = v.ToWindow(QPointF(r.table.width(), r.table.height()));
        EXPECT_NEAR(lo.x(), r.window.width() - hi.x(), 1.0) << r.table.width();
        EXPECT_NEAR(lo.y(), r.window.height() - hi.y(), 1.0) << r.table.width();
        // The table grown to cover the window leaves no band at that zoom.
        if (exact < 1.0) {
            v.SetTable(v.TableCoveringWindow());
            const QPointF end = v.ToWindow(QPointF(v.Table().width(), v.Table().height()));
            EXPECT_LE(v.ToWindow(QPointF(0, 0)).x(), 0.0) << r.table.width();
            EXPECT_GE(end.x(), r.window.width() - 0.01) << r.table.width();
            EXPECT_GE(end.y(), r.window.height() - 0.01) << r.table.width();
        }
    }
}

TEST(View, ZTogglesBetweenTheFittedViewAndTheLastCloseUpAboutThePointer)
{
    TView v = ViewOf({800, 600}, {2400, 1800});
    v.FitTable();
    const QPointF pointer(200, 150);
    const QPointF board = v.ToBoard(pointer);
    v.ToggleCloseUp(pointer);
    EXPECT_DOUBLE_EQ(v.Zoom(), 1.0); // the first close-up is full size
    EXPECT_NEAR(v.ToWindow(board).x(), pointer.x(), 1.0);
    v.ZoomAboutCentre(1);
    const double closeUp = v.Zoom();
    v.ToggleCloseUp(pointer);
    EXPECT_TRUE(v.Fitted());
    v.ToggleCloseUp(pointer);
    EXPECT_DOUBLE_EQ(v.Zoom(), closeUp);
}

TEST(View, PanStopsWhereTheTablesEdgeMeetsTheWindows)
{
    TView v = ViewOf({800, 600}, {2000, 1500});
    v.Home();
    EXPECT_FALSE(v.PanBy({50, 50})); // already at the top-left edge
    EXPECT_TRUE(v.PanBy({-100000, -100000}));
    EXPECT_EQ(v.ToWindow(QPointF(2000, 1500)), QPointF(800, 600)); // bottom-right edges meet
    // A table smaller than the window on screen stays in its middle.
    v.ZoomAboutCentre(-5);
    ASSERT_DOUBLE_EQ(v.Zoom(), 0.25);
    EXPECT_FALSE(v.PanBy({100000, 100000}));
    const QPointF middle = v.ToWindow(QPointF(1000, 750));
    EXPECT_NEAR(middle.x(), 400, 0.5);
    EXPECT_NEAR(middle.y(), 300, 0.5);
}

TEST(View, WheelZoomKeepsThePointUnderThePointerWithinTheSteps)
{
    TView v = ViewOf({800, 600}, {2000, 1500});
    v.Home();
    v.PanBy({-600, -400});
    const QPointF pointer(310, 220);
    const QPointF board = v.ToBoard(pointer);
    ASSERT_TRUE(v.ZoomAbout(1, pointer));
    EXPECT_NEAR(v.ToWindow(board).x(), pointer.x(), 1.0);
    EXPECT_NEAR(v.ToWindow(board).y(), pointer.y(), 1.0);
    while (v.ZoomAbout(1, pointer)) {
    }
    EXPECT_DOUBLE_EQ(v.Zoom(), TView::Steps().back());
    while (v.ZoomAbout(-1, pointer)) {
    }
    EXPECT_DOUBLE_EQ(v.Zoom(), TView::Steps().front());
    v.Home();
    EXPECT_DOUBLE_EQ(v.Zoom(), 1.0);
    EXPECT_EQ(v.ToBoard(QPointF(0, 0)), QPointF(0, 0));
}

TEST(View, PressAtAZoomedPannedPointPicksThePieceDrawnThere)
{
    Board b = MakeBoard(5);
    b.Pieces[7].X = 1700;
    b.Pieces[7].Y = 1200;
    for (int steps : {-2, 0, 3}) {
        TView v = ViewOf({1000, 700}, {2800, 1800});
        v.Home();
        v.PanBy({-1300, -900});
        v.ZoomAboutCentre(steps);
        // The middle of piece 7's hit square, where it is drawn on screen.
        const THitSquare s = HitSquare(b, b.Pieces[7]);
        const QPointF at = Shown(v, QPointF((s.Left + s.Right) / 2.0, (s.Top + s.Bottom) / 2.0));
        ASSERT_TRUE(QRectF(0, 0, 1000, 700).contains(at)) << steps;
        const QPoint p = v.BoardPixel(at);
        EXPECT_EQ(PieceAt(b, p.x(), p.y()), 7) << steps;
    }
}

TEST(View, DragAcrossTheZoomedTableKeepsThePieceUnderThePointer)
{
    Board b = MakeBoard(5);
    Tpiece &p = b.Pieces[3];
    p.X = 400;
    p.Y = 300;
    TView v = ViewOf({1000, 700}, {2800, 1800});
    v.ZoomAboutCentre(-1);
    v.PanBy({-120, -80});
    const QPointF from = Shown(v, QPointF(p.X + 30, p.Y + 30));
    const QPoint grab = v.BoardPixel(from);
    ASSERT_TRUE(Press(b, TMouseBtn::Left, grab.x(), grab.y()).Redraw);
    ASSERT_EQ(b.DragPiece, 3);
    const QPointF to = from + QPointF(333, 177);
    const QPoint drop = v.BoardPixel(to);
    DragTo(b, drop.x(), drop.y());
    // The board point grabbed is again under the pointer, to a board pixel.
    const QPointF grabbedNow = Shown(v, QPointF(p.X + (grab.x() - 400) + 0.5, p.Y + (grab.y() - 300) + 0.5));
    EXPECT_NEAR(grabbedNow.x(), to.x(), 1.0 * v.Zoom() + 0.5);
    EXPECT_NEAR(grabbedNow.y(), to.y(), 1.0 * v.Zoom() + 0.5);
}

TEST(View, ADragNearTheEdgeScrollsThatWayTheFasterTheNearer)
{
    const QSize w(1000, 800);
    EXPECT_EQ(EdgeScrollStep(w, {500, 400}), QPointF(0, 0));
    EXPECT_EQ(EdgeScrollStep(w, {101, 81}), QPointF(0, 0)); // just outside a tenth
    const QPointF nearLeft = EdgeScrollStep(w, {60, 400}), atLeft = EdgeScrollStep(w, {0, 400});
    EXPECT_LT(nearLeft.x(), 0);
    EXPECT_LT(atLeft.x(), nearLeft.x());
    EXPECT_EQ(atLeft.x(), -kEdgeScrollMax);
    EXPECT_EQ(EdgeScrollStep(w, {2000, 900}), QPointF(kEdgeScrollMax, kEdgeScrollMax)); // beyond the corner
}
