// The trays' strip beside the table and the ways of sorting with the mouse
// and keys: Ctrl+click and Shift+drag on the table, keys 1..9, a drag let
// go over a tray or out of one.  Each becomes the game's move.
#include <QCursor>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLayout>

#include "app/DrawPanel.h"
#include "app/MainForm.h"
#include "ui/TrayStrip.h"

void TMainForm::CreateTrayStrip(QWidget *row)
{
    TrayStrip = new TTrayStrip(row);
    row->layout()->addWidget(TrayStrip);
    connect(TrayStrip, &TTrayStrip::OpenToggled, this, [this](bool open) { Act(Game->SetTraysShown(open)); });
    connect(TrayStrip, &TTrayStrip::PieceDropped, this, &TMainForm::TrayPieceDropped);
    connect(TrayStrip, &TTrayStrip::PieceMovedToTray, this,
            [this](int piece, int tray) { Act(Game->MovePieceToTray(piece, tray)); });
    connect(TrayStrip, &TTrayStrip::TakeAllAsked, this, [this](int tray) { Act(Game->TakeAllOutOfTray(tray)); });
    connect(TrayStrip, &TTrayStrip::RenameAsked, this, &TMainForm::RenameTrayAsked);
    connect(TrayStrip, &TTrayStrip::SpreadAsked, this, [this] { Act(Game->Spread()); });
    connect(TrayStrip, &TTrayStrip::BringBackAsked, this, [this] { Act(Game->BringBackLost()); });
    connect(TrayStrip, &TTrayStrip::SortByColourAsked, this, [this] { Act(Game->SortByColour()); });
    connect(TrayStrip, &TTrayStrip::SortByShapeAsked, this, [this] { Act(Game->SortByShape()); });
    ShowTrays();
}

void TMainForm::ShowTrays()
{
    if (TrayStrip)
        TrayStrip->ShowTrays(Game->board(), [this](int piece) { return Game->PieceImage(piece); });
}

bool TMainForm::SortingPress(Qt::MouseButton button, int x, int y)
{
    if (button != Qt::LeftButton)
        return false;
    const Qt::KeyboardModifiers mods = QGuiApplication::keyboardModifiers();
    if (mods & Qt::ControlModifier) {
        Act(Game->ToggleSelect(QPoint(x, y)));
        return true;
    }
    if (mods & Qt::ShiftModifier) {
        Act(Game->PressShifted(QPoint(x, y)));
        return true;
    }
    return false;
}

void TMainForm::ShowTrayUnderDrag(int x, int y)
{
    if (TrayStrip && TrayStrip->isVisible())
        TrayStrip->Highlight(Game->board().Dragging ? TrayStrip->TrayAt(TrayStrip->mapFromGlobal(
                                                          DrawPanel->mapToGlobal(QPoint(x, y))))
                                                    : -1);
}

bool TMainForm::ReleaseOverTray(int x, int y)
{
    if (!TrayStrip || !Game->board().Dragging)
        return false;
    const int tray = TrayStrip->TrayAt(TrayStrip->mapFromGlobal(DrawPanel->mapToGlobal(QPoint(x, y))));
    TrayStrip->Highlight(-1);
    if (tray < 0)
        return false;
    Act(Game->DropInTray(tray));
    return true;
}

bool TMainForm::TrayKey(int key)
{
    if (key < Qt::Key_1 || key > Qt::Key_9)
        return false;
    Act(Game->PutInTray(key - Qt::Key_1, DrawPanel->mapFromGlobal(QCursor::pos())));
    return true;
}

void TMainForm::TrayPieceDropped(int piece, QPoint global)
{
    const QPoint at = DrawPanel->mapFromGlobal(global);
    if (DrawPanel->rect().contains(at))
        Act(Game->TakeOutOfTray(piece, at));
}

void TMainForm::RenameTrayAsked(int tray)
{
    const std::vector<TTray> &trays = Game->board().Trays;
    if (tray < 0 || size_t(tray) >= trays.size())
        return;
    bool ok = false;
    const QString name = QInputDialog::getText(this, QStringLiteral("Лоток"), QStringLiteral("Имя лотка:"),
                                               QLineEdit::Normal, trays[size_t(tray)].Name, &ok);
    if (ok)
        Act(Game->RenameTray(tray, name));
}
