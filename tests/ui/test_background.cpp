// The table background: the installed list, the choice, the chooser's grid
// and the settings that carry a choice to the next start.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "base/FileWrite.h"
#include "board/BackgroundChoice.h"
#include "picture/TextureBuffers.h"
#include "ui/BGChangeFrm.h"
#include "persist/Background.h"
#include "base/ProfileFile.h"
#include "persist/Settings.h"
#include "picture/MyImageList.h"

namespace {

QImage Solid(int w, int h, QColor c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

TPicture SolidPicture(int w, int h, QColor c) { return TPicture::FromImage(Solid(w, h, c), TPicture::Bitmap); }

void WriteBytes(const QString &path, const QByteArray &data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

QStringList Names(const QStringList &paths)
{
    QStringList out;
    for (const QString &p : paths)
        out.append(QFileInfo(p).fileName());
    return out;
}

} // namespace

TEST(Background, FolderListsJpgAndBmpOnlyAndSkipsWhatDoesNotDecode)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(Solid(64, 32, Qt::red).save(dir.filePath(QStringLiteral("a.JPG")), "JPG"));
    ASSERT_TRUE(Solid(64, 32, Qt::green).save(dir.filePath(QStringLiteral("b.jpeg")), "JPG"));
    ASSERT_TRUE(Solid(32, 64, Qt::blue).save(dir.filePath(QStringLiteral("c.bmp")), "BMP"));
    ASSERT_TRUE(Solid(32, 32, Qt::blue).save(dir.filePath(QStringLiteral("d.png")), "PNG"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub.jpg")));
    ASSERT_TRUE(Solid(32, 32, Qt::red).save(dir.filePath(QStringLiteral("sub.jpg/inner.jpg")), "JPG"));

    EXPECT_EQ(Names(ListBackgroundFiles(dir.path())), (QStringList{"a.JPG", "c.bmp"}));

    const std::vector<TBackground> bg = LoadBackgrounds(dir.path());
    ASSERT_EQ(bg.size(), 2u);
    EXPECT_EQ(bg[0].Name, QStringLiteral("a.JPG"));
    EXPECT_EQ(bg[0].Picture.Width(), 64);
    EXPECT_EQ(bg[1].Picture.Height(), 64);

    // A damaged file among them is passed over without a word.
    WriteBytes(dir.filePath(QStringLiteral("B-broken.jpg")), QByteArray("\xff\xd8\xff\xe0 not really", 15));
    EXPECT_EQ(Names(ListBackgroundFiles(dir.path())), (QStringList{"a.JPG", "B-broken.jpg", "c.bmp"}));
    const std::vector<TBackground> again = LoadBackgrounds(dir.path());
    ASSERT_EQ(again.size(), 2u);
    EXPECT_EQ(again[1].Picture.Width(), 32);

    EXPECT_TRUE(LoadBackgrounds(dir.filePath(QStringLiteral("no-such-folder"))).empty());
}

TEST(Background, FileBackgroundBecomesAPowerOfTwoTile)
{
    QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("big.jpg"));
    const QString small = dir.filePath(QStringLiteral("small.bmp"));
    ASSERT_TRUE(Solid(1000, 700, Qt::darkGreen).save(big, "JPG"));
    ASSERT_TRUE(Solid(300, 200, Qt::darkGreen).save(small, "BMP"));

    for (auto [path, w, h] : {std::tuple{big, 512, 512}, std::tuple{small, 256, 128}}) {
        TPicture pic;
        ASSERT_TRUE(LoadBackgroundPicture(path, pic));
        const TBgChoice c = ChooseBackground(true, 0, 0);
        const TPixelUpload u = PictureUpload(pic, false, false, c.crop, false);
        EXPECT_EQ(u.Width, w);
        EXPECT_EQ(u.Height, h);
    }
    // An installed 300 x 200 one is used at its own size.
    const TPixelUpload u =
        PictureUpload(SolidPicture(300, 200, Qt::red), false, false, ChooseBackground(false, 0, 1).crop, false);
    EXPECT_EQ(u.Width, 300);
    EXPECT_EQ(u.Height, 200);
}

TEST(Background, FileChoiceSurvivesARestartAndFallsBackWhenDeleted)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Settings.ini"));
    const QString file = dir.filePath(QStringLiteral("мой фон.jpg"));
    ASSERT_TRUE(Solid(300, 200, Qt::gray).save(file, "JPG"));
    {
        TProfileFile f(ini);
        f.WriteBool(QStringLiteral("Set"), QStringLiteral("PMShadow"), false);
        f.WriteBool(QStringLiteral("Set"), QStringLiteral("BgDrawStretch"), true);
        ASSERT_TRUE(f.Close());
    }
    QString error;
    ASSERT_TRUE(TSettingsFile(ini).WriteBackground(3, true, true, file, &error)) << error.toStdString();

    QFile text(ini);
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(text.readAll());
    EXPECT_EQ(written, QStringLiteral("[Set]\nPMShadow=0\nBgDrawStretch=1\nbgind=3\nBgFromFile=1\nBgFileName=%1\n")
                           .arg(file));

    // Next start: the settings hand the file to the background, which shows it.
    const TStartSettings s = TSettingsFile(ini).Read(false);
    EXPECT_TRUE(s.BgFromFile);
    EXPECT_EQ(s.BgFileName, file);
    EXPECT_EQ(s.BgIndex, 3);
    EXPECT_FALSE(s.ShadowOn);
    TPicture pic;
    bool usable = s.BgFromFile && LoadBackgroundPicture(s.BgFileName, pic);
    EXPECT_EQ(ChooseBackground(usable, s.BgIndex, 5).kind, TBgChoice::FromFile);

    // The file is deleted: installed background number 3 takes its place.
    ASSERT_TRUE(QFile::remove(file));
    usable = s.BgFromFile && LoadBackgroundPicture(s.BgFileName, pic);
    const TBgChoice c = ChooseBackground(usable, s.BgIndex, 5);
    EXPECT_EQ(c.kind, TBgChoice::Installed);
    EXPECT_EQ(c.index, 3);

    // Choosing an installed one later writes it back with the file forgotten.
    ASSERT_TRUE(TSettingsFile(ini).WriteBackground(1, false, s.BgDrawStretch, QString()));
    const TStartSettings s2 = TSettingsFile(ini).Read(false);
    EXPECT_FALSE(s2.BgFromFile);
    EXPECT_EQ(s2.BgIndex, 1);
    EXPECT_TRUE(s2.BgDrawStretch);

    const QString missing = dir.filePath(QStringLiteral("no/Settings.ini"));
    EXPECT_FALSE(TSettingsFile(missing).WriteBackground(1, false, false, QString(), &error));
    EXPECT_EQ(error, WriteFailureText(missing, ENOENT));
}

TEST(Background, PicturesAreFittedAndCentredInTheirCell)
{
    const QRect cell(200, 400, 200, 200); // column 1, row 2
    EXPECT_EQ(FitBackgroundCell(cell, 100, 50), QRect(250, 475, 100, 50));   // small: own size
    EXPECT_EQ(FitBackgroundCell(cell, 400, 300), QRect(205, 429, 190, 142)); // trunc(190 / 1.333..)
    EXPECT_EQ(FitBackgroundCell(cell, 300, 400), QRect(229, 405, 142, 190));
    EXPECT_EQ(FitBackgroundCell(cell, 512, 512), QRect(205, 405, 190, 190));
    EXPECT_EQ(FitBackgroundCell(cell, 190, 190), QRect(205, 405, 190, 190));
    EXPECT_EQ(FitBackgroundCell(cell, 191, 10), QRect(205, 495, 190, 9));
    EXPECT_EQ(FitBackgroundCell(cell, 1000, 3), QRect(205, 500, 190, 0));
    EXPECT_EQ(FitBackgroundCell(cell, 0, 50).size(), QSize(0, 0));
}

TEST(Background, ChooserShowsTheGridAndRefusesEmptyCells)
{
    TMyImageList bg;
    for (int k = 0; k < 10; ++k)
        bg.Add().SetPicture(SolidPicture(k == 0 ? 100 : 400, k == 0 ? 50 : 300, k == 0 ? Qt::red : Qt::blue));
    TBGChangeFrm d;
    d.Bind(&bg, 0);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Выбери фон стола"));
    EXPECT_EQ(d.size(), QSize(624, 631));
    EXPECT_EQ(d.SpeedButton1->geometry(), QRect(2, 2, 138, 26));
    EXPECT_EQ(d.SpeedButton1->text(), QStringLiteral("Выбрать из файла"));
    EXPECT_EQ(d.grid->geometry(), QRect(0, 31, 624, 600));
    EXPECT_EQ(d.grid->columnCount(), 3);
    EXPECT_EQ(d.grid->horizontalHeader()->defaultSectionSize(), 200);
    EXPECT_FALSE(d.grid->showGrid());

    d.FromFile = true;
    d.BgFile = QStringLiteral("/somewhere/old.jpg");
    d.show();
    EXPECT_FALSE(d.FromFile); // reset on every showing ...
    EXPECT_EQ(d.BgFile, QStringLiteral("/somewhere/old.jpg")); // ... the file is not
    EXPECT_EQ(d.grid->rowCount(), 4);
    EXPECT_TRUE(d.Timer1.isActive());
    EXPECT_EQ(d.Timer1.interval(), 200);

    // The last row has one picture and two empty cells that cannot be chosen.
    EXPECT_FALSE(d.gridSelectCell(1, 3));
    EXPECT_EQ(d.BgFile, QStringLiteral("/somewhere/old.jpg"));
    EXPECT_EQ(d.grid->item(3, 1)->flags(), Qt::NoItemFlags);
    EXPECT_EQ(d.grid->item(3, 2)->flags(), Qt::NoItemFlags);
    EXPECT_TRUE(d.grid->item(3, 0)->flags() & Qt::ItemIsSelectable);
    d.grid->setCurrentCell(3, 2);
    EXPECT_NE(d.grid->currentColumn(), 2);
    EXPECT_TRUE(d.gridSelectCell(0, 3));
    EXPECT_TRUE(d.BgFile.isEmpty());

    d.gridDblClick(2, 3); // empty: nothing happens
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.ChosenIndex, 0);
    d.gridDblClick(2, 1);
    EXPECT_EQ(d.ChosenIndex, 5);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(d.FromFile);
}

TEST(Background, ChooserCellDrawing)
{
    TMyImageList bg;
    bg.Add().SetPicture(SolidPicture(100, 50, Qt::red));
    bg.Add().SetPicture(SolidPicture(400, 300, Qt::blue));
    TBGChangeFrm d;
    d.Bind(&bg, 0);

    const QColor green(0, 128, 0);
    auto drawCell = [&](int col) {
        QImage img(200, 200, QImage::Format_RGB32);
        img.fill(Qt::black);
        QPainter p(&img);
        d.gridDrawCell(p, col, 0, QRect(0, 0, 200, 200));
        return img;
    };

    const QImage small = drawCell(0);
    EXPECT_EQ(small.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(small.pixelColor(1, 1), green);
    EXPECT_EQ(small.pixelColor(198, 198), green);
    EXPECT_EQ(small.pixelColor(199, 199), QColor(Qt::white));
    EXPECT_EQ(small.pixelColor(50, 75), QColor(Qt::red));
    EXPECT_EQ(small.pixelColor(149, 124), QColor(Qt::red));
    EXPECT_EQ(small.pixelColor(49, 75), QColor(Qt::white));
    EXPECT_EQ(small.pixelColor(150, 124), QColor(Qt::white));

    const QImage big = drawCell(1);
    EXPECT_EQ(big.pixelColor(5, 29), QColor(Qt::blue));
    EXPECT_EQ(big.pixelColor(194, 170), QColor(Qt::blue));
    EXPECT_EQ(big.pixelColor(5, 28), QColor(Qt::white));
    EXPECT_EQ(big.pixelColor(5, 171), QColor(Qt::white));

    const QImage empty = drawCell(2);
    EXPECT_EQ(empty.pixelColor(1, 1), green);
    EXPECT_EQ(empty.pixelColor(100, 100), QColor(Qt::white));
}

TEST(Background, ShippedBackgroundsTileAndStartWithTheGreenFelt)
{
    const QString folder = QStringLiteral(JIGSY_SOURCE_DIR "/assets/BackGr");
    const QStringList files = ListBackgroundFiles(folder);
    ASSERT_GE(files.size(), 6);
    ASSERT_LE(files.size(), 10);
    EXPECT_EQ(QFileInfo(files.first()).fileName(), QStringLiteral("01-felt-green.jpg"));
    const std::vector<TBackground> bg = LoadBackgrounds(folder);
    ASSERT_EQ(int(bg.size()), files.size());
    for (int k = 0; k < int(bg.size()); ++k) {
        const QImage &img = bg[size_t(k)].Picture.Image;
        EXPECT_TRUE(img.width() == 256 || img.width() == 512) << k;
        EXPECT_TRUE(img.height() == 256 || img.height() == 512) << k;
        EXPECT_LT(QFileInfo(files[k]).size(), 160 * 1024) << k;
    }
    // A calm, dark table: the felt is dark and green throughout.
    const QImage felt = bg[0].Picture.Image.convertToFormat(QImage::Format_RGB32);
    double r = 0, g = 0, b = 0;
    for (int y = 0; y < felt.height(); y += 4)
        for (int x = 0; x < felt.width(); x += 4) {
            const QRgb p = felt.pixel(x, y);
            r += qRed(p), g += qGreen(p), b += qBlue(p);
        }
    const double n = (felt.width() / 4) * (felt.height() / 4);
    EXPECT_GT(g / n, r / n + 20);
    EXPECT_GT(g / n, b / n + 20);
    EXPECT_LT(g / n, 110);
}
