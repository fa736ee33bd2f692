// The shadow blur.
#include <gtest/gtest.h>

#include "picture/GBlur.h"

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
