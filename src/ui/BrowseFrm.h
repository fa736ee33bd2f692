// The picture browser: thumbnails of the installed pictures or of a chosen
// folder; the player's choice comes back in ChosenFile / SelfImg.
//
// The thumbnails of the list built last are kept in cache/ beside the
// program, so the first showing in a run fills the grid without decoding.
// A rebuild makes the thumbnails on worker threads (TThumbQueue) while the
// window goes on: each appears in its cell, in list order, and is written
// to the cache as it comes; the grid scrolls and cells can be chosen
// meanwhile.  Another list chosen meanwhile replaces the one being built;
// closing the window stops the rebuild, and the next showing finishes it.
#pragma once

#include <QDialog>
#include <QImage>
#include <QStringList>
#include <QTimer>

#include "picture/MyImageList.h"
#include "persist/ThumbCache.h"
#include "ui/ThumbQueue.h"

class QGroupBox;
class QLabel;
class QPainter;
class QProgressBar;
class QPushButton;
class TDrawGrid;
class TMySpeedButton;
class TOpenFolder;

class TBrowseFrm : public QDialog {
    Q_OBJECT
public:
    explicit TBrowseFrm(QWidget *parent = nullptr);
    ~TBrowseFrm() override;

    QString ChosenFile;   // full path of the chosen picture
    bool SelfImg = false; // the list shows the installed pictures

    QString LastPath;    // last folder chosen in the folder picker
    int VisibleRows = 0; // grid rows that fit its height, plus one

    // ---- components ----
    QPushButton *SpeedButton1 = nullptr; // "Начать игру"
    TMySpeedButton *MySpeedButton1 = nullptr; // installed pictures
    TMySpeedButton *MySpeedButton2 = nullptr; // pictures of a folder
    QGroupBox *GroupBox1 = nullptr;
    QLabel *Label1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    TDrawGrid *Grid = nullptr;
    TMyImageList il; // one thumbnail per listed picture, Caption = its path
    TOpenFolder *OpenFolder1 = nullptr;
    QTimer Timer1;    // 200 ms: grid layout after a resize
    QTimer ShowTimer; // 400 ms: the first filling, once the window is up

    // ---- the lists ----
    void LoadCache();
    void LoadSelfImg();
    void LoadImg(const QString &folder);
    void GetEskiz(int index, const QImage &thumb, const QString &fileName);
    bool Rebuilding() const { return m_rebuilding; }

    // ---- event handlers ----
    void FormCreate();
    void FormShow();
    void ShowTimerTimer();
    void FormResize();
    void Timer1Timer();
    void GridDrawCell(QPainter *p, int col, int row, const QRect &rect);
    void GridSelectCell(int col, int row, bool &canSelect);
    void SpeedButton1Click();
    void MySpeedButton1Click();
    void MySpeedButton2Click();

    // The message shown when the thumbnails could not be written to cache/.
    static QString CacheWriteErrorText(const QString &cacheDir);
    // The message when cache/ is a link, a file or another user's folder.
    static QString CacheForeignText(const QString &cacheDir);

    // Closing (by "Начать игру", the close box or Esc) stops a rebuild: the
    // pictures not yet made are made at the next showing.
    void done(int r) override;

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void ShowMessage(const QString &text);
    void SetProgressMax(int max);
    void SetProgress(int pos);
    void LayOutGrid(int columns, int count);
    void StartRebuild(int count);
    void RunThumbnailLoop(TCacheFolder cache, bool cacheReady);
    void ThumbMade(int index, const QImage &thumb, bool ok);
    void FinishRebuild();
    void StopRebuild();

    QStringList FileList; // the picture paths while a rebuild runs
    QString m_cacheDir;   // cache folder of the rebuild running
    bool m_rebuilding = false;
    bool m_cacheOk = false;      // every thumbnail so far written
    bool m_cacheForeign = false; // cache/ is not ours: nothing written
    int m_resumeFrom = -1;       // a rebuild stopped by closing goes on here
    TThumbQueue m_queue;
};
