#include "ui/FirstSteps.h"

#include <algorithm>
#include <cmath>

TFirstSteps::TFirstSteps(QWidget *table) : QLabel(table)
{
    setObjectName(QStringLiteral("FirstSteps"));
    setText(QStringLiteral("С чего начать?\n\n«Новая игра» (Ctrl+N) — выбрать картинку и размер вилоры.\n"
                           "«Загрузить игру» (Ctrl+O) — продолжить сохранённую.\n\n"
                           "Все клавиши — F1, настройки — кнопка с шестерёнкой."));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setMargin(14);
    setAccessibleName(QStringLiteral("С чего начать"));
    setStyleSheet(QStringLiteral("QLabel { background: rgba(10, 20, 70, 215); color: white; "
                                 "border: 2px solid rgb(255, 215, 0); border-radius: 8px; }"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void TFirstSteps::Place(bool shown, double scale)
{
    if (shown && parentWidget()) {
        QFont f = font();
        f.setPixelSize(int(std::lround(16 * scale)));
        setFont(f);
        const QSize room = parentWidget()->size();
        const int w = std::clamp(room.width() - 20, 100, int(std::lround(560 * scale)));
        const int pad = 2 * (margin() + 4); // the margin and the border
        const QRect text = fontMetrics().boundingRect(QRect(0, 0, w - pad, 10000),
                                                      Qt::AlignCenter | Qt::TextWordWrap, this->text());
        setFixedSize(w, text.height() + pad);
        move((room.width() - width()) / 2, (room.height() - height()) / 2);
    }
    setVisible(shown);
}
