#include "ui/SettingsFrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TSettingsFrm::TSettingsFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SettingsFrm"));
    setWindowTitle(QStringLiteral("Настройки"));
    auto *lay = new QVBoxLayout(this);
    m_rows = new QFormLayout;
    lay->addLayout(m_rows);
    auto *buttons = new QDialogButtonBox(this);
    KeysButton = buttons->addButton(QStringLiteral("Клавиши (F1)"), QDialogButtonBox::HelpRole);
    KeysButton->setAccessibleDescription(QStringLiteral("Показывает все клавиши игры"));
    QPushButton *close = buttons->addButton(QStringLiteral("Закрыть"), QDialogButtonBox::AcceptRole);
    close->setAccessibleDescription(QStringLiteral("Закрывает окно настроек"));
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    lay->addWidget(buttons);
}

void TSettingsFrm::AddRow(const TSettingsRowText &text, QWidget *field)
{
    auto *label = new QLabel(text.Caption, this);
    label->setBuddy(field);
    field->setAccessibleName(text.Caption);
    field->setAccessibleDescription(text.Description);
    field->setToolTip(text.Description);
    m_rows->addRow(label, field);
}

void TSettingsFrm::AddSwitch(const TSettingsRowText &text, std::function<bool()> get, std::function<void(bool)> set)
{
    auto *box = new QCheckBox(this);
    AddRow(text, box);
    m_refresh.push_back([this, box, get] {
        m_refreshing = true;
        box->setChecked(get());
        m_refreshing = false;
    });
    connect(box, &QCheckBox::toggled, this, [this, set](bool on) {
        if (!m_refreshing)
            set(on);
    });
}

void TSettingsFrm::AddChoice(const TSettingsRowText &text, const std::vector<std::pair<int, QString>> &choices,
                             std::function<int()> get, std::function<void(int)> set)
{
    auto *list = new QComboBox(this);
    for (const auto &[value, label] : choices)
        list->addItem(label, value);
    AddRow(text, list);
    m_refresh.push_back([this, list, get] {
        m_refreshing = true;
        list->setCurrentIndex(std::max(0, list->findData(get())));
        m_refreshing = false;
    });
    connect(list, &QComboBox::currentIndexChanged, this, [this, list, set](int i) {
        if (!m_refreshing && i >= 0)
            set(list->itemData(i).toInt());
    });
}

void TSettingsFrm::AddRange(const TSettingsRowText &text, int min, int max, std::function<int()> get,
                            std::function<void(int)> set)
{
    auto *box = new QSpinBox(this);
    box->setRange(min, max);
    AddRow(text, box);
    m_refresh.push_back([this, box, get] {
        m_refreshing = true;
        box->setValue(get());
        m_refreshing = false;
    });
    connect(box, &QSpinBox::valueChanged, this, [this, set](int v) {
        if (!m_refreshing)
            set(v);
    });
}

void TSettingsFrm::showEvent(QShowEvent *e)
{
    for (const auto &refresh : m_refresh)
        refresh();
    QDialog::showEvent(e);
}
