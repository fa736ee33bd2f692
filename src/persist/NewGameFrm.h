// The new-game dialog: the cut (35 or 187 pieces) and whether pieces may
// come turned.  exec() answers 2 (cancel), 3 (35 pieces) or 4 (187 pieces).
#pragma once

#include <QDialog>

class QCheckBox;

class TNewGameFrm : public QDialog {
    Q_OBJECT
public:
    explicit TNewGameFrm(QWidget *parent = nullptr);
    QCheckBox *CheckBox1 = nullptr;
};
