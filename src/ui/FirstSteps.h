// The hint of where to begin, over the middle of an empty table, until the
// first game has been played.
#pragma once

#include <QLabel>

class TFirstSteps : public QLabel {
    Q_OBJECT
public:
    explicit TFirstSteps(QWidget *table);
    // Shown or not, in the middle of the table, at the interface's scale.
    void Place(bool shown, double scale = 1.0);
};
