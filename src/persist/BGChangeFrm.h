// The table-background chooser: installed backgrounds in a grid, or any
// picture file.
#pragma once

#include <QDialog>
#include <cstdint>

class TMyImageList;

class TBGChangeFrm : public QDialog {
    Q_OBJECT
public:
    explicit TBGChangeFrm(QWidget *parent = nullptr);
    // The list shown and the index a double click writes.
    void Bind(TMyImageList *bg, uint8_t *bgIndex) { m_bg = bg; m_bgIndex = bgIndex; }

    bool FromFile = false;
    QString BgFile;

private:
    TMyImageList *m_bg = nullptr;
    uint8_t *m_bgIndex = nullptr;
};
