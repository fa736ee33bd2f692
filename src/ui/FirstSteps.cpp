#include "ui/FirstSteps.h"

#include <algorithm>

TFirstSteps::TFirstSteps(QWidget *table) : QLabel(table)
{
    setObjectName(QStringLiteral("FirstSteps"));
    setText(QStringLiteral("С чего начать: кнопка «Новая игра» (Ctrl+N) — выбрать картинку и размер вилоры;\n"
                           "«Загрузить игру» (Ctrl+O) — продолжить сохранённую.\n"
                           "Все клавиши — F1, настройки — кнопка «Настройки»."));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setMargin(14);
    setAccessibleName(QStringLiteral("С чего начать"));
    setStyleSheet(QStringLiteral("QLabel { background: rgba(10, 20, 70, 215); color: white; "
                                 "border: 2px solid rgb(255, 215, 0); border-radius: 8px; }"));
    QFont f = font();
    f.setPixelSize(16);
    setFont(f);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void TFirstSteps::Place(bool shown)
{
    if (shown && parentWidget()) {
        const QSize room = parentWidget()->size();
        const int w = std::min(room.width() - 20, 560);
        setFixedWidth(std::max(100, w));
        adjustSize();
        move((room.width() - width()) / 2, (room.height() - height()) / 2);
    }
    setVisible(shown);
}
