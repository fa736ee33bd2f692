#include "ui/PlayToolbar.h"

#include <QBoxLayout>
#include <QLabel>
#include <QWidget>

const TToolbarButtonDef PlayButtons[PlayButtonCount] = {
    {"PauseBtn", 412, "Пауза", 5, true},
    {"LidBtn", 454, "Картинка", 6, true},
    {"EdgeBtn", 496, "Края", 7, true},
    {"HideBtn", 538, "Скрыть собранное", 8, true},
    {"TraysBtn", 580, "Лотки", 9, true},
};

int ToolbarButtonsEnd() { return PlayButtons[PlayButtonCount - 1].X + ToolbarButtonWidth; }

QLabel *MakeProgressLabel(QWidget *panel)
{
    QLabel *lab = MakeToolbarLabel(panel, QStringLiteral("ProgressLab"), QStringLiteral("Liberation Sans"), 16);
    if (auto *row = qobject_cast<QBoxLayout *>(panel->layout()))
        row->insertWidget(0, lab);
    return lab;
}
