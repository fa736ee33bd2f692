// The keys of the game, in Russian, in a small window (F1).
#pragma once

#include <QDialog>
#include <QString>
#include <utility>
#include <vector>

// Every key of the game and what it does, in the order the window lists them.
const std::vector<std::pair<QString, QString>> &GameKeys();

class TKeysFrm : public QDialog {
    Q_OBJECT
public:
    explicit TKeysFrm(QWidget *parent = nullptr);
};
