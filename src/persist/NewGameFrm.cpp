#include "persist/NewGameFrm.h"

#include <QCheckBox>

TNewGameFrm::TNewGameFrm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Новая игра"));
    CheckBox1 = new QCheckBox(QStringLiteral("Вращение вилоры "), this);
    CheckBox1->setChecked(true);
}
