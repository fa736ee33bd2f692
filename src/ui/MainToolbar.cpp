#include "ui/MainToolbar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QWidget>

#include "ui/MySpeedButton.h"

const TToolbarButtonDef ToolbarButtons[ToolbarButtonCount] = {
    {"NewGameBtn", 5, "Новая игра", 0, true},
    {"LoadBtn", 50, "Загрузить игру", 0, true},
    {"SaveBtn", 92, "Сохранить игру", 0, false},
    {"RoundPlaceBtn", 142, "Размещать вилоры по краям", 1, true},
    {"MusicBtn", 184, "Включить музыку", 2, true},
    {"Eff3dBtn", 226, "Объемность вилоры", 3, true},
    {"ShadowBtn", 268, "Тень вилоры", 4, true},
    // These two hints start with a Latin capital C.
    {"BgBtn", 319, "Cменить фон", 0, true},
    {"ChMusBtn", 361, "Cменить музыку", 0, true},
};

QColor ToolbarColor() { return QColor(166, 202, 240); }

void PaintToolbarPanel(QWidget *panel)
{
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, ToolbarColor());
    panel->setPalette(pal);
    panel->setAutoFillBackground(true);
}

TMySpeedButton *MakeToolbarButton(QWidget *panel, const TToolbarButtonDef &def)
{
    auto *b = new TMySpeedButton(panel);
    b->setObjectName(QString::fromLatin1(def.Name));
    b->setGeometry(def.X, ToolbarButtonTop, ToolbarButtonWidth, ToolbarButtonHeight);
    b->setMargin(ToolbarGlyphMargin);
    // The panel's colour round the button's rounded face.
    b->setColor(ToolbarColor());
    b->setToolTip(QString::fromUtf8(def.Hint));
    b->LoadGlyph(QStringLiteral(":/art/toolbar/%1.png").arg(QLatin1String(def.Name)));
    if (def.GroupIndex != 0) {
        b->setGroupIndex(def.GroupIndex);
        b->setAllowAllUp(true);
    }
    b->setEnabled(def.Enabled);
    return b;
}

QLabel *MakeToolbarLabel(QWidget *panel, const QString &name, const QString &family, int pixelSize)
{
    auto *lab = new QLabel(panel);
    lab->setObjectName(name);
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(true);
    lab->setFont(f);
    QPalette pal = lab->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
    lab->setPalette(pal);
    lab->setAlignment(Qt::AlignCenter);
    lab->setAutoFillBackground(false);
    lab->setAttribute(Qt::WA_TranslucentBackground);
    return lab;
}

QLabel *MakeClockLabel(QWidget *panel, int buttonsEnd)
{
    QLabel *lab = MakeToolbarLabel(panel, QStringLiteral("TimeLab"), QStringLiteral("Liberation Serif"), 27);
    lab->setText(QStringLiteral("00:00:00"));

    // The label takes the panel's width right of the last button.
    auto *lay = new QHBoxLayout(panel);
    lay->setContentsMargins(buttonsEnd + 8, 0, 8, 0);
    lay->addWidget(lab);
    return lab;
}
