// Loading a picture for a game: scale-to-cover, crop, EXIF orientation,
// large and hostile files, and the finished picture.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "TestImages.h"
#include "board/PictureSetup.h"

namespace {

const TCutInfo &Small() { return CutTable[1]; }
const TCutInfo &Big() { return CutTable[2]; }

bool SamePixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        if (memcmp(a.constScanLine(y), b.constScanLine(y), size_t(a.width()) * 3) != 0)
            return false;
    return true;
}

} // namespace

TEST(Setimg, CoverSizeRoundsHalvesToEven)
{
    EXPECT_EQ(CoverSize({560, 400}, {560, 400}), QSize(560, 400));
    EXPECT_EQ(CoverSize({1120, 1000}, {560, 400}), QSize(560, 500));
    EXPECT_EQ(CoverSize({2000, 400}, {560, 400}), QSize(2000, 400));
    // 1376 / 1024 x 560 is exactly 752.5: the half goes to the even 752.
    EXPECT_EQ(CoverSize({1024, 1376}, {560, 400}), QSize(560, 752));
    // 1312 / 1024 x 560 = 717.5 -> 718.
    EXPECT_EQ(CoverSize({1024, 1312}, {560, 400}), QSize(560, 718));
}

TEST(Setimg, ScalesToCoverAndCropsTheMiddle)
{
    QImage out;
    const QImage exact = TestPattern(560, 400);
    ASSERT_EQ(FitPictureToCut(exact, false, Small(), out), TSetimgResult::Ok);
    EXPECT_TRUE(SamePixels(out, exact)); // used unscaled and uncropped

    // 2000 x 400 stays 2000 x 400; the middle 560 columns from 720.
    const QImage wide = TestPattern(2000, 400);
    ASSERT_EQ(FitPictureToCut(wide, false, Small(), out), TSetimgResult::Ok);
    EXPECT_TRUE(SamePixels(out, wide.copy(720, 0, 560, 400)));

    // 1120 x 1000 becomes 560 x 500 and loses 50 rows top and bottom: a
    // picture with a red band in its top and bottom 100 rows keeps none.
    QImage tall(1120, 1000, QImage::Format_BGR888);
    tall.fill(QColor(128, 128, 128));
    for (int y = 0; y < 1000; ++y)
        if (y < 100 || y >= 900)
            for (int x = 0; x < 1120; ++x)
                tall.setPixel(x, y, qRgb(255, 0, 0));
    ASSERT_EQ(FitPictureToCut(tall, false, Small(), out), TSetimgResult::Ok);
    ASSERT_EQ(out.size(), QSize(560, 400));
    EXPECT_EQ(out.pixelColor(100, 0).red(), 128);   // first row was row 50 of 500
    EXPECT_EQ(out.pixelColor(100, 399).red(), 128);
    // Scaled by a half, row 50 of 500 comes from rows 100 and 101: paint
    // those too and the first row turns red.
    QImage probe(1120, 1000, QImage::Format_BGR888);
    probe.fill(QColor(128, 128, 128));
    for (int y = 0; y < 102; ++y)
        for (int x = 0; x < 1120; ++x)
            probe.setPixel(x, y, qRgb(255, 0, 0));
    ASSERT_EQ(FitPictureToCut(probe, false, Small(), out), TSetimgResult::Ok);
    EXPECT_GT(out.pixelColor(100, 0).red(), 200);
    EXPECT_EQ(out.pixelColor(100, 1).red(), 128);
}

TEST(Setimg, RefusesTooSmallPicturesPerCut)
{
    QImage out(7, 7, QImage::Format_BGR888);
    EXPECT_EQ(FitPictureToCut(TestPattern(559, 800), false, Small(), out), TSetimgResult::TooSmall);
    EXPECT_EQ(out.size(), QSize(7, 7)); // untouched
    EXPECT_EQ(FitPictureToCut(TestPattern(595, 385), false, Big(), out), TSetimgResult::Ok);
    EXPECT_EQ(out.size(), QSize(595, 385));
    EXPECT_EQ(FitPictureToCut(TestPattern(594, 2000), false, Big(), out), TSetimgResult::TooSmall);
    EXPECT_EQ(SetimgMessage(TSetimgResult::TooSmall),
              QStringLiteral("Эта картинка слишком маленькая, выбери картинку побольше!"));
    // An installed picture of the cut's size is taken as it is; one of any
    // other size is treated like every other picture.
    const QImage installed = TestPattern(560, 400);
    EXPECT_EQ(FitPictureToCut(installed, true, Small(), out), TSetimgResult::Ok);
    EXPECT_EQ(out, installed.convertToFormat(QImage::Format_BGR888));
    EXPECT_EQ(FitPictureToCut(TestPattern(1120, 800), true, Small(), out), TSetimgResult::Ok);
    EXPECT_EQ(out.size(), QSize(560, 400));
    out = QImage(7, 7, QImage::Format_BGR888);
    EXPECT_EQ(FitPictureToCut(TestPattern(300, 200), true, Small(), out), TSetimgResult::TooSmall);
    EXPECT_EQ(out.size(), QSize(7, 7)); // untouched
}

TEST(Setimg, LoadsFilesOfEveryKindTheGameOpens)
{
    QTemporaryDir dir;
    const QImage pic = TestPattern(600, 420);
    QImage out;
    for (const char *fmt : {"BMP", "PNG"}) {
        const QString path = dir.filePath(QStringLiteral("p.") + fmt);
        ASSERT_TRUE(pic.save(path, fmt));
        ASSERT_EQ(LoadPictureForCut(path, false, Small(), out), TSetimgResult::Ok) << fmt;
        EXPECT_EQ(out.size(), QSize(560, 400));
        EXPECT_EQ(out.format(), QImage::Format_BGR888);
    }
    const QString jpg = dir.filePath("p.jpg");
    ASSERT_TRUE(WriteFile(jpg, MakeJpeg(1200, 900)));
    ASSERT_EQ(LoadPictureForCut(jpg, false, Big(), out), TSetimgResult::Ok);
    EXPECT_EQ(out.size(), QSize(595, 385));
    // A CMYK JPEG, which the thumbnail decoder refuses, still makes a game.
    const QString cmyk = dir.filePath("k.jpg");
    ASSERT_TRUE(WriteFile(cmyk, MakeJpeg(700, 500, false, true)));
    ASSERT_EQ(LoadPictureForCut(cmyk, false, Small(), out), TSetimgResult::Ok);
    EXPECT_EQ(out.size(), QSize(560, 400));
    // A file name that says JPEG but holds a BMP still loads.
    const QString disguised = dir.filePath("bmp.jpg");
    QFile::copy(dir.filePath("p.BMP"), disguised);
    EXPECT_EQ(LoadPictureForCut(disguised, false, Small(), out), TSetimgResult::Ok);
}

TEST(Setimg, LargeJpegIsDecodedShrunkButStillCovers)
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

TEST(Setimg, ExifOrientationComesOutUpright)
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

TEST(Setimg, HostileFilesAreRefusedWithoutHarm)
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

    // A JPEG cut off in the middle of its data.
    const QByteArray jpeg = MakeJpeg(1200, 900, false, false, 95);
    const QString truncated = dir.filePath("cut.jpg");
    ASSERT_TRUE(WriteFile(truncated, jpeg.left(jpeg.size() / 2)));
    EXPECT_TRUE(refused(truncated));
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

TEST(FinishedTexture, PictureWithASoftShadowBeyondRightAndBottom)
{
    const QImage pic = TestPattern(560, 400);
    QImage A, B;
    MakeFinishedBitmaps(pic, A, B);
    ASSERT_EQ(A.size(), QSize(1024, 512));
    EXPECT_EQ(A.pixelColor(5, 5), pic.pixelColor(0, 0));
    EXPECT_EQ(A.pixelColor(564, 404), pic.pixelColor(559, 399));
    EXPECT_EQ(A.pixelColor(4, 4), QColor(Qt::black));

    const QImage tex = FinishedTextureImage(pic);
    ASSERT_EQ(tex.format(), QImage::Format_RGBA8888);
    const auto alpha = [&](int x, int y) { return tex.constScanLine(y)[4 * x + 3]; };
    EXPECT_EQ(alpha(5, 5), 255);        // the picture is opaque
    EXPECT_EQ(alpha(564, 404), 255);
    EXPECT_GT(alpha(566, 200), 100);    // the shadow reaches 2 px beyond...
    EXPECT_GT(alpha(570, 200), 0);      // ...and spreads with the blur
    EXPECT_EQ(alpha(580, 200), 0);
    EXPECT_EQ(alpha(1000, 500), 0);     // transparent elsewhere
    EXPECT_LT(alpha(2, 200), alpha(566, 200)); // the top-left side is lighter
    const uint8_t *p = tex.constScanLine(5) + 4 * 5;
    const QColor c = pic.pixelColor(0, 0);
    EXPECT_EQ(p[0], c.red());
    EXPECT_EQ(p[2], c.blue());
}

TEST(Setimg, PicturesBeyondQtsDefaultLimitStillLoad)
{
    // 6000 x 6000 at 32 bits is 144 MB, above the 128 MB Qt allows by default.
    QTemporaryDir dir;
    const QString path = dir.filePath("wide.png");
    {
        QImage big(6000, 6000, QImage::Format_RGB32);
        big.fill(QColor(30, 60, 90));
        ASSERT_TRUE(big.save(path, "PNG", 0));
    }
    QImage out;
    ASSERT_EQ(LoadPictureForCut(path, false, Small(), out), TSetimgResult::Ok);
    EXPECT_EQ(out.size(), QSize(560, 400));
    EXPECT_EQ(out.format(), QImage::Format_BGR888);
    EXPECT_EQ(out.pixelColor(10, 10), QColor(30, 60, 90));
}
