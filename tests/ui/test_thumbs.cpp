// Thumbnail geometry, the cache files and the folder listings, headless.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "QtPrinters.h"

#include "AnyNamedFile.h"
#include "ui/FitRect.h"
#include "persist/ThumbCache.h"
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

TEST(CacheFiles, ListIsCrLfAfterEveryLineAndReadsBack)
{
    QTemporaryDir tmp;
    const QString lst = tmp.path() + "/cache.lst";
    const QStringList lines{"/pics/один.jpg", "/pics/b.JPG", ""};
    ASSERT_TRUE(WriteCacheList(lst, lines));
    QFile f(lst);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QString("/pics/один.jpg\r\n/pics/b.JPG\r\n\r\n").toUtf8());
    EXPECT_EQ(ReadCacheList(lst), lines);

    // a name holding a line break cannot be stored: its line stays empty,
    // and the lines after it keep their numbers
    ASSERT_TRUE(WriteCacheList(lst, {"/pics/a\nb.jpg", "/pics/c\r.jpg", "/pics/d.jpg"}));
    EXPECT_EQ(ReadCacheList(lst), (QStringList{"", "", "/pics/d.jpg"}));

    // other line ends read too; a last line without one counts
    QFile g(tmp.path() + "/lf.lst");
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.write("a\nb\rc");
    g.close();
    EXPECT_EQ(ReadCacheList(g.fileName()), (QStringList{"a", "b", "c"}));
    EXPECT_TRUE(ReadCacheList(tmp.path() + "/missing.lst").isEmpty());
}

TEST(CacheFiles, ThumbnailIsUncompressed24BitBmp)
{
    QTemporaryDir tmp;
    QImage thumb(ThumbWidth, ThumbHeight, QImage::Format_RGB32);
    thumb.fill(Qt::white);
    thumb.setPixel(0, 0, qRgb(255, 0, 0));         // top-left red
    thumb.setPixel(0, ThumbHeight - 1, qRgb(0, 0, 255)); // bottom-left blue
    const QString path = ThumbPath(tmp.path(), 7);
    EXPECT_TRUE(path.endsWith("/7.bmp"));
    ASSERT_TRUE(SaveThumb(thumb, path));

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray b = f.readAll();
    auto u16 = [&](int o) { return int(uchar(b[o])) | int(uchar(b[o + 1])) << 8; };
    auto u32 = [&](int o) { return u16(o) | u16(o + 2) << 16; };
    ASSERT_EQ(b.size(), 54 + 244 * 3 * 174);
    EXPECT_EQ(b.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(2), b.size());
    EXPECT_EQ(u32(10), 54);
    EXPECT_EQ(u32(14), 40);
    EXPECT_EQ(u32(18), 244);
    EXPECT_EQ(u32(22), 174); // bottom-up
    EXPECT_EQ(u16(28), 24);
    EXPECT_EQ(u32(30), 0); // no compression
    // the first stored row is the bottom one: blue, in blue-green-red order
    EXPECT_EQ(uchar(b[54]), 255);
    EXPECT_EQ(uchar(b[56]), 0);
    const int top = 54 + 173 * 732;
    EXPECT_EQ(uchar(b[top]), 0);
    EXPECT_EQ(uchar(b[top + 2]), 255);

    const QImage back = LoadThumb(path);
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.pixel(0, 0), qRgb(255, 0, 0));

    // a bitmap of another size, or one cut short, is no thumbnail of ours
    QImage(10, 10, QImage::Format_RGB32).save(tmp.path() + "/1.bmp", "BMP");
    EXPECT_TRUE(LoadThumb(tmp.path() + "/1.bmp").isNull());
    EXPECT_TRUE(LoadThumb(tmp.path() + "/2.bmp").isNull());
    f.close();
    ASSERT_TRUE(QFile::resize(path, b.size() - 1));
    EXPECT_TRUE(LoadThumb(path).isNull());
}

TEST(CacheFiles, ClearingDeletesOnlyTheFilesTheCacheWrites)
{
    QTemporaryDir tmp;
    for (const char *n : {"0.bmp", "12.bmp", "cache.lst", ".hidden", "notes.txt", "01.bmp", "3.bmp.old"})
        Touch(tmp.path() + "/" + n);
    ASSERT_TRUE(QDir(tmp.path()).mkdir("sub"));
    EXPECT_TRUE(PrepareCacheFolder(tmp.path()));
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
              (QStringList{".hidden", "01.bmp", "3.bmp.old", "notes.txt", "sub"}));
    // a missing cache folder is created
    EXPECT_TRUE(PrepareCacheFolder(tmp.path() + "/cache"));
    EXPECT_TRUE(QFileInfo(tmp.path() + "/cache").isDir());
}

TEST(CacheFiles, ALinkOrAFileWhereTheCacheBelongsIsForeignAndUntouched)
{
    QTemporaryDir tmp;
    const QString elsewhere = tmp.path() + "/elsewhere";
    ASSERT_TRUE(QDir(tmp.path()).mkdir("elsewhere"));
    Touch(elsewhere + "/0.bmp");
    Touch(elsewhere + "/cache.lst");
    ASSERT_TRUE(QFile::link(elsewhere, tmp.path() + "/linked"));
    Touch(tmp.path() + "/plain");
    EXPECT_EQ(InspectCacheFolder(tmp.path() + "/missing"), TCacheFolder::Missing);
    EXPECT_EQ(InspectCacheFolder(elsewhere), TCacheFolder::Ours);
    for (const char *n : {"/linked", "/plain"}) {
        EXPECT_EQ(InspectCacheFolder(tmp.path() + n), TCacheFolder::Foreign) << n;
        EXPECT_FALSE(PrepareCacheFolder(tmp.path() + n)) << n;
    }
    EXPECT_EQ(QDir(elsewhere).entryList(QDir::Files), (QStringList{"0.bmp", "cache.lst"}));
}

TEST(CacheFiles, OnlyLinesWithAThumbnailAreLookedAt)
{
    QTemporaryDir tmp;
    Touch(tmp.path() + "/pic.jpg");
    QImage thumb(ThumbWidth, ThumbHeight, QImage::Format_RGB32);
    thumb.fill(Qt::white);
    ASSERT_TRUE(SaveThumb(thumb, ThumbPath(tmp.path(), 3)));
    ASSERT_TRUE(SaveThumb(thumb, ThumbPath(tmp.path(), 900000))); // beyond the list
    // A list far longer than the cache.
    const QStringList lines(280000, tmp.path() + "/pic.jpg");
    QList<int> looked;
    const auto entries = RestoreCache(lines, tmp.path(), [&](int n) { looked << n; });
    EXPECT_EQ(looked, QList<int>{3});
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].Line, 3);
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
