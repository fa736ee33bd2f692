#include "persist/BGChangeFrm.h"

TBGChangeFrm::TBGChangeFrm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Выбери фон стола"));
}
