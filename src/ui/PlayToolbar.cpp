#include "ui/PlayToolbar.h"

#include <QBoxLayout>
#include <QLabel>
#include <QWidget>

const TToolbarButtonDef PlayButtons[PlayButtonCount] = {
    {"PauseBtn", 412, "Пауза", 5, true},
    {"LidBtn", 454, "Картинка", 6, true},
    {"EdgeBtn", 496, "Края", 7, true},
    {"HideBtn", 538, "Скрыть собранное", 8, true},
};

const TToolbarButtonDef SettingsButton = {"SettingsBtn", 580, "Настройки", 0, true};

int ToolbarButtonsEnd() { return SettingsButton.X + ToolbarButtonWidth; }

QLabel *MakeProgressLabel(QWidget *panel)
{
    QLabel *lab = MakeToolbarLabel(panel, QStringLiteral("ProgressLab"), QStringLiteral("Liberation Sans"), 16);
    if (auto *row = qobject_cast<QBoxLayout *>(panel->layout()))
        row->insertWidget(0, lab);
    return lab;
}

QLabel *MakeZoomLabel(QWidget *panel)
{
    QLabel *lab = MakeToolbarLabel(panel, QStringLiteral("ZoomLab"), QStringLiteral("Liberation Sans"), 14);
    lab->setText(QStringLiteral("100%"));
    if (auto *row = qobject_cast<QBoxLayout *>(panel->layout()))
        row->insertWidget(1, lab);
    return lab;
}

void ArrangeToolbar(QWidget *panel, int width, const std::vector<QLabel *> &labels)
{
    auto *row = qobject_cast<QBoxLayout *>(panel->layout());
    if (!row)
        return;
    const int gap = 8, under = 28;
    int need = ToolbarButtonsEnd() + 2 * gap;
    for (QLabel *l : labels) {
        l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        need += l->sizeHint().width() + row->spacing();
    }
    panel->setMinimumWidth(ToolbarButtonsEnd() + 5);
    const bool oneRow = width >= need;
    row->setContentsMargins(oneRow ? ToolbarButtonsEnd() + gap : gap, oneRow ? 0 : ToolbarHeight, gap, 0);
    panel->setFixedHeight(oneRow ? ToolbarHeight : ToolbarHeight + under);
}
