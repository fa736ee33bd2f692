// Thumbnail geometry, the folder listings and the thumbnails, headless.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>
#include <vector>
#include <gtest/gtest.h>

#include "QtPrinters.h"

#include "AnyNamedFile.h"
#include "ui/FitRect.h"
#include "persist/ThumbCache.h"
#include "ui/ThumbQueue.h"
#include "ui/Thumbnail.h"

namespace {

void Touch(const QString &path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

QStringList Names(const QStringList &paths)
{
    QStringList out;
    for (const QString &p : paths)
        out << p.mid(p.lastIndexOf('/') + 1);
    out.sort();
    return out;
}

// A JPEG with an EXIF block that carries only the orientation tag.
QByteArray WithExifOrientation(const QByteArray &jpeg, quint16 orientation)
{
    QByteArray tiff("II*\0\x08\0\0\0", 8);
    tiff += QByteArray("\x01\0", 2);                 // one entry
    tiff += QByteArray("\x12\x01\x03\0\x01\0\0\0", 8); // tag 0x0112, SHORT, count 1
    tiff += char(orientation & 0xFF);
    tiff += char(orientation >> 8);
    tiff += QByteArray("\0\0", 2);
    tiff += QByteArray("\0\0\0\0", 4); // no next IFD
    QByteArray app1("Exif\0\0", 6);
    app1 += tiff;
    const int len = int(app1.size()) + 2;
    QByteArray seg;
    seg += char(0xFF);
    seg += char(0xE1);
    seg += char(len >> 8);
    seg += char(len & 0xFF);
    seg += app1;
    return jpeg.left(2) + seg + jpeg.mid(2);
}

bool NearColor(QRgb c, int r, int g, int b, int tol = 40)
{
    return std::abs(qRed(c) - r) <= tol && std::abs(qGreen(c) - g) <= tol && std::abs(qBlue(c) - b) <= tol;
}

} // namespace

TEST(FitRect, ShrinksKeepsProportionsAndCentres)
{
    // not enlarged
    EXPECT_EQ(FitRect(200, 100, 244, 174), QRect(22, 37, 200, 100));
    EXPECT_EQ(FitRect(244, 174, 244, 174), QRect(0, 0, 244, 174));
    // extended precision: 231, not 232
    EXPECT_EQ(FitRect(800, 600, 244, 174), QRect(6, 0, 231, 174));
    EXPECT_EQ(FitRect(1000, 100, 244, 174), QRect(0, 75, 244, 24));
    // portrait: the height rules
    EXPECT_EQ(FitRect(600, 800, 244, 174), QRect(57, 0, 130, 174));
    // square, larger than the box
    EXPECT_EQ(FitRect(500, 500, 244, 174), QRect(35, 0, 174, 174));
    // a camera photo
    EXPECT_EQ(FitRect(4000, 3000, 244, 174), QRect(6, 0, 231, 174));
    // nonsense sizes that do not fit give the whole box
    EXPECT_EQ(FitRect(-5, 300, 244, 174), QRect(0, 0, 244, 174));
    EXPECT_EQ(FitRect(300, 0, 244, 174), QRect(0, 0, 244, 174));
}

TEST(FolderListing, ChosenFolderMatchesExtensionsWithoutCase)
{
    QTemporaryDir tmp;
    for (const char *n : {"a.JPG", "b.Jpeg", "c.bmp", "d.png", "e", "f.jpg.txt", ".g.jpg"})
        Touch(tmp.path() + "/" + n);
    ASSERT_TRUE(QDir(tmp.path()).mkdir("sub.jpg"));
    Touch(tmp.path() + "/sub.jpg/h.jpg");
    QStringList list;
    SearchFiles(tmp.path(), list); // no trailing '/': one is added
    EXPECT_EQ(Names(list), (QStringList{".g.jpg", "a.JPG", "b.Jpeg", "c.bmp"}));
    for (const QString &p : list)
        EXPECT_TRUE(p.startsWith(tmp.path() + "/")) << p.toStdString();
    EXPECT_FALSE(list.first().contains("//"));
}

TEST(FolderListing, InstalledPicturesStartWithCapitalA)
{
    QTemporaryDir tmp;
    for (const char *n : {"AOne.jpg", "ATwo.JPG", "aThree.jpg", "BOne.jpg", "AFour.jpeg", "AFive.bmp"})
        Touch(tmp.path() + "/" + n);
    QStringList list;
    ListInstalled(tmp.path() + "/", list);
    EXPECT_EQ(Names(list), (QStringList{"AOne.jpg", "ATwo.JPG"}));
}

TEST(FolderListing, APictureNamedInAnotherEncodingIsListedDrawnAndCached)
{
    QTemporaryDir tmp;
    QImage pic(400, 300, QImage::Format_RGB32);
    pic.fill(qRgb(0, 0, 200));
    QByteArray bmp;
    QBuffer buf(&bmp);
    ASSERT_TRUE(buf.open(QIODevice::WriteOnly) && pic.save(&buf, "BMP"));
    const TAnyNamedFile file(tmp.path() + '/' + DecodeFileName("\xC9t\xE9 \xE0 Paris.bmp"), bmp); // Latin-1
    const QString &path = file.Path();

    QStringList list;
    SearchFiles(tmp.path(), list);
    ASSERT_EQ(list, QStringList{path});
    QImage decoded, thumb;
    ASSERT_TRUE(MakeThumbnail(path, decoded, thumb));

    const QString cache = tmp.path() + "/cache";
    ASSERT_TRUE(QDir().mkpath(cache));
    ASSERT_TRUE(SaveThumb(thumb, ThumbPath(cache, 0)));
    ASSERT_TRUE(WriteCacheList(CacheListPath(cache), list));
    const std::vector<TCacheEntry> restored = RestoreCache(ReadCacheList(CacheListPath(cache)), cache);
    ASSERT_EQ(restored.size(), 1u);
    EXPECT_EQ(restored[0].Path, path);
}

TEST(Thumbnail, BmpOfAChosenFolderGetsARealThumbnail)
{
    QTemporaryDir tmp;
    QImage pic(400, 300, QImage::Format_RGB32);
    pic.fill(qRgb(0, 0, 200));
    ASSERT_TRUE(pic.save(tmp.path() + "/blue.bmp", "BMP"));
    QImage decoded, thumb;
    ASSERT_TRUE(MakeThumbnail(tmp.path() + "/blue.bmp", decoded, thumb));
    ASSERT_EQ(thumb.size(), QSize(244, 174));
    // 400 x 300 -> 231 x 174 at (6, 0): white beside it, blue inside
    EXPECT_EQ(thumb.pixel(2, 80), qRgb(255, 255, 255));
    EXPECT_TRUE(NearColor(thumb.pixel(122, 87), 0, 0, 200, 4));
}

TEST(Thumbnail, UndecodableFileGetsTheErrorTile)
{
    QTemporaryDir tmp;
    QFile f(tmp.path() + "/broken.jpg");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xFF\xD8\xFF\xE0 this is not a picture");
    f.close();
    QImage decoded, thumb;
    EXPECT_FALSE(MakeThumbnail(f.fileName(), decoded, thumb));
    ASSERT_EQ(thumb.size(), QSize(244, 174));
    int dark = 0;
    for (int y = 0; y < 174; ++y)
        for (int x = 0; x < 244; ++x)
            if (qGray(thumb.pixel(x, y)) < 128) {
                ++dark;
                EXPECT_GE(y, 87); // the text starts at the middle line
            }
    EXPECT_GT(dark, 20);
    EXPECT_TRUE(MakeThumbnail(f.fileName(), decoded, thumb) == false);
}

TEST(Thumbnail, ExifOrientationIsShownUpright)
{
    QTemporaryDir tmp;
    // stored 80 x 40: left half red, right half blue
    QImage stored(80, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 80; ++x)
            stored.setPixel(x, y, x < 40 ? qRgb(220, 0, 0) : qRgb(0, 0, 220));
    QByteArray jpeg;
    {
        QBuffer buf(&jpeg);
        buf.open(QIODevice::WriteOnly);
        ASSERT_TRUE(stored.save(&buf, "JPEG", 95));
    }
    QFile f(tmp.path() + "/turned.jpg");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(WithExifOrientation(jpeg, 6)); // shown turned a quarter clockwise
    f.close();

    QImage decoded, thumb;
    ASSERT_TRUE(MakeThumbnail(f.fileName(), decoded, thumb));
    // upright it is 40 x 80, drawn unscaled at (102, 47): red on top
    EXPECT_EQ(decoded.size(), QSize(40, 80));
    EXPECT_EQ(thumb.pixel(100, 60), qRgb(255, 255, 255));
    EXPECT_TRUE(NearColor(thumb.pixel(122, 60), 220, 0, 0));
    EXPECT_TRUE(NearColor(thumb.pixel(122, 115), 0, 0, 220));
}

TEST(ThumbQueue, HandsEveryPictureOverInListOrderAsTheOneThreadLoopDrawsIt)
{
    QTemporaryDir tmp;
    QStringList files;
    // A large first picture, which the workers finish after the small ones,
    // and a broken one among them.
    const QSize sizes[] = {{2400, 1800}, {300, 200}, {0, 0}, {90, 120}, {500, 100}};
    for (int i = 0; i < 5; ++i) {
        files << tmp.path() + QString("/p%1.bmp").arg(i);
        if (sizes[i].isEmpty()) {
            Touch(files.last());
            continue;
        }
        QImage pic(sizes[i], QImage::Format_RGB32);
        pic.fill(qRgb(30 * i, 100, 200 - 30 * i));
        ASSERT_TRUE(pic.save(files.last()));
    }
    TThumbQueue queue;
    std::vector<int> order;
    bool finished = false;
    QObject::connect(&queue, &TThumbQueue::Made, [&](int i, const QImage &thumb, bool ok) {
        order.push_back(i);
        QImage decoded, alone;
        EXPECT_EQ(ok, MakeThumbnail(files.at(i), decoded, alone)) << i;
        if (ok) {
            EXPECT_EQ(thumb, alone) << i;
        }
    });
    QObject::connect(&queue, &TThumbQueue::Finished, [&] { finished = true; });
    queue.Start(files);
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished; }, 10000));
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
}
