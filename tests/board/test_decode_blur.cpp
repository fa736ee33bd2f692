// JPEG decoding for thumbnails and the shadow blur.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "TestImages.h"
#include "board/DecodeJpeg.h"
#include "board/GBlur.h"

namespace {

QSize Decoded(const QTemporaryDir &dir, int w, int h, QImage::Format start = QImage::Format_BGR888)
{
    const QString path = dir.filePath(QStringLiteral("p%1x%2.jpg").arg(w).arg(h));
    EXPECT_TRUE(WriteFile(path, MakeJpeg(w, h)));
    QImage B(1, 1, start);
    if (!DecodeJpeg(B, path, false))
        return {};
    return B.size();
}

} // namespace

TEST(DecodeJpeg, ShrinksByTheSumOfTheSides)
{
    QTemporaryDir dir;
    EXPECT_EQ(Decoded(dir, 1200, 799), QSize(1200, 799)); // 1999: full size
    EXPECT_EQ(Decoded(dir, 1200, 800), QSize(600, 400));  // 2000: half
    EXPECT_EQ(Decoded(dir, 3000, 1001), QSize(750, 251)); // 4001: quarter, rounded up
    EXPECT_EQ(Decoded(dir, 5000, 1001), QSize(625, 126)); // 6001: eighth
    EXPECT_EQ(DecodeJpegDenominator(2999, 1000), 2);
    EXPECT_EQ(DecodeJpegDenominator(3000, 1000), 4);
    EXPECT_EQ(DecodeJpegDenominator(3000, 2999), 4);
    EXPECT_EQ(DecodeJpegDenominator(3000, 3000), 8);
}

TEST(DecodeJpeg, FormatFollowsTheBitmapOrTheFile)
{
    QTemporaryDir dir;
    const QString colour = dir.filePath("c.jpg"), grey = dir.filePath("g.jpg");
    ASSERT_TRUE(WriteFile(colour, MakeJpeg(64, 48)));
    ASSERT_TRUE(WriteFile(grey, MakeJpeg(64, 48, true)));

    QImage B(1, 1, QImage::Format_Grayscale8);
    ASSERT_TRUE(DecodeJpeg(B, colour, false)); // colour into an 8-bit bitmap: grey
    EXPECT_EQ(B.format(), QImage::Format_Grayscale8);

    QImage C(1, 1, QImage::Format_BGR888);
    ASSERT_TRUE(DecodeJpeg(C, grey, true)); // auto: 8-bit for a grey file
    EXPECT_EQ(C.format(), QImage::Format_Grayscale8);
    ASSERT_TRUE(DecodeJpeg(C, colour, true));
    EXPECT_EQ(C.format(), QImage::Format_BGR888);
    EXPECT_EQ(C.size(), QSize(64, 48));

    QImage D(1, 1, QImage::Format_RGB32);
    EXPECT_FALSE(DecodeJpeg(D, colour, false)); // neither 8- nor 24-bit
    EXPECT_TRUE(DecodeJpeg(D, colour, true));
}

TEST(DecodeJpeg, RowsAreUprightAndBlueFirst)
{
    QTemporaryDir dir;
    // A picture whose top half is red and bottom half blue.
    QImage src(32, 32, QImage::Format_RGB32);
    src.fill(Qt::blue);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x)
            src.setPixel(x, y, qRgb(255, 0, 0));
    const QString path = dir.filePath("rb.jpg");
    ASSERT_TRUE(src.save(path, "JPEG", 95));
    QImage B(1, 1, QImage::Format_BGR888);
    ASSERT_TRUE(DecodeJpeg(B, path, false));
    const uint8_t *top = B.constScanLine(2) + 3 * 16, *bottom = B.constScanLine(29) + 3 * 16;
    EXPECT_GT(top[2], 200);    // red byte last
    EXPECT_LT(top[0], 60);
    EXPECT_GT(bottom[0], 200); // blue byte first
    EXPECT_LT(bottom[2], 60);
}

TEST(DecodeJpeg, RefusesCmykMissingAndDamagedFiles)
{
    QTemporaryDir dir;
    const QString cmyk = dir.filePath("k.jpg");
    const QByteArray cmykBytes = MakeJpeg(40, 40, false, true);
    ASSERT_FALSE(cmykBytes.isEmpty());
    ASSERT_TRUE(WriteFile(cmyk, cmykBytes));
    QImage B(3, 3, QImage::Format_BGR888);
    B.fill(Qt::green);
    EXPECT_FALSE(DecodeJpeg(B, cmyk, true));
    EXPECT_EQ(B.size(), QSize(3, 3)); // nothing decoded

    EXPECT_FALSE(DecodeJpeg(B, dir.filePath("none.jpg"), true));
    const QString text = dir.filePath("t.jpg");
    ASSERT_TRUE(WriteFile(text, "not a picture at all"));
    EXPECT_FALSE(DecodeJpeg(B, text, true));
    const QString empty = dir.filePath("e.jpg");
    ASSERT_TRUE(WriteFile(empty, QByteArray()));
    EXPECT_FALSE(DecodeJpeg(B, empty, true));
}

TEST(GBlur, KernelIsTrimmedByItsTails)
{
    const TBlurKernel k = MakeKernel(3.0);
    EXPECT_EQ(k.HalfWidth, 8);
    ASSERT_EQ(k.Weights.size(), 17u);
    double sum = 0;
    for (float w : k.Weights)
        sum += w;
    EXPECT_NEAR(sum, 1.0, 1e-6);
    EXPECT_FLOAT_EQ(k.Weight(-3), k.Weight(3));
    EXPECT_GT(k.Weight(0), k.Weight(1));
}

TEST(GBlur, WhiteStaysWhiteAndEdgesSoften)
{
    QImage B(40, 30, QImage::Format_BGR888);
    B.fill(Qt::white);
    for (int y = 10; y < 20; ++y)
        memset(B.scanLine(y) + 3 * 10, 0, 3 * 10);
    GBlur(B, 3.0);
    // Far from the black square the sums are exactly 255.
    EXPECT_EQ(B.constScanLine(0)[0], 255);
    EXPECT_EQ(B.constScanLine(29)[3 * 39 + 2], 255);
    EXPECT_EQ(B.constScanLine(15)[3 * 0], 255);
    // The square's edge is now grey, its middle still dark.
    const int edge = B.constScanLine(15)[3 * 10];
    EXPECT_GT(edge, 40);
    EXPECT_LT(edge, 215);
    EXPECT_LT(B.constScanLine(15)[3 * 15], 60);
}

TEST(GBlur, ClampsIndicesOnNarrowBitmaps)
{
    QImage B(1, 7, QImage::Format_BGR888); // one pixel wide: rows see only the end pixel
    for (int y = 0; y < 7; ++y) {
        uint8_t *p = B.scanLine(y);
        p[0] = p[1] = p[2] = y == 3 ? 0 : 200;
    }
    GBlur(B, 3.0);
    EXPECT_EQ(B.width(), 1);
    EXPECT_LT(B.constScanLine(3)[0], 200);
    EXPECT_GT(B.constScanLine(3)[0], 100);
    EXPECT_EQ(B.constScanLine(3)[0], B.constScanLine(3)[2]);

    QImage one(1, 1, QImage::Format_BGR888);
    one.fill(QColor(10, 20, 30));
    GBlur(one, 3.0);
    EXPECT_LE(std::abs(one.pixelColor(0, 0).red() - 10), 1);
}

TEST(GBlur, RefusesBitmapsThatAreNot24Bit)
{
    QImage B(4, 4, QImage::Format_RGB32);
    try {
        GBlur(B, 3.0);
        FAIL() << "no error raised";
    } catch (const EGBlurError &e) {
        EXPECT_EQ(QString::fromStdString(e.what()),
                  QStringLiteral("GBlur может работать только с 24-битными изображениями"));
    }
}

TEST(DecodeJpeg, RefusesTruncatedFiles)
{
    QTemporaryDir dir;
    const QByteArray jpeg = MakeJpeg(640, 480, false, false, 95);
    const QString path = dir.filePath("cut.jpg");
    ASSERT_TRUE(WriteFile(path, jpeg.left(jpeg.size() * 2 / 3)));
    QImage B(1, 1, QImage::Format_BGR888);
    EXPECT_FALSE(DecodeJpeg(B, path, true));
}

// The blur skips windows whose pixels are all equal; it must give exactly
// what the plain weighted sums give.
TEST(GBlur, MatchesThePlainWeightedSums)
{
    QImage B(90, 70, QImage::Format_BGR888);
    B.fill(Qt::white);
    uint32_t seed = 12345;
    for (int y = 0; y < 70; ++y)
        for (int x = 0; x < 90; ++x) {
            uint8_t *p = B.scanLine(y) + 3 * x;
            if (x > 20 && x < 40 && y > 10 && y < 50) {
                p[0] = p[1] = p[2] = 0; // a black slab
            } else if (x > 60) {
                for (int c = 0; c < 3; ++c) {
                    seed = seed * 1664525u + 1013904223u;
                    p[c] = uint8_t(seed >> 24); // noise
                }
            }
        }
    QImage ref = B;
    const TBlurKernel k = MakeKernel(3.0);
    const auto blurLine = [&](std::vector<uint8_t> &line, int n) {
        std::vector<uint8_t> out(line.size());
        for (int i = 0; i < n; ++i)
            for (int c = 0; c < 3; ++c) {
                double s = 0;
                for (int j = -k.HalfWidth; j <= k.HalfWidth; ++j)
                    s += double(k.Weight(j)) * line[size_t(std::clamp(i - j, 0, n - 1)) * 3 + c];
                out[size_t(i) * 3 + c] = s < 0 ? 0 : s >= 255 ? 255 : uint8_t(s);
            }
        line = out;
    };
    std::vector<uint8_t> line;
    for (int y = 0; y < ref.height(); ++y) {
        line.assign(ref.constScanLine(y), ref.constScanLine(y) + 3 * ref.width());
        blurLine(line, ref.width());
        memcpy(ref.scanLine(y), line.data(), line.size());
    }
    for (int x = 0; x < ref.width(); ++x) {
        line.resize(size_t(ref.height()) * 3);
        for (int y = 0; y < ref.height(); ++y)
            memcpy(&line[size_t(y) * 3], ref.constScanLine(y) + 3 * x, 3);
        blurLine(line, ref.height());
        for (int y = 0; y < ref.height(); ++y)
            memcpy(ref.scanLine(y) + 3 * x, &line[size_t(y) * 3], 3);
    }
    GBlur(B, 3.0);
    EXPECT_EQ(B, ref);
}
