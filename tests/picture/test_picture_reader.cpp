// The one picture reader: formats told by content, JPEG shrunk while
// decoding, EXIF orientation, one verdict for damaged files, and hostile
// headers refused before anything is allocated.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TestImages.h"
#include "picture/JpegFile.h"
#include "picture/PictureReader.h"
#include "picture/PictureSetup.h"

namespace {

const TCutInfo &Small() { return CutTable[1]; }

} // namespace

TEST(PictureReader, JpegRowsAreUprightAndBlueFirst)
{
    QTemporaryDir dir;
    // Top half red, bottom half blue.
    QImage src(32, 32, QImage::Format_RGB32);
    src.fill(Qt::blue);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x)
            src.setPixel(x, y, qRgb(255, 0, 0));
    const QString path = dir.filePath("rb.jpg");
    ASSERT_TRUE(src.save(path, "JPEG", 95));
    QImage B;
    TPictureFormat format = TPictureFormat::Unknown;
    ASSERT_TRUE(ReadPicture(path, QSize(), B, &format));
    EXPECT_EQ(format, TPictureFormat::Jpeg);
    ASSERT_EQ(B.format(), QImage::Format_BGR888);
    const uint8_t *top = B.constScanLine(2) + 3 * 16, *bottom = B.constScanLine(29) + 3 * 16;
    EXPECT_GT(top[2], 200); // red byte last
    EXPECT_LT(top[0], 60);
    EXPECT_GT(bottom[0], 200); // blue byte first
    EXPECT_LT(bottom[2], 60);
}

// A JPEG cut short decodes with its missing rows grey, for the thumbnail
// and the game alike, and says it was not read whole; one that is no
// picture at all is refused by both.
TEST(PictureReader, OneVerdictForDamagedJpegs)
{
    QTemporaryDir dir;
    const QByteArray jpeg = MakeJpeg(640, 480, false, false, 95);
    const QString cut = dir.filePath("cut.jpg");
    ASSERT_TRUE(WriteFile(cut, jpeg.left(jpeg.size() * 2 / 3)));
    QImage B;
    bool whole = true;
    ASSERT_TRUE(ReadPicture(cut, QSize(), B, nullptr, &whole));
    EXPECT_EQ(B.size(), QSize(640, 480));
    EXPECT_FALSE(whole); // and the game says so
    QImage thumbSized;
    EXPECT_TRUE(ReadPicture(cut, QSize(244, 174), thumbSized));
    QImage out;
    EXPECT_EQ(LoadPictureForCut(cut, false, Small(), out, &whole), TSetimgResult::Ok);
    EXPECT_FALSE(whole);
    const QString full = dir.filePath("whole.jpg");
    ASSERT_TRUE(WriteFile(full, jpeg));
    ASSERT_TRUE(ReadPicture(full, QSize(), B, nullptr, &whole));
    EXPECT_TRUE(whole);

    const QString garbage = dir.filePath("g.jpg");
    QByteArray broken = jpeg.left(600);
    broken.append(QByteArray(4000, '\x55'));
    ASSERT_TRUE(WriteFile(garbage, broken));
    QImage kept = QImage(3, 3, QImage::Format_BGR888);
    EXPECT_FALSE(ReadPicture(garbage, QSize(244, 174), kept));
    EXPECT_EQ(kept.size(), QSize(3, 3));
    EXPECT_EQ(LoadPictureForCut(garbage, false, Small(), out), TSetimgResult::Unreadable);
}

TEST(PictureReader, LargeJpegIsDecodedShrunkButStillCovers)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("big.jpg");
    ASSERT_TRUE(WriteFile(path, MakeJpeg(4000, 3000)));
    QImage loaded;
    ASSERT_TRUE(ReadPicture(path, QSize(595, 385), loaded));
    EXPECT_EQ(loaded.size(), QSize(1000, 750)); // a quarter: an eighth would be too narrow
    ASSERT_TRUE(ReadPicture(path, QSize(), loaded));
    EXPECT_EQ(loaded.size(), QSize(4000, 3000));
    // 4760 / 8 = 595 still covers the 17 x 11 cut exactly.
    ASSERT_TRUE(WriteFile(path, MakeJpeg(4760, 3080)));
    ASSERT_TRUE(ReadPicture(path, QSize(595, 385), loaded));
    EXPECT_EQ(loaded.size(), QSize(595, 385));
}


TEST(PictureReader, ExifOrientationComesOutUpright)
{
    QTemporaryDir dir;
    // Stored landscape 800 x 600 with a bright block at its top-left
    // corner; orientation 6 asks for a quarter turn clockwise, so upright
    // the picture is 600 x 800 and the block sits at the top-right.
    QImage stored(800, 600, QImage::Format_RGB32);
    stored.fill(Qt::black);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            stored.setPixel(x, y, qRgb(255, 255, 255));
    QByteArray jpeg;
    {
        QBuffer buf(&jpeg);
        buf.open(QIODevice::WriteOnly);
        ASSERT_TRUE(stored.save(&buf, "JPEG", 95));
    }
    const QString path = dir.filePath("turned.jpg");
    ASSERT_TRUE(WriteFile(path, WithExifOrientation(jpeg, 6)));
    QImage up;
    ASSERT_TRUE(ReadPicture(path, QSize(), up));
    ASSERT_EQ(up.size(), QSize(600, 800));
    EXPECT_GT(qGray(up.pixel(550, 50)), 200);
    EXPECT_LT(qGray(up.pixel(50, 50)), 50);
    EXPECT_LT(qGray(up.pixel(550, 750)), 50);

    // The same through the whole path, shrunk while decoding.
    QImage out;
    ASSERT_EQ(LoadPictureForCut(path, false, Small(), out), TSetimgResult::Ok);
    EXPECT_EQ(out.size(), QSize(560, 400));
}


TEST(PictureReader, HostileFilesAreRefusedWithoutHarm)
{
    QTemporaryDir dir;
    QImage out = TestPattern(5, 5);
    const auto refused = [&](const QString &path) {
        return LoadPictureForCut(path, false, Small(), out) == TSetimgResult::Unreadable;
    };
    EXPECT_TRUE(refused(dir.filePath("missing.jpg")));
    const QString empty = dir.filePath("empty.jpg");
    ASSERT_TRUE(WriteFile(empty, QByteArray()));
    EXPECT_TRUE(refused(empty));
    const QString text = dir.filePath("notes.png");
    ASSERT_TRUE(WriteFile(text, "Это просто текст, а не картинка.\n"));
    EXPECT_TRUE(refused(text));

    const QByteArray jpeg = MakeJpeg(1200, 900, false, false, 95);
    // A PNG cut off likewise.
    QByteArray png;
    {
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        TestPattern(700, 500).save(&buf, "PNG");
    }
    const QString cutPng = dir.filePath("cut.png");
    ASSERT_TRUE(WriteFile(cutPng, png.left(png.size() / 2)));
    EXPECT_TRUE(refused(cutPng));

    // Headers that claim absurd sizes: a JPEG frame of 65000 x 65000 and a
    // BMP of 100000 x 100000.
    QByteArray bigJpeg = jpeg;
    const int sof = int(bigJpeg.indexOf(QByteArray("\xFF\xC0", 2)));
    ASSERT_GT(sof, 0);
    bigJpeg[sof + 5] = char(0xFD);
    bigJpeg[sof + 6] = char(0xE8);
    bigJpeg[sof + 7] = char(0xFD);
    bigJpeg[sof + 8] = char(0xE8);
    const QString absurdJpeg = dir.filePath("absurd.jpg");
    ASSERT_TRUE(WriteFile(absurdJpeg, bigJpeg));
    EXPECT_TRUE(refused(absurdJpeg));

    // A progressive JPEG claiming 12000 x 9000 would hold every
    // coefficient of the picture while decoding.
    QByteArray prog = MakeJpeg(1200, 900, false, false, 90, true);
    const int sof2 = int(prog.indexOf(QByteArray("\xFF\xC2", 2)));
    ASSERT_GT(sof2, 0);
    prog[sof2 + 5] = char(9000 >> 8);
    prog[sof2 + 6] = char(9000 & 0xFF);
    prog[sof2 + 7] = char(12000 >> 8);
    prog[sof2 + 8] = char(12000 & 0xFF);
    const QString progPath = dir.filePath("prog.jpg");
    ASSERT_TRUE(WriteFile(progPath, prog));
    EXPECT_TRUE(refused(progPath));
    // An ordinary progressive photo loads.
    ASSERT_TRUE(WriteFile(progPath, MakeJpeg(1200, 900, false, false, 90, true)));
    EXPECT_FALSE(refused(progPath));
    out = TestPattern(5, 5);

    QByteArray bmp;
    {
        QBuffer buf(&bmp);
        buf.open(QIODevice::WriteOnly);
        TestPattern(600, 400).save(&buf, "BMP");
    }
    const int32_t huge = 100000;
    memcpy(bmp.data() + 18, &huge, 4);
    memcpy(bmp.data() + 22, &huge, 4);
    const QString absurdBmp = dir.filePath("absurd.bmp");
    ASSERT_TRUE(WriteFile(absurdBmp, bmp));
    EXPECT_TRUE(refused(absurdBmp));

    // 10000 x 10000 is a size a camera could make, but not in a file this
    // small: refused before anything is allocated.
    const int32_t large = 10000;
    memcpy(bmp.data() + 18, &large, 4);
    memcpy(bmp.data() + 22, &large, 4);
    ASSERT_TRUE(WriteFile(absurdBmp, bmp));
    EXPECT_TRUE(refused(absurdBmp));

    // A BMP cut off in its rows.
    QByteArray shortBmp;
    {
        QBuffer buf(&shortBmp);
        buf.open(QIODevice::WriteOnly);
        TestPattern(600, 400).save(&buf, "BMP");
    }
    const QString cutBmp = dir.filePath("cut.bmp");
    ASSERT_TRUE(WriteFile(cutBmp, shortBmp.left(shortBmp.size() - 1000)));
    EXPECT_TRUE(refused(cutBmp));
    ASSERT_TRUE(WriteFile(cutBmp, shortBmp));
    EXPECT_FALSE(refused(cutBmp));
    out = TestPattern(5, 5);

    EXPECT_EQ(out.size(), QSize(5, 5)); // the old picture is untouched
    EXPECT_EQ(SetimgMessage(TSetimgResult::Unreadable),
              QStringLiteral("Не могу загрузить эту картинку, файл либо отсутствует, либо испорчен!"));
}


TEST(PictureReader, APipeBehindALinkIsRefusedAtOnce)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString link = dir.filePath("photo.jpg");
    ASSERT_TRUE(QFile::link(pipe, link));
    std::atomic<bool> done{false};
    std::thread reader([&] {
        QImage out;
        ReadPicture(link, QSize(244, 174), out);
        done = true;
    });
    for (int i = 0; i < 300 && !done; ++i)
        QThread::msleep(10);
    EXPECT_TRUE(done) << "reading a pipe waited for a writer";
    if (!done) { // let the stuck reader go
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY);
        ::close(fd);
    }
    reader.join();
}

// One scan limit for every JPEG, colour or CMYK, and the decoder's memory
// known from the header: the whole picture's coefficients whenever it
// comes in more than one scan.
struct TJpegCase {
    const char *name;
    int sof;
    int components;
    int scans;
    bool separate;
    bool opens;
    bool wholeBuffer;
};

class JpegHeader : public ::testing::TestWithParam<TJpegCase> {};

TEST_P(JpegHeader, ScansAndMemoryAreKnownBeforeDecoding)
{
    const TJpegCase &c = GetParam();
    const int side = 16000;
    const QByteArray bytes = CraftJpeg(side, side, c.sof, c.components, c.scans, c.separate);
    TJpegFile jpeg;
    ASSERT_EQ(jpeg.Open(bytes), c.opens);
    if (!c.opens)
        return;
    const qint64 pixels = qint64(side / 8) * (side / 8);
    const qint64 outBytes = pixels * (c.components == 4 ? 7 : 3);
    // Two bytes a coefficient, one coefficient a pixel for the first colour.
    const qint64 lumaCoefficients = qint64(side) * side * 2;
    if (c.wholeBuffer) {
        EXPECT_GE(jpeg.DecodeBytes(8), outBytes + lumaCoefficients);
    } else {
        EXPECT_EQ(jpeg.DecodeBytes(8), outBytes);
    }
    // Beyond what a game may take: refused whole, before decoding.
    QImage out;
    if (c.wholeBuffer) {
        EXPECT_FALSE(ReadPictureBytes(bytes, QSize(560, 400), out));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, JpegHeader,
    ::testing::Values(TJpegCase{"OneInterleavedScan", 0xC0, 3, 1, false, true, false},
                      TJpegCase{"ColoursInSeparateScans", 0xC0, 3, 3, true, true, true},
                      TJpegCase{"Progressive", 0xC2, 3, 10, true, true, true},
                      TJpegCase{"ScansUpToTheLimit", 0xC2, 3, TJpegFile::MaxScans, true, true, true},
                      TJpegCase{"ScanBomb", 0xC2, 3, TJpegFile::MaxScans + 1, true, false, false},
                      TJpegCase{"CmykScanBomb", 0xC2, 4, TJpegFile::MaxScans + 1, true, false, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PictureReader, CmykJpegDecodesInColourThroughTheSameDecoder)
{
    const QByteArray jpeg = MakeJpeg(64, 48, false, true, 95);
    TJpegFile file;
    ASSERT_TRUE(file.Open(jpeg));
    EXPECT_EQ(file.Channels(), 4);
    QImage out;
    ASSERT_TRUE(ReadPictureBytes(jpeg, QSize(), out));
    ASSERT_EQ(out.format(), QImage::Format_BGR888);
    EXPECT_EQ(out.size(), QSize(64, 48));
    // The same colours Qt's own decoder has always shown for such files.
    const QImage qt = QImage::fromData(jpeg, "JPEG").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(qt.size(), out.size());
    for (const QPoint p : {QPoint(2, 2), QPoint(20, 10), QPoint(60, 40)}) {
        const QColor a = out.pixelColor(p), b = qt.pixelColor(p);
        EXPECT_NEAR(a.red(), b.red(), 2);
        EXPECT_NEAR(a.green(), b.green(), 2);
        EXPECT_NEAR(a.blue(), b.blue(), 2);
    }
}

TEST(PictureReader, APngThatWouldTakeMoreThanAGameMayIsRefusedFromItsHeader)
{
    // 9000 x 9000 grey zeros pack into a few hundred kilobytes; decoded at
    // four bytes a pixel they would take 324 MB.
    const int side = 9000;
    const QByteArray png = MakeBlankGreyPng(side);
    QImage out;
    EXPECT_FALSE(ReadPictureBytes(png, QSize(560, 400), out));
}
