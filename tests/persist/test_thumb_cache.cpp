// The thumbnail cache's files: the list, the thumbnails, clearing, and
// folders that are not the cache's own.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "QtPrinters.h"
#include "persist/ThumbCache.h"

namespace {

void Touch(const QString &path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

} // namespace

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
