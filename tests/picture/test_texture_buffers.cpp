// Pixel buffers made before any upload: cropping, row order and packing,
// byte order, and which pictures keep their own alpha.
#include <gtest/gtest.h>

#include <QImage>

#include "picture/TextureBuffers.h"

namespace {

QImage Bitmap(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixelColor(x, y, QColor(x % 256, y % 256, (x + y) % 256));
    return img;
}

QSize Cropped(int w, int h)
{
    QImage b = Bitmap(w, h);
    CropToPow2(b);
    return b.size();
}

} // namespace

TEST(CropToPow2, CropsEachSideToTheLargestPowerOfTwoNotAbove)
{
    EXPECT_EQ(Cropped(640, 480), QSize(512, 256));
    EXPECT_EQ(Cropped(1500, 600), QSize(1024, 512));
    EXPECT_EQ(Cropped(100, 40), QSize(64, 32));
    EXPECT_EQ(Cropped(2048, 64), QSize(1024, 64)); // 1024 at most; a fitting side stays
}

TEST(CropToPow2, LeavesFittingOrTinyBitmapsAlone)
{
    EXPECT_EQ(Cropped(256, 256), QSize(256, 256));
    EXPECT_EQ(Cropped(20, 600), QSize(20, 600)); // a side below 32
    EXPECT_EQ(Cropped(600, 31), QSize(600, 31));
}

TEST(CropToPow2, KeepsTheTopLeftPartUnscaled)
{
    const QImage src = Bitmap(640, 480);
    QImage b = src;
    CropToPow2(b);
    ASSERT_EQ(b.size(), QSize(512, 256));
    for (QPoint p : {QPoint(0, 0), QPoint(511, 0), QPoint(0, 255), QPoint(300, 200)})
        EXPECT_EQ(b.pixelColor(p), src.pixelColor(p)) << p.x() << "," << p.y();
}

TEST(BottomUpRGBBuffer, RowsArePackedBottomFirstInRedGreenBlueOrder)
{
    const QImage b = Bitmap(300, 200);
    const QByteArray buf = BottomUpRGBBuffer(b);
    ASSERT_EQ(buf.size(), 300 * 200 * 3); // rows of exactly 900 bytes
    auto px = [&](int x, int row) { return reinterpret_cast<const uchar *>(buf.constData()) + row * 900 + x * 3; };
    // Row 0 of the buffer is the bitmap's bottom row.
    const QColor bottomLeft = b.pixelColor(0, 199);
    EXPECT_EQ(px(0, 0)[0], bottomLeft.red());
    EXPECT_EQ(px(0, 0)[1], bottomLeft.green());
    EXPECT_EQ(px(0, 0)[2], bottomLeft.blue());
    const QColor topRight = b.pixelColor(299, 0);
    EXPECT_EQ(px(299, 199)[0], topRight.red());
    EXPECT_EQ(px(299, 199)[1], topRight.green());
    EXPECT_EQ(px(299, 199)[2], topRight.blue());
}

TEST(BottomUpRGBBuffer, OddWidthsHaveNoRowPadding)
{
    EXPECT_EQ(BottomUpRGBBuffer(Bitmap(301, 3)).size(), 301 * 3 * 3);
}

TEST(PictureUpload, APngKeepsItsAlphaOnlyWhenMadeNew)
{
    QImage png(64, 32, QImage::Format_ARGB32);
    png.fill(QColor(255, 0, 0, 40));
    const TPicture P = TPicture::FromImage(png, TPicture::Png);

    const TPixelUpload fresh = PictureUpload(P, false, false, false, true);
    EXPECT_EQ(fresh.Components, 4);
    EXPECT_EQ(uchar(fresh.Bytes[3]), 40);

    const TPixelUpload replaced = PictureUpload(P, false, false, false, false);
    EXPECT_EQ(replaced.Components, 3); // opaque
    EXPECT_EQ(replaced.Bytes.size(), 64 * 32 * 3);

    // With key alpha the replacement is keyed, never the PNG's own alpha.
    const TPixelUpload keyed = PictureUpload(P, false, true, false, false);
    EXPECT_EQ(keyed.Components, 4);
    EXPECT_EQ(uchar(keyed.Bytes[3]), 0); // every pixel has the key colour
}

TEST(PictureUpload, BitmapsReadBottomUpWithOptionalRedAlphaAndCropping)
{
    QImage bmp(100, 40, QImage::Format_RGB888);
    bmp.fill(QColor(90, 1, 2));
    bmp.setPixelColor(0, 39, QColor(7, 8, 9));
    const TPicture P = TPicture::FromImage(bmp, TPicture::Bitmap);

    const TPixelUpload red = PictureUpload(P, true, false, true, true);
    EXPECT_EQ(red.Width, 64);
    EXPECT_EQ(red.Height, 32);
    EXPECT_EQ(red.Components, 4);
    EXPECT_EQ(uchar(red.Bytes[4 * 5 + 3]), 90);

    const TPixelUpload uncropped = PictureUpload(P, false, true, false, true);
    EXPECT_EQ(uncropped.Width, 100);
    // The key colour is the bitmap's bottom-left pixel (first of the rows).
    EXPECT_EQ(uchar(uncropped.Bytes[3]), 0);
    EXPECT_EQ(uchar(uncropped.Bytes[7]), 255);
}

TEST(PictureUpload, AnEmptyPictureUploadsNothing)
{
    EXPECT_EQ(PictureUpload(TPicture(), false, false, true, true).Components, 0);
}
