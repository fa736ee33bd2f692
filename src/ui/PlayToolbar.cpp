#include "ui/PlayToolbar.h"

#include <QBoxLayout>
#include <QLabel>
#include <QWidget>

const TToolbarButtonDef PlayButtons[PlayButtonCount] = {
    {"PauseBtn", 412, "Пауза", 5, true},
    {"LidBtn", 454, "Картинка", 6, true},
    {"EdgeBtn", 496, "Края", 7, true},
};

int ToolbarButtonsEnd() { return PlayButtons[PlayButtonCount - 1].X + ToolbarButtonWidth; }

QLabel *MakeProgressLabel(QWidget *panel)
{
    auto *lab = new QLabel(panel);
    lab->setObjectName(QStringLiteral("ProgressLab"));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(16);
    f.setBold(true);
    lab->setFont(f);
    QPalette pal = lab->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
    lab->setPalette(pal);
    lab->setAlignment(Qt::AlignCenter);
    lab->setAttribute(Qt::WA_TranslucentBackground);
    if (auto *row = qobject_cast<QBoxLayout *>(panel->layout()))
        row->insertWidget(0, lab);
    return lab;
}
