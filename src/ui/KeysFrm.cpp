#include "ui/KeysFrm.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

const std::vector<std::pair<QString, QString>> &GameKeys()
{
    static const std::vector<std::pair<QString, QString>> keys = {
        {QStringLiteral("Стрелки"), QStringLiteral("Двигать руку над столом")},
        {QStringLiteral("Shift + стрелки"), QStringLiteral("Двигать руку быстрее, на целую деталь")},
        {QStringLiteral("Ctrl + стрелки"), QStringLiteral("Двигать руку точнее, на одну точку")},
        {QStringLiteral("Пробел или Ввод"), QStringLiteral("Взять или положить деталь или группу под рукой")},
        {QStringLiteral("R"), QStringLiteral("Повернуть деталь под рукой или в руке")},
        {QStringLiteral("Tab / Shift+Tab"),
         QStringLiteral("К следующей / предыдущей отдельной детали, с фильтром краёв — сначала края")},
        {QStringLiteral("PgUp / PgDn"), QStringLiteral("Крупнее / мельче")},
        {QStringLiteral("Home"), QStringLiteral("Весь стол в окне")},
        {QStringLiteral("Z"), QStringLiteral("Вблизи")},
        {QStringLiteral("H"), QStringLiteral("Подсказка")},
        {QStringLiteral("Ctrl+Z / Ctrl+Shift+Z"), QStringLiteral("Отменить / вернуть ход")},
        {QStringLiteral("1–9"), QStringLiteral("Убрать в лоток")},
        {QStringLiteral("Ctrl+щелчок / Shift+перетаскивание"), QStringLiteral("Выбрать детали")},
        {QStringLiteral("Esc"), QStringLiteral("Вернуть деталь туда, откуда её взяли")},
        {QStringLiteral("Правая кнопка мыши"), QStringLiteral("Повернуть деталь")},
        {QStringLiteral("Колесо мыши, Ctrl+= / Ctrl+−"), QStringLiteral("Крупнее / мельче")},
        {QStringLiteral("Ctrl+0"), QStringLiteral("В натуральную величину")},
        {QStringLiteral("F3 или Pause"), QStringLiteral("Пауза")},
        {QStringLiteral("F11"), QStringLiteral("Во весь экран")},
        {QStringLiteral("Ctrl+N"), QStringLiteral("Новая игра")},
        {QStringLiteral("Ctrl+O"), QStringLiteral("Загрузить игру")},
        {QStringLiteral("Ctrl+S"), QStringLiteral("Сохранить игру")},
        {QStringLiteral("Ctrl+Q"), QStringLiteral("Выйти")},
        {QStringLiteral("F1"), QStringLiteral("Эта справка")},
    };
    return keys;
}

TKeysFrm::TKeysFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("KeysFrm"));
    setWindowTitle(QStringLiteral("Клавиши"));
    auto *lay = new QVBoxLayout(this);
    const auto &keys = GameKeys();
    auto *table = new QTableWidget(int(keys.size()), 2, this);
    table->setObjectName(QStringLiteral("KeysTable"));
    table->setAccessibleName(QStringLiteral("Клавиши игры"));
    table->setAccessibleDescription(QStringLiteral("Клавиша и что она делает"));
    table->setHorizontalHeaderLabels({QStringLiteral("Клавиша"), QStringLiteral("Действие")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int r = 0; r < int(keys.size()); ++r) {
        table->setItem(r, 0, new QTableWidgetItem(keys[size_t(r)].first));
        table->setItem(r, 1, new QTableWidgetItem(keys[size_t(r)].second));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    lay->addWidget(table);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    lay->addWidget(buttons);
    resize(800, 640);
}
