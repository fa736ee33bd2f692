// The picture browser: first showing, the cache, rebuilds, the grid and
// the choice, with a program folder of its own in a temporary folder.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>
#include <gtest/gtest.h>

#include "QtPrinters.h"

#include "ModalAnswer.h"
#include "base/ProgramFiles.h"
#include "base/ProfileFile.h"
#include "ui/BrowseFrm.h"
#include "ui/DrawGrid.h"
#include "ui/MySpeedButton.h"
#include "ui/OFFrm.h"
#include "persist/ThumbCache.h"

namespace {

class Browser : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        dir = tmp.path();
        SetProgramDir(dir);
    }
    void TearDown() override { SetProgramDir(QString()); }

    static void MakePicture(const QString &path, QRgb color, int w = 300, int h = 200)
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(color);
        ASSERT_TRUE(img.save(path)) << path.toStdString();
    }

    // n installed pairs, "APic<i>.jpg" / "BPic<i>.jpg", with distinct colours.
    void MakeInstalled(int n)
    {
        QDir(dir).mkdir("img");
        for (int i = 0; i < n; ++i) {
            MakePicture(dir + QString("/img/APic%1.jpg").arg(i), qRgb(40 * i, 100, 200 - 30 * i));
            MakePicture(dir + QString("/img/BPic%1.jpg").arg(i), qRgb(40 * i, 100, 200 - 30 * i));
        }
    }

    QString Cache() const { return dir + "/cache"; }

    // Waits for the rebuild the browser runs on its worker threads.
    static void Built(const TBrowseFrm &b)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !b.Rebuilding(); }, 10000));
    }

    static QStringList Captions(const TBrowseFrm &b)
    {
        QStringList out;
        for (int i = 0; i < b.il.Count(); ++i)
            out << b.il.Items(i).Caption;
        return out;
    }

    QTemporaryDir tmp;
    QString dir;
};

} // namespace

TEST_F(Browser, FirstShowingBuildsTheCacheThenLaterRunsRestoreIt)
{
    MakeInstalled(5);
    QStringList installed;
    {
        TBrowseFrm b;
        EXPECT_FALSE(b.SelfImg);
        EXPECT_TRUE(b.ChosenFile.isEmpty());
        b.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(Cache() + "/cache.lst"); }, 5000));
        EXPECT_TRUE(b.SelfImg);
        EXPECT_FALSE(b.Rebuilding());
        EXPECT_TRUE(b.MySpeedButton1->isEnabled());
        EXPECT_TRUE(b.MySpeedButton2->isEnabled());
        EXPECT_EQ(b.Label1->text(), QString("Внимание! Загрузка эскизов..."));
        installed = Captions(b);
        ASSERT_EQ(installed.size(), 5);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(installed[i], dir + QString("/img/APic%1.jpg").arg(i));
            EXPECT_TRUE(QFileInfo::exists(Cache() + QString("/%1.bmp").arg(i)));
            EXPECT_FALSE(b.il.Items(i).Transparent()); // freshly made: opaque
        }
        EXPECT_EQ(ReadCacheList(Cache() + "/cache.lst"), installed);
        // 1030 px of grid: four columns, two rows
        EXPECT_EQ(b.Grid->ColCount(), 4);
        EXPECT_EQ(b.Grid->RowCount(), 2);
        // a second showing keeps the list and decodes nothing
        const QDateTime stamp = QFileInfo(Cache() + "/0.bmp").lastModified();
        b.hide();
        b.show();
        QTest::qWait(500);
        EXPECT_EQ(Captions(b), installed);
        EXPECT_EQ(QFileInfo(Cache() + "/0.bmp").lastModified(), stamp);
    }
    TBrowseFrm again;
    again.LoadCache();
    EXPECT_EQ(Captions(again), installed);
    EXPECT_TRUE(again.SelfImg);
    EXPECT_EQ(again.Label1->text(), QString("Эскизы восстановлены из кэша."));
    EXPECT_TRUE(again.il.Items(0).Transparent()); // restored: white keyed out
    EXPECT_EQ(again.il.Items(0).Picture().Image.size(), QSize(244, 174));
}

TEST_F(Browser, EmptyCacheListRebuildsTheInstalledList)
{
    MakeInstalled(2);
    QDir(dir).mkdir("cache");
    QFile(Cache() + "/cache.lst").open(QIODevice::WriteOnly);
    TBrowseFrm b;
    b.LoadCache();
    Built(b);
    EXPECT_EQ(b.il.Count(), 2);
    EXPECT_TRUE(b.SelfImg);
    EXPECT_EQ(ReadCacheList(Cache() + "/cache.lst").size(), 2);
}

TEST_F(Browser, NoImgFolderAndNoCacheLeavesTheGridEmptyWithoutAMessage)
{
    ModalAnswer answer;
    TBrowseFrm b;
    b.LoadCache();
    EXPECT_EQ(b.il.Count(), 0);
    EXPECT_TRUE(answer.Messages.isEmpty());
    // the button asks for the folder that is not there
    b.LoadSelfImg();
    EXPECT_EQ(answer.Messages, QStringList{"Не удалось загрузить картинки! Отсутствует папка с файлами."});
    EXPECT_FALSE(b.SelfImg);
}

TEST_F(Browser, ImgFolderWithoutAPicturesSaysSoAndKeepsTheGrid)
{
    QDir(dir).mkdir("img");
    MakePicture(dir + "/img/BOnly.jpg", qRgb(1, 2, 3));
    MakePicture(dir + "/img/aLower.jpg", qRgb(1, 2, 3));
    QDir(dir).mkdir("pics");
    MakePicture(dir + "/pics/x.jpg", qRgb(1, 2, 3));
    ModalAnswer answer;
    TBrowseFrm b;
    b.LoadImg(dir + "/pics/");
    Built(b);
    ASSERT_EQ(b.il.Count(), 1);
    b.LoadSelfImg();
    EXPECT_EQ(answer.Messages, QStringList{"Не удалось загрузить картинки! Отсутствуют файлы."});
    EXPECT_TRUE(b.SelfImg); // set all the same
    EXPECT_EQ(Captions(b), QStringList{dir + "/pics/x.jpg"});
    EXPECT_TRUE(b.MySpeedButton1->isEnabled());
}

TEST_F(Browser, DeletedPictureDropsOutAndLaterLinesKeepTheirThumbnails)
{
    QDir(dir).mkdir("pics");
    const QRgb colours[3] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    for (int i = 0; i < 3; ++i)
        MakePicture(dir + QString("/pics/p%1.bmp").arg(i), colours[i]);
    {
        TBrowseFrm b;
        b.LoadImg(dir + "/pics");
        Built(b);
        ASSERT_EQ(b.il.Count(), 3);
        EXPECT_FALSE(b.SelfImg);
    }
    ASSERT_TRUE(QFile::remove(dir + "/pics/p1.bmp"));
    TBrowseFrm b;
    b.LoadCache();
    ASSERT_EQ(Captions(b), (QStringList{dir + "/pics/p0.bmp", dir + "/pics/p2.bmp"}));
    // line 2 still uses 2.bmp: blue
    EXPECT_EQ(b.il.Items(1).Picture().Image.pixel(122, 87), qRgb(0, 0, 255));
    EXPECT_FALSE(b.SelfImg); // a chosen folder's list
    // a missing thumbnail drops its entry too
    ASSERT_TRUE(QFile::remove(Cache() + "/0.bmp"));
    TBrowseFrm c;
    c.LoadCache();
    EXPECT_EQ(Captions(c), QStringList{dir + "/pics/p2.bmp"});
}

TEST_F(Browser, ChosenFolderWithoutPicturesChangesNothing)
{
    MakeInstalled(1);
    QDir(dir).mkdir("empty");
    TBrowseFrm b;
    b.LoadSelfImg();
    Built(b);
    ASSERT_TRUE(b.SelfImg);
    const QStringList before = ReadCacheList(Cache() + "/cache.lst");
    b.LoadImg(dir + "/empty/");
    EXPECT_TRUE(b.SelfImg); // the installed pictures shown are still played as such
    EXPECT_EQ(b.il.Count(), 1);
    EXPECT_EQ(ReadCacheList(Cache() + "/cache.lst"), before);
    b.LoadImg(dir + "/no such folder/");
    EXPECT_EQ(b.il.Count(), 1);
}

TEST_F(Browser, FolderButtonAsksThePickerAndRemembersTheFolder)
{
    QDir(dir).mkdir("pics");
    MakePicture(dir + "/pics/one.JPG", qRgb(10, 20, 30));
    MakePicture(dir + "/pics/two.jpeg", qRgb(10, 20, 30));
    MakePicture(dir + "/pics/skip.png", qRgb(10, 20, 30));
    ModalAnswer answer([&](QWidget *w) {
        if (auto *f = qobject_cast<TOFFrm *>(w)) {
            EXPECT_EQ(f->Label1->text(), QString("Выберите папку с картинками или фотографиями!"));
            f->Edit1->setText(dir + "/pics");
            f->SpeedButton2->click();
        }
    });
    TBrowseFrm b;
    b.MySpeedButton2Click();
    Built(b);
    EXPECT_EQ(b.LastPath, dir + "/pics/");
    EXPECT_EQ(Captions(b), (QStringList{dir + "/pics/one.JPG", dir + "/pics/two.jpeg"}));
    TProfileFile ini(ProgramFile("Settings.ini"));
    EXPECT_EQ(ini.ReadString("Set", "LastPath", ""), dir + "/pics/");
    // the next window starts from it
    TBrowseFrm next;
    EXPECT_EQ(next.LastPath, dir + "/pics/");
}

TEST_F(Browser, GridColumnsFollowTheTwoFormulasAndNeverDropBelowOne)
{
    MakeInstalled(3);
    TBrowseFrm b;
    b.show();
    b.ShowTimer.stop();
    b.resize(1015, 586); // grid 1010 wide
    QTest::qWait(10);
    ASSERT_EQ(b.Grid->width(), 1010);
    b.LoadSelfImg();
    EXPECT_EQ(b.Grid->ColCount(), 4); // 1010 div 250
    EXPECT_EQ(b.Grid->RowCount(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !b.Timer1.isActive(); }, 1000));
    b.Timer1Timer();
    EXPECT_EQ(b.Grid->ColCount(), 3); // (1010 - 20) div 250
    EXPECT_EQ(b.Grid->RowCount(), 1);

    b.resize(260, 586); // narrower than 270: still one column
    EXPECT_TRUE(b.Timer1.isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !b.Timer1.isActive(); }, 1000));
    EXPECT_EQ(b.Grid->ColCount(), 1);
    EXPECT_EQ(b.Grid->RowCount(), 3);
    EXPECT_EQ(b.VisibleRows, b.Grid->height() / 180 + 1);
}

TEST_F(Browser, SelectingCellsSetsChosenFileAndEmptyCellsAreRefused)
{
    MakeInstalled(3);
    ModalAnswer answer;
    TBrowseFrm b;
    b.show();
    b.ShowTimer.stop();
    b.LoadSelfImg();
    Built(b);
    ASSERT_EQ(b.Grid->ColCount(), 4);
    // before any click the first cell is framed, yet nothing is chosen
    EXPECT_EQ(b.Grid->Col(), 0);
    EXPECT_EQ(b.Grid->Row(), 0);
    b.SpeedButton1->click();
    EXPECT_EQ(answer.Messages, QStringList{"Чтобы выбрать картинку просто щелкни на ней мышкой!"});
    EXPECT_NE(b.result(), 1);
    EXPECT_TRUE(b.isVisible());

    // a click on the second cell chooses its picture
    QTest::mouseClick(b.Grid->viewport(), Qt::LeftButton, {}, b.Grid->CellRect(1, 0).center());
    EXPECT_EQ(b.Grid->Col(), 1);
    EXPECT_EQ(b.ChosenFile, dir + "/img/APic1.jpg");
    // a click on an empty cell keeps the selection and the choice
    QTest::mouseClick(b.Grid->viewport(), Qt::LeftButton, {}, b.Grid->CellRect(3, 0).center());
    EXPECT_EQ(b.Grid->Col(), 1);
    EXPECT_EQ(b.ChosenFile, dir + "/img/APic1.jpg");

    // a rebuild keeps both
    b.LoadSelfImg();
    EXPECT_EQ(b.Grid->Col(), 1);
    EXPECT_EQ(b.ChosenFile, dir + "/img/APic1.jpg");

    b.SpeedButton1->click();
    EXPECT_EQ(b.result(), 1);
    EXPECT_FALSE(b.isVisible());
    EXPECT_EQ(answer.Messages.size(), 1);
}

TEST_F(Browser, SelectedCellIsFramedAndThumbnailsDrawnInside)
{
    MakeInstalled(2);
    TBrowseFrm b;
    b.show();
    b.ShowTimer.stop();
    b.LoadSelfImg();
    Built(b);
    b.Grid->SelectCell(1, 0);
    const QImage shot = b.Grid->viewport()->grab().toImage();
    const QRect cell = b.Grid->CellRect(1, 0);
    // frame: dark on the cell's edge ring, the thumbnail at 3 px inside
    EXPECT_LT(qGray(shot.pixel(cell.left() + 1, cell.center().y())), 80);
    EXPECT_LT(qGray(shot.pixel(cell.center().x(), cell.top() + 1)), 80);
    const QImage thumb = b.il.Items(1).Picture().Image;
    EXPECT_EQ(shot.pixel(cell.left() + 3 + 122, cell.top() + 3 + 87), thumb.pixel(122, 87));
    // the unselected first cell has no frame
    EXPECT_GT(qGray(shot.pixel(b.Grid->CellRect(0, 0).left() + 1, 90)), 150);
}

TEST_F(Browser, CacheThatCannotBeWrittenEndsTheRebuildCleanly)
{
    MakeInstalled(3);
    // "cache" is a file: the folder can be neither cleared nor created
    {
        QFile f(Cache());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ModalAnswer answer;
    TBrowseFrm b;
    b.LoadSelfImg();
    Built(b);
    EXPECT_EQ(answer.Messages, QStringList{TBrowseFrm::CacheForeignText(Cache())});
    EXPECT_EQ(b.il.Count(), 3);
    EXPECT_EQ(b.il.Items(2).Caption, dir + "/img/APic2.jpg");
    EXPECT_FALSE(b.il.Items(2).Picture().IsEmpty());
}

TEST_F(Browser, ALinkedCacheIsNeitherReadNorEmptied)
{
    MakeInstalled(2);
    // cache/ leads to a folder of the player's, which happens to look like a cache
    const QString theirs = dir + "/theirs";
    ASSERT_TRUE(QDir(dir).mkdir("theirs"));
    QStringList theirFiles{"0.bmp", "cache.lst", "letter.txt"};
    for (const QString &n : theirFiles) {
        QFile f(theirs + "/" + n);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(dir.toUtf8() + "/img/APic0.jpg\r\n");
    }
    ASSERT_TRUE(QFile::link(theirs, Cache()));
    ModalAnswer answer;
    TBrowseFrm b;
    b.LoadCache();
    Built(b);
    EXPECT_EQ(answer.Messages, QStringList{TBrowseFrm::CacheForeignText(Cache())});
    EXPECT_EQ(Captions(b), (QStringList{dir + "/img/APic0.jpg", dir + "/img/APic1.jpg"}));
    EXPECT_EQ(QDir(theirs).entryList(QDir::Files, QDir::Name), theirFiles);
    EXPECT_EQ(QFile(theirs + "/0.bmp").size(), dir.toUtf8().size() + 16);
}

TEST_F(Browser, ThumbnailWriteFailingHalfWayLeavesNoStaleList)
{
    MakeInstalled(4);
    QDir(dir).mkpath("cache/2.bmp"); // a folder where thumbnail 2 should go
    {
        QFile old(Cache() + "/cache.lst");
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("/old/list.jpg\r\n");
    }
    ModalAnswer answer;
    TBrowseFrm b;
    b.LoadSelfImg();
    Built(b);
    EXPECT_EQ(answer.Messages.size(), 1);
    EXPECT_EQ(b.il.Count(), 4);
    EXPECT_FALSE(QFileInfo::exists(Cache() + "/cache.lst"));
    // the next run starts from the installed pictures again
    TBrowseFrm next;
    QDir(Cache() + "/2.bmp").removeRecursively();
    next.LoadCache();
    Built(next);
    EXPECT_EQ(next.il.Count(), 4);
    EXPECT_TRUE(QFileInfo::exists(Cache() + "/cache.lst"));
}

TEST_F(Browser, ClosingStopsTheRebuildAndTheNextShowingFinishesIt)
{
    MakeInstalled(6);
    TBrowseFrm b;
    b.show();
    b.ShowTimer.stop();
    b.LoadSelfImg();
    // Closed before any thumbnail came back from the workers.
    b.reject();
    EXPECT_FALSE(b.isVisible());
    EXPECT_FALSE(b.Rebuilding());
    QTest::qWait(300);
    EXPECT_TRUE(b.il.Items(0).Picture().IsEmpty());
    EXPECT_EQ(ReadCacheList(Cache() + "/cache.lst").size(), 6); // what was made is found again
    b.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !b.il.Items(5).Picture().IsEmpty(); }, 10000));
    Built(b);
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(QFileInfo::exists(Cache() + QString("/%1.bmp").arg(i)));
    EXPECT_EQ(Captions(b), ReadCacheList(Cache() + "/cache.lst"));
}

TEST_F(Browser, AnotherListChosenDuringARebuildReplacesIt)
{
    MakeInstalled(6);
    QDir(dir).mkdir("pics");
    MakePicture(dir + "/pics/only.bmp", qRgb(0, 200, 0));
    TBrowseFrm b;
    b.LoadSelfImg();
    b.LoadImg(dir + "/pics");
    Built(b);
    QTest::qWait(300); // nothing of the installed list comes late
    EXPECT_EQ(Captions(b), QStringList{dir + "/pics/only.bmp"});
    EXPECT_FALSE(b.SelfImg);
    EXPECT_EQ(ReadCacheList(Cache() + "/cache.lst"), Captions(b));
    EXPECT_FALSE(QFileInfo::exists(Cache() + "/1.bmp"));
    EXPECT_EQ(b.il.Items(0).Picture().Image.pixel(122, 87), qRgb(0, 200, 0));
}

TEST_F(Browser, ClosedBeforeTheFirstFillingStartsNoHiddenRebuild)
{
    MakeInstalled(2);
    TBrowseFrm b;
    b.show();
    b.hide(); // closed within the first 400 ms
    QTest::qWait(600);
    EXPECT_EQ(b.il.Count(), 0);
    EXPECT_FALSE(QFileInfo::exists(Cache() + "/cache.lst"));
}

TEST_F(Browser, PipesAndDevicesAreNeitherListedNorReadAsThumbnails)
{
    MakeInstalled(1);
    const QString pipe = dir + "/img/APipe.jpg";
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QStringList files;
    SearchFiles(dir + "/img", files);
    EXPECT_FALSE(files.contains(pipe));
    ASSERT_TRUE(QDir(dir).mkdir("cache"));
    ASSERT_TRUE(QFile::link("/dev/zero", Cache() + "/0.bmp"));
    EXPECT_TRUE(LoadThumb(Cache() + "/0.bmp").isNull());
}
