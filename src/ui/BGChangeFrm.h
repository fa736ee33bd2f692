// The table-background chooser: installed backgrounds in a grid of three
// columns, or any picture file.  Double click on a background chooses it
// (ChosenIndex); "Выбрать из файла" picks a file (FromFile, BgFile).
// Returns Accepted on a choice; the caller applies it.
#pragma once

#include <QDialog>
#include <QTimer>
#include <cstdint>

class QPainter;
class QPushButton;
class QTableWidget;
class TMyImageList;

class TBGChangeFrm : public QDialog {
    Q_OBJECT
public:
    explicit TBGChangeFrm(QWidget *parent = nullptr);
    // The list shown and the background in use.
    void Bind(const TMyImageList *bg, uint8_t current)
    {
        m_bg = bg;
        ChosenIndex = current;
    }

    bool FromFile = false;
    QString BgFile;
    uint8_t ChosenIndex = 0; // the installed background double-clicked

    QPushButton *SpeedButton1 = nullptr; // "Выбрать из файла"
    QTableWidget *grid = nullptr;
    QTimer Timer1; // one more repaint 200 ms after showing

    void FormShow();
    void Timer1Timer();
    // Draws one cell: white, a green frame, the background fitted and centred.
    void gridDrawCell(QPainter &painter, int col, int row, const QRect &rect) const;
    // False (and the selection refused) for a cell without a background.
    bool gridSelectCell(int col, int row);
    void gridDblClick(int col, int row);
    void SpeedButton1Click();

    int BackgroundCount() const;

protected:
    void showEvent(QShowEvent *e) override;

private:
    const TMyImageList *m_bg = nullptr;
};
