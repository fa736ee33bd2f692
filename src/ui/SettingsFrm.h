// The settings window «Настройки»: one row a setting, a check box for a
// switch, a list for a few values, a number box for a range.  The window
// keeps nothing itself: each row reads its value through `get` before every
// showing and hands every change to `set`, which keeps it.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "ui/MainToolbar.h"

class QFormLayout;
class QPushButton;

// What every row tells the player and a screen reader.
struct TSettingsRowText {
    QString Caption;     // the row's label, also its accessible name
    QString Description; // a sentence of what it does
};

class TSettingsFrm : public QDialog {
    Q_OBJECT
public:
    explicit TSettingsFrm(QWidget *parent = nullptr);

    void AddSwitch(const TSettingsRowText &text, std::function<bool()> get, std::function<void(bool)> set);
    // One of the values, each shown by its label.
    void AddChoice(const TSettingsRowText &text, const std::vector<std::pair<int, QString>> &choices,
                   std::function<int()> get, std::function<void(int)> set);
    // A whole number from min to max.
    void AddRange(const TSettingsRowText &text, int min, int max, std::function<int()> get,
                  std::function<void(int)> set);

    // The button that shows the keys («Клавиши (F1)»).
    QPushButton *KeysButton = nullptr;

protected:
    void showEvent(QShowEvent *e) override;

private:
    void AddRow(const TSettingsRowText &text, QWidget *field);

    QFormLayout *m_rows = nullptr;
    std::vector<std::function<void()>> m_refresh; // each row back to its value
    bool m_refreshing = false;                    // values set from code are no changes
};
