// The picture browser: thumbnails of the installed pictures or of a chosen
// folder; the player's choice comes back in ChosenFile / SelfImg.
#pragma once

#include <QDialog>

class TBrowseFrm : public QDialog {
    Q_OBJECT
public:
    explicit TBrowseFrm(QWidget *parent = nullptr);

    QString ChosenFile; // full path of the chosen picture
    bool SelfImg = false; // the list shows the installed pictures
};
