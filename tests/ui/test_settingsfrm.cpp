// The settings window: each row shows its value when the window opens and
// hands the player's change to its owner; the keys window lists every key.
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "ui/KeysFrm.h"
#include "ui/SettingsFrm.h"

TEST(SettingsFrm, RowsShowTheirValuesAndHandOnTheChanges)
{
    bool on = true;
    int level = 2, range = 9;
    std::vector<QString> changed;
    TSettingsFrm f;
    f.AddSwitch({"Переключатель", "Что он делает"}, [&] { return on; }, [&](bool v) { on = v; changed.push_back("s"); });
    f.AddChoice({"Выбор", "Что он делает"}, {{1, "один"}, {2, "два"}}, [&] { return level; },
                [&](int v) { level = v; changed.push_back("c"); });
    f.AddRange({"Число", "Что оно значит"}, 3, 15, [&] { return range; }, [&](int v) { range = v; changed.push_back("r"); });
    f.show();
    auto *box = f.findChild<QCheckBox *>();
    auto *list = f.findChild<QComboBox *>();
    auto *spin = f.findChild<QSpinBox *>();
    ASSERT_TRUE(box && list && spin);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(list->currentText(), "два");
    EXPECT_EQ(spin->value(), 9);
    EXPECT_TRUE(changed.empty()); // showing the values changes nothing
    EXPECT_EQ(box->accessibleName(), "Переключатель");
    EXPECT_EQ(list->accessibleDescription(), "Что он делает");
    box->click();
    list->setCurrentIndex(0);
    spin->setValue(15);
    EXPECT_EQ(changed, (std::vector<QString>{"s", "c", "r"}));
    EXPECT_FALSE(on);
    EXPECT_EQ(level, 1);
    EXPECT_EQ(range, 15);
}

TEST(KeysFrm, ListsEveryKey)
{
    TKeysFrm f;
    auto *table = f.findChild<QTableWidget *>();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), int(GameKeys().size()));
    for (int r = 0; r < table->rowCount(); ++r)
        EXPECT_EQ(table->item(r, 0)->text(), GameKeys()[size_t(r)].first);
}
