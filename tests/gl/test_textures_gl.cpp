// Textures on a real context: the list, uploads of odd widths, and the
// PNG alpha rule as OpenGL stores it.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "GLTestContext.h"
#include "gl/GLTextures.h"
#include "gl/Textures.h"

#define REQUIRE_GL(W, H)                                                                                     \
    if (!GLTestContext::Begin(W, H))                                                                         \
    GTEST_SKIP() << "no OpenGL context"

TEST(TexturesGL, ClearTexturesDeletesEveryListedTextureAndEmptiesTheList)
{
    REQUIRE_GL(64, 64);
    TTextureList list;
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::red);
    const uint32_t a = TexFromPNG(list, img, false, true);
    const uint32_t b = NewTexture(list, true, true);
    RegisterTexture(list, 0); // an empty slot is allowed
    const uint32_t unlisted = NewTexture(list, false, false);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].Id, int32_t(a));
    EXPECT_TRUE(glIsTexture(a));
    EXPECT_TRUE(glIsTexture(b));

    ClearTextures(list);
    EXPECT_TRUE(list.empty());
    EXPECT_FALSE(glIsTexture(a));
    EXPECT_FALSE(glIsTexture(b));
    EXPECT_TRUE(glIsTexture(unlisted));
    TGLTextures().DeleteTexture(unlisted);
    EXPECT_FALSE(glIsTexture(unlisted));
}

TEST(TexturesGL, AnOddWidthBitmapArrivesUnsheared)
{
    REQUIRE_GL(64, 64);
    QImage bmp(301, 5, QImage::Format_RGB888);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 301; ++x)
            bmp.setPixelColor(x, y, QColor(x % 256, y * 40, 7));
    Board b;
    TTextureList list;
    const uint32_t name = TexFromPicture(list, b, TPicture::FromImage(bmp, TPicture::Bitmap), false, false, false,
                                         true, false);
    EXPECT_EQ(b.BgTileW, 301);
    EXPECT_EQ(b.BgTileH, 5);
    const QByteArray tex = ReadTexture(name, 301, 5);
    // OpenGL's first row is the bitmap's bottom row.
    auto at = [&](int x, int row) { return reinterpret_cast<const uchar *>(tex.constData()) + (row * 301 + x) * 4; };
    EXPECT_EQ(at(300, 0)[0], 300 % 256);
    EXPECT_EQ(at(300, 0)[1], 4 * 40);
    EXPECT_EQ(at(17, 4)[0], 17);
    EXPECT_EQ(at(17, 4)[1], 0);
    ClearTextures(list);
}

TEST(TexturesGL, APngKeepsItsAlphaInANewTextureButNotInARefill)
{
    REQUIRE_GL(64, 64);
    QImage png(32, 32, QImage::Format_ARGB32);
    png.fill(QColor(0, 0, 255, 60));
    const TPicture P = TPicture::FromImage(png, TPicture::Png);
    Board b;
    TTextureList list;
    const uint32_t name = TexFromPicture(list, b, P, true, true, true, true, false);
    EXPECT_EQ(uchar(ReadTexture(name, 32, 32)[3]), 60);

    EXPECT_EQ(TexReplaceFromPicture(b, name, P, false, false, false, false), name);
    EXPECT_EQ(uchar(ReadTexture(name, 32, 32)[3]), 255);
    ClearTextures(list);
}

TEST(TexturesGL, TheSinkReplacesOrCreates)
{
    REQUIRE_GL(64, 64);
    TGLTextures gl;
    QImage img(16, 16, QImage::Format_RGBA8888);
    img.fill(QColor(1, 2, 3, 4));
    const int32_t made = gl.ReplaceRGBA(-1, img);
    ASSERT_GT(made, 0);
    img.fill(QColor(5, 6, 7, 8));
    EXPECT_EQ(gl.ReplaceRGBA(made, img), made);
    EXPECT_EQ(uchar(ReadTexture(uint32_t(made), 16, 16)[3]), 8);
    gl.DeleteTexture(uint32_t(made));
}

TEST(TexturesGL, APictureTooLargeForTheCardIsNotUploadedAndChangesNothing)
{
    REQUIRE_GL(64, 64);
    GLint maxSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    QImage wide(maxSide + 1, 2, QImage::Format_RGB888);
    wide.fill(Qt::red);
    const TPicture P = TPicture::FromImage(wide, TPicture::Bitmap);
    Board b;
    b.BgTileW = 256;
    TTextureList list;
    EXPECT_EQ(TexFromPicture(list, b, P, false, false, false, true, false), 0u);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(b.BgTileW, 256);

    QImage small(32, 32, QImage::Format_RGB888);
    small.fill(Qt::green);
    const uint32_t name = TexFromPicture(list, b, TPicture::FromImage(small, TPicture::Bitmap), false, false, false,
                                         true, false);
    EXPECT_EQ(TexReplaceFromPicture(b, name, P, false, false, false, false), name);
    EXPECT_EQ(b.BgTileW, 32);
    EXPECT_EQ(uchar(ReadTexture(name, 32, 32)[1]), 255); // still green
    ClearTextures(list);
}
