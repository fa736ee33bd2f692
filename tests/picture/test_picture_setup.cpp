// Loading a picture for a game: scale-to-cover, crop, EXIF orientation,
// large and hostile files, and the finished picture.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "TestImages.h"
#include "picture/PictureSetup.h"

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
    // The largest cut refuses a picture a pixel short of it in either side.
    const TCutInfo &largest = CutTable[CutCount];
    const int LW = PictureWidth(largest), LH = PictureHeight(largest);
    EXPECT_EQ(FitPictureToCut(TestPattern(LW - 1, 3 * LH), false, largest, out), TSetimgResult::TooSmall);
    EXPECT_EQ(FitPictureToCut(TestPattern(3 * LW, LH - 1), false, largest, out), TSetimgResult::TooSmall);
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

TEST(FinishedTexture, HoldsEveryCutsPictureAndShadowInPowersOfTwo)
{
    for (int sizeIndex = 1; sizeIndex <= CutCount; ++sizeIndex) {
        const TCutInfo &cut = CutTable[sizeIndex];
        const QImage pic = TestPattern(PictureWidth(cut), PictureHeight(cut));
        const QImage tex = FinishedTextureImage(pic);
        SCOPED_TRACE(sizeIndex);
        ASSERT_EQ(tex.size(), FinishedTextureSize(pic.size()));
        EXPECT_EQ(tex.width() & (tex.width() - 1), 0);
        EXPECT_EQ(tex.height() & (tex.height() - 1), 0);
        const auto alpha = [&](int x, int y) { return tex.constScanLine(y)[4 * x + 3]; };
        EXPECT_EQ(alpha(pic.width() + 4, pic.height() + 4), 255); // the last pixel of the picture
        EXPECT_GT(alpha(pic.width() + 6, pic.height() / 2), 100); // its shadow
        EXPECT_EQ(alpha(tex.width() - 1, tex.height() - 1), 0);   // room beyond
    }
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
