// The new-game dialog: the cut (35 or 187 pieces) and whether pieces may
// come turned.  exec() answers 2 (cancel), 3 (35 pieces) or 4 (187 pieces);
// closing the window answers 2 as well.  The check box keeps its state from
// one showing to the next.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class TMySpeedButton;

class TNewGameFrm : public QDialog {
    Q_OBJECT
public:
    explicit TNewGameFrm(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    TMySpeedButton *MySpeedButton1 = nullptr; // 5 x 7 cut, answers 3
    TMySpeedButton *MySpeedButton2 = nullptr; // 17 x 11 cut, answers 4
    QCheckBox *CheckBox1 = nullptr;           // "Вращение вилоры "
    QPushButton *SpeedButton1 = nullptr;      // "Отмена", answers 2

    void MySpeedButton1Click() { done(3); }
    void MySpeedButton2Click() { done(4); }
    void SpeedButton1Click() { done(2); }

    void reject() override { done(2); }

protected:
    void showEvent(QShowEvent *e) override;
    // The dialog has no key of its own for cancelling: Esc does nothing.
    void keyPressEvent(QKeyEvent *e) override;
};
