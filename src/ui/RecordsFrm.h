// A small window with the best times of one picture: one list for each cut
// and rotation setting that has any, fastest first.
#pragma once

#include <QDialog>
#include <vector>

#include "persist/Records.h"

class QLabel;

class TRecordsFrm : public QDialog {
    Q_OBJECT
public:
    explicit TRecordsFrm(QWidget *parent = nullptr);

    // The picture's name for the title line and its lists; no lists (or no
    // picture) say there is nothing yet.
    void SetRecords(const QString &pictureName, const std::vector<TRecordList> &lists);

    // The text shown, for the window and its tests.
    QString Text() const;

private:
    QLabel *m_text = nullptr;
};
