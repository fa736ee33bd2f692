// Zoom and pan of the table: the wheel, the keys and the table's size.  The
// view itself (play/View) maps window points to board points; here it is
// wired to the table's events and redrawn.
#include <QShortcut>
#include <cmath>

#include "app/DrawPanel.h"
#include "app/MainForm.h"
#include "play/Table.h"

namespace {

QSize PanelSize(const TDrawPanel *panel) { return panel ? panel->size() : QSize(); }

} // namespace

void TMainForm::OpenTable()
{
    const QSize window = PanelSize(DrawPanel);
    View.SetWindow(window);
    View.SetTable(play::TableSize(board.SizeIndex, window.width(), window.height()));
    View.FitTable();
}

void TMainForm::FitViewToWindow()
{
    const QSize window = PanelSize(DrawPanel);
    View.SetWindow(window);
    View.SetTable(play::TableOnResize(board.SizeIndex, View.Table(), window));
}

QPoint TMainForm::BoardPoint(int x, int y) const
{
    // The middle of the window pixel: at 100% exactly the board pixel there.
    return View.BoardPixel(QPointF(x + 0.5, y + 0.5));
}

void TMainForm::DrawPanelWheel(int steps, double x, double y)
{
    if (View.ZoomAbout(steps, QPointF(x, y)))
        Draw();
}

void TMainForm::ZoomHome()
{
    View.Home();
    Draw();
}

void TMainForm::ZoomAboutCentre(int steps)
{
    if (View.ZoomAboutCentre(steps))
        Draw();
}

void TMainForm::CreateViewShortcuts()
{
    const auto add = [this](const QKeySequence &keys, auto handler) {
        auto *s = new QShortcut(keys, this);
        connect(s, &QShortcut::activated, this, handler);
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { ZoomHome(); });
    // Plus is a shifted key on most keyboards: Ctrl+= does the same.
    add(QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { ZoomAboutCentre(1); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { ZoomAboutCentre(1); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { ZoomAboutCentre(-1); });
}
