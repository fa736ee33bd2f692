// The new-game dialog: the cut and whether pieces may come turned.  Two
// picture buttons for the classic cuts (35 and 187 pieces) and a row of
// four for the big ones (384, 600, 1000, 2016).  exec() answers 2 (cancel),
// or 2 + the SizeIndex of the chosen cut: 3 (35 pieces), 4 (187), 5 (384),
// 6 (600), 7 (1000), 8 (2016); closing the window answers 2 as well.  The
// check box keeps its state from one showing to the next.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "board/Board.h"

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
    // The big cuts, captioned with their piece counts: answer 5 to 8.
    std::array<TMySpeedButton *, CutCount - FirstBigCut + 1> BigCutButtons{};
    QCheckBox *CheckBox1 = nullptr;           // "Вращение вилоры "
    QPushButton *SpeedButton1 = nullptr;      // "Отмена", answers 2

    void MySpeedButton1Click() { done(3); }
    void MySpeedButton2Click() { done(4); }
    void SpeedButton1Click() { done(2); }

    void reject() override { done(2); }

    // ---- cuts the table cannot show ----
    // Whether the table can show a cut (by SizeIndex); a cut it cannot is
    // refused with a message and the dialog stays open.  Unset: every cut.
    std::function<bool(int sizeIndex)> CutShown;
    void done(int result) override;

protected:
    void showEvent(QShowEvent *e) override;
    // The dialog has no key of its own for cancelling: Esc does nothing.
    void keyPressEvent(QKeyEvent *e) override;
};
