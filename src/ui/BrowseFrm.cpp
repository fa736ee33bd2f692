#include "ui/BrowseFrm.h"

TBrowseFrm::TBrowseFrm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("BrowseFrm"));
}
