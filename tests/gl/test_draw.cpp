// The frame, read back from a real framebuffer: background tiling and its
// orientation, the clear colour, the corner plate, turned pieces, the
// turning and dragged pieces on top, drag shadows, the cutting overlay,
// the finish time and the finished picture under the solved pieces.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <functional>

#include "GLTestContext.h"
#include "gl/Draw.h"
#include "gl/GLTextures.h"
#include "gl/PieceAtlas.h"
#include "gl/Textures.h"

namespace {

const QColor Clear(77, 102, 153); // (0.3, 0.4, 0.6)
const QColor Red(255, 0, 0), Green(0, 255, 0), Blue(0, 0, 255), Black(0, 0, 0);

// Entry 0 without a background, entries 1..15 empty.
TTextureList NoArtwork()
{
    TTextureList list(16);
    list[0].Id = -1;
    for (size_t i = 1; i < list.size(); ++i)
        list[i].Id = 0;
    return list;
}

Tpiece &AddPiece(Board &b, int x, int y, uint32_t img, uint32_t shd = 0)
{
    const int i = b.Pieces.Count();
    Tpiece &p = b.Pieces.Add();
    p.X = x;
    p.Y = y;
    p.ImgTex = img;
    p.ShdTex = shd;
    p.Group = -1;
    p.Row = i / b.Cut().Cols;
    p.Col = i % b.Cut().Cols;
    b.DrawOrder.push_back(i);
    return p;
}

void Join(Board &b, std::initializer_list<int> members)
{
    b.Groups.emplace_back(members);
    for (int m : members)
        b.Pieces[m].Group = int(b.Groups.size()) - 1;
}

QImage Render(const Board &b, const TTextureList &list, int W, int H, const QString &time = QString(),
             bool dragShadow = true)
{
    EXPECT_TRUE(GLTestContext::Begin(W, H));
    TTableView view;
    view.DragShadow = dragShadow;
    DrawFrame(b, list, W, H, time, view);
    return GLTestContext::Frame();
}

#define EXPECT_COLOUR(img, x, y, colour)                                                                     \
    EXPECT_PRED3([](const QImage &i, QPoint p, QColor c) { return Near(i.pixelColor(p), c); }, img,          \
                 QPoint(x, y), colour)                                                                       \
        << "pixel " << (x) << "," << (y) << " is " << qPrintable((img).pixelColor(x, y).name())

class DrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!GLTestContext::Begin(400, 300))
            GTEST_SKIP() << "no OpenGL context";
    }
    void TearDown() override
    {
        TGLTextures gl;
        for (uint32_t t : made)
            gl.DeleteTexture(t);
    }
    uint32_t Solid(int w, int h, const QColor &c) { return Keep(SolidTexture(w, h, c)); }
    uint32_t Keep(uint32_t t)
    {
        made.push_back(t);
        return t;
    }
    std::vector<uint32_t> made;
};

} // namespace

TEST_F(DrawTest, WithoutBackgroundThePanelShowsTheClearColour)
{
    Board b;
    const QImage f = Render(b, NoArtwork(), 400, 300);
    EXPECT_COLOUR(f, 0, 0, Clear);
    EXPECT_COLOUR(f, 399, 299, Clear);
    EXPECT_EQ(qAlpha(f.pixel(5, 5)), 255);
}

TEST_F(DrawTest, BackgroundTilesCoverAThousandPixelPanelUprightFromBottomUpRows)
{
    // A 256 x 256 bitmap: white top half, blue bottom half, a red left edge.
    QImage bmp(256, 256, QImage::Format_RGB888);
    bmp.fill(Qt::white);
    for (int y = 128; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            bmp.setPixelColor(x, y, Blue);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 4; ++x)
            bmp.setPixelColor(x, y, Red);
    Board b;
    TTextureList list = NoArtwork();
    TTextureList made1;
    list[0].Id = int32_t(Keep(TexFromPicture(made1, b, TPicture::FromImage(bmp, TPicture::Bitmap), false, false,
                                             false, false, false)));
    ASSERT_EQ(b.BgTileW, 256);
    const QImage f = Render(b, list, 1000, 300);
    for (int c = 0; c < 4; ++c)
        EXPECT_COLOUR(f, c * 256 + 1, 60, Red) << "column " << c;
    EXPECT_COLOUR(f, 999, 60, QColor(Qt::white)); // the fourth column runs past the edge
    EXPECT_COLOUR(f, 600, 60, QColor(Qt::white)); // the bitmap's top is drawn at the top
    EXPECT_COLOUR(f, 600, 200, Blue);
    EXPECT_COLOUR(f, 600, 290, QColor(Qt::white)); // the second row of tiles begins at 256
}

TEST_F(DrawTest, ATinyBackgroundTileStillCoversThePanelUpright)
{
    // 2 x 2 pixels: red on top, blue below; rows go up bottom first.
    QImage bmp(2, 2, QImage::Format_RGB888);
    bmp.setPixelColor(0, 0, Red);
    bmp.setPixelColor(1, 0, Red);
    bmp.setPixelColor(0, 1, Blue);
    bmp.setPixelColor(1, 1, Blue);
    Board b;
    TTextureList list = NoArtwork();
    TTextureList made1;
    list[0].Id = int32_t(Keep(TexFromPicture(made1, b, TPicture::FromImage(bmp, TPicture::Bitmap), false, false,
                                             true, false, false)));
    ASSERT_EQ(b.BgTileW, 2);
    const QImage f = Render(b, list, 400, 300);
    for (QPoint p : {QPoint(0, 0), QPoint(399, 298), QPoint(200, 100)})
        EXPECT_COLOUR(f, p.x(), p.y(), Red);
    for (QPoint p : {QPoint(1, 1), QPoint(399, 299), QPoint(201, 101)})
        EXPECT_COLOUR(f, p.x(), p.y(), Blue);
}

TEST_F(DrawTest, AtlasPiecesAndTheTableAreDrawnThroughTheViewAndOverlaysOnTheWindow)
{
    // A 64-pixel piece (the big cuts' texture) with a transparent ring,
    // from a shared atlas; a green table of 400 x 300 board pixels.
    TPieceAtlas atlas;
    atlas.Reserve(3, 64);
    QImage piece(64, 64, QImage::Format_RGBA8888);
    piece.fill(Qt::transparent);
    for (int y = 2; y < 62; ++y)
        for (int x = 2; x < 62; ++x)
            piece.setPixelColor(x, y, Red);
    atlas.UploadRGBA(piece); // slot 1 stays unused by the board
    Board b;
    b.SizeIndex = FirstBigCut;
    AddPiece(b, 100, 100, atlas.UploadRGBA(piece));
    b.PiecesVisible = true;
    TTextureList list = NoArtwork();
    list[texCornerPlate].Id = int32_t(Solid(256, 64, Blue));
    TTextureList made1;
    QImage bg(8, 8, QImage::Format_RGB888);
    bg.fill(Green);
    list[0].Id = int32_t(Keep(TexFromPicture(made1, b, TPicture::FromImage(bg, TPicture::Bitmap), false, false, true,
                                             false, false)));
    struct TRow {
        TTableView view;
        QPoint piece, table, beyond;
    };
    // Half size from the table's corner; twice the size from board (100, 100).
    for (const TRow &r : {TRow{{0, 0, 0.5, 400, 300}, {66, 66}, {100, 20}, {300, 20}},
                          TRow{{100, 100, 2.0, 400, 300}, {64, 64}, {2, 2}, {-1, -1}}}) {
        ASSERT_TRUE(GLTestContext::Begin(400, 300));
        DrawFrame(b, list, 400, 300, QString(), r.view, atlas.Layout());
        const QImage f = GLTestContext::Frame();
        EXPECT_COLOUR(f, r.piece.x(), r.piece.y(), Red);
        EXPECT_COLOUR(f, r.table.x(), r.table.y(), Green);
        if (r.beyond.x() >= 0) {
            EXPECT_COLOUR(f, r.beyond.x(), r.beyond.y(), Clear); // past the table's edge
        }
        EXPECT_COLOUR(f, 399, 299, Blue); // the corner plate stays in the window's corner
    }
    atlas.Release();
}

TEST_F(DrawTest, TheCornerPlateSitsInTheBottomRightCorner)
{
    Board b;
    TTextureList list = NoArtwork();
    list[texCornerPlate].Id = int32_t(Solid(256, 64, Red));
    const QImage f = Render(b, list, 400, 300);
    EXPECT_COLOUR(f, 399, 299, Red);
    EXPECT_COLOUR(f, 144, 236, Red);
    EXPECT_COLOUR(f, 143, 299, Clear);
    EXPECT_COLOUR(f, 399, 235, Clear);
}

TEST_F(DrawTest, APieceTurnedOnceIsDrawnTurnedClockwise)
{
    QImage img(128, 128, QImage::Format_RGBA8888);
    img.fill(Green);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            img.setPixelColor(x, y, Red); // marks the top-left quarter
    Board b;
    Tpiece &p = AddPiece(b, 100, 50, Keep(ImageTexture(img)));
    b.PiecesVisible = true;
    p.Rotation = 1;
    const QImage f = Render(b, NoArtwork(), 400, 300);
    EXPECT_COLOUR(f, 100 + 96, 50 + 32, Red); // top-left went to top-right
    EXPECT_COLOUR(f, 100 + 32, 50 + 32, Green);
    EXPECT_COLOUR(f, 100 + 32, 50 + 96, Green);
}

TEST_F(DrawTest, TheTurningPieceAndItsGroupAreDrawnOnTop)
{
    Board b;
    b.PiecesVisible = true;
    AddPiece(b, 20, 20, Solid(128, 128, Red));     // 0: turning, at the bottom
    AddPiece(b, 20, 20, Solid(128, 128, Green));   // 1: above it in the stack
    AddPiece(b, 200, 20, Solid(128, 128, Blue));   // 2: in 0's group
    AddPiece(b, 200, 20, Solid(128, 128, Black));  // 3: above 2
    Join(b, {0, 2});
    b.DrawOrder = {0, 2, 1, 3};

    QImage f = Render(b, NoArtwork(), 400, 300);
    EXPECT_COLOUR(f, 60, 60, Green);
    EXPECT_COLOUR(f, 260, 60, Black);

    b.TurnPiece = 0; // piece 0 is a valid turning piece
    b.TurnAngle = 0;
    f = Render(b, NoArtwork(), 400, 300);
    EXPECT_COLOUR(f, 60, 60, Red);
    EXPECT_COLOUR(f, 260, 60, Blue);
}

TEST_F(DrawTest, ADraggedGroupIsOnTopWithItsShadowsOnlyWhenShadowsAreOn)
{
    Board b;
    b.PiecesVisible = true;
    const uint32_t shadow = Solid(128, 128, Black);
    AddPiece(b, 20, 20, Solid(128, 128, Red), shadow);    // 0: dragged
    AddPiece(b, 200, 20, Solid(128, 128, Red), shadow);   // 1: its group mate
    AddPiece(b, 20, 20, Solid(128, 128, Green), shadow);  // 2: on top in the stack
    Join(b, {0, 1});
    b.Dragging = true;
    b.DragGroup = true;
    b.DragPiece = 0;

    QImage f = Render(b, NoArtwork(), 400, 300);
    EXPECT_COLOUR(f, 60, 60, Red);
    // The shadows, 2 px right of and below the pieces' cells (inset 4, 120
    // wide; the transparent ring round a cell is not drawn).
    EXPECT_COLOUR(f, 20 + 125, 20 + 64, Black);  // piece 0's
    EXPECT_COLOUR(f, 200 + 125, 20 + 64, Black); // piece 1's
    EXPECT_COLOUR(f, 200 + 64, 20 + 125, Black); // and below it

    f = Render(b, NoArtwork(), 400, 300, QString(), false);
    EXPECT_COLOUR(f, 60, 60, Green);
    EXPECT_COLOUR(f, 200 + 129, 20 + 64, Clear);
}

TEST_F(DrawTest, TheProgressFillIsAsWideAsCutProgress)
{
    Board b;
    b.Cutting = true;
    TTextureList list = NoArtwork();
    list[texCuttingLabel].Id = int32_t(Solid(128, 32, Blue));
    list[texProgressFill].Id = int32_t(Solid(64, 16, Red));
    b.CutProgress = 0;
    QImage f = Render(b, list, 400, 300);
    EXPECT_COLOUR(f, 200, 160, Blue); // the label from (136, 150) to (264, 182)
    EXPECT_COLOUR(f, 72, 205, Clear); // no fill at all
    EXPECT_COLOUR(f, 73, 205, Clear);

    b.CutProgress = 100;
    f = Render(b, list, 400, 300);
    EXPECT_COLOUR(f, 72, 205, Red);
    EXPECT_COLOUR(f, 171, 205, Red);
    EXPECT_COLOUR(f, 172, 205, Clear);
    EXPECT_COLOUR(f, 120, 214, Clear); // 16 px high: 198..213
}

TEST_F(DrawTest, FinishTimeGlyphsFollowAtTwentyPixelsAndUnknownCharactersLeaveTheirSlotEmpty)
{
    Board b;
    b.ShowFinished = true;
    TTextureList list = NoArtwork();
    list[texTimePanel].Id = int32_t(Solid(256, 64, Blue));
    for (int d = 0; d <= 9; ++d)
        list[size_t(texDigit0 + d)].Id = int32_t(Solid(32, 32, QColor(20 * d, 200, 50)));
    list[texColon].Id = int32_t(Solid(32, 32, QColor(Qt::white)));
    const int W = 400, H = 300, x0 = W / 2 - 83, y = H - 70 + 16;
    const QImage f = Render(b, list, W, H, QStringLiteral("1 2:3"));
    EXPECT_COLOUR(f, W / 2, H - 110, Blue);
    EXPECT_COLOUR(f, W / 2, H - 75, Clear); // the panel ends 6 px above the glyphs
    EXPECT_COLOUR(f, x0 + 14, y, QColor(20, 200, 50));
    EXPECT_COLOUR(f, x0 + 20 + 14, y, Clear); // the blank
    EXPECT_COLOUR(f, x0 + 40 + 14, y, QColor(40, 200, 50));
    EXPECT_COLOUR(f, x0 + 60 + 14, y, QColor(Qt::white));
    EXPECT_COLOUR(f, x0 + 80 + 14, y, QColor(60, 200, 50));
}

// The picture of a solved 17 x 11 game, cut the way the pieces are cut, and
// the finished picture made from the same pixels.
class SolvedPicture : public DrawTest {
protected:
    static QColor Pic(int x, int y) { return QColor(x * 255 / 594, y * 255 / 384, (x * 7 + y * 13) % 256); }

    void Build(Board &b, int x0, int y0, int rotation)
    {
        b.SizeIndex = 2;
        const TCutInfo &cut = b.Cut();
        const int pitch = Pitch(cut), off = TexInset(cut) + cut.Margin;
        for (int i = 0; i < PieceCount(cut); ++i) {
            const int row = i / cut.Cols, col = i % cut.Cols;
            QImage img(cut.TexSize, cut.TexSize, QImage::Format_RGBA8888);
            img.fill(Qt::transparent);
            for (int ty = off; ty < off + pitch; ++ty)
                for (int tx = off; tx < off + pitch; ++tx)
                    img.setPixelColor(tx, ty, Pic(col * pitch + tx - off, row * pitch + ty - off));
            // Solved: piece i lies at its home offset from piece 0, turned
            // with the whole picture about piece 0's centre.
            const int dx = rotation ? -row * pitch : col * pitch;
            const int dy = rotation ? col * pitch : row * pitch;
            AddPiece(b, x0 + dx, y0 + dy, Keep(ImageTexture(img))).Rotation = uint8_t(rotation);
        }
        QImage fin(1024, 512, QImage::Format_RGBA8888);
        fin.fill(Qt::transparent);
        for (int y = 0; y < PictureHeight(cut); ++y)
            for (int x = 0; x < PictureWidth(cut); ++x)
                fin.setPixelColor(5 + x, 5 + y, Pic(x, y));
        b.FinishedTex = int32_t(Keep(ImageTexture(fin)));
    }

    // Every 7th picture pixel, where rotation puts it on the screen.
    void ExpectPicture(const QImage &f, int x0, int y0, int rotation)
    {
        const int cx = x0 + 32, cy = y0 + 32;
        int wrong = 0;
        for (int py = 0; py < 385; py += 7)
            for (int px = 0; px < 595; px += 7) {
                const QPoint at = rotation ? QPoint(cx - py + 16, cy + px - 17) : QPoint(x0 + 15 + px, y0 + 15 + py);
                if (!Near(f.pixelColor(at), Pic(px, py), 2) && ++wrong < 5)
                    ADD_FAILURE() << "picture pixel " << px << "," << py << " drawn as "
                                  << qPrintable(f.pixelColor(at).name()) << ", wanted "
                                  << qPrintable(Pic(px, py).name());
            }
        EXPECT_EQ(wrong, 0);
    }

    void Check(int x0, int y0, int rotation)
    {
        Board b;
        Build(b, x0, y0, rotation);
        b.PiecesVisible = true;
        ExpectPicture(Render(b, NoArtwork(), 700, 700), x0, y0, rotation);
        b.PiecesVisible = false;
        b.ShowFinished = true;
        ExpectPicture(Render(b, NoArtwork(), 700, 700), x0, y0, rotation);
        GLfloat m[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, m);
        for (int i = 0; i < 16; ++i)
            EXPECT_FLOAT_EQ(m[i], (i % 5 == 0) ? 1.0f : 0.0f) << "model-view left changed";
    }
};

TEST_F(SolvedPicture, TheFinishedPictureLiesExactlyUnderTheSolvedPieces) { Check(40, 30, 0); }

TEST_F(SolvedPicture, TurnedAQuarterTheFinishedPictureTurnsAboutPieceZero) { Check(400, 20, 1); }

TEST_F(DrawTest, OnADoubleDensityScreenBoardPixelsAreTwoDevicePixels)
{
    Board b;
    b.PiecesVisible = true;
    AddPiece(b, 10, 20, Solid(128, 128, Red));
    ASSERT_TRUE(GLTestContext::Begin(800, 600));
    SetupProjection(400, 300, 800, 600); // logical 400 x 300 on 800 x 600 device pixels
    DrawFrame(b, NoArtwork(), 400, 300, QString());
    const QImage f = GLTestContext::Frame();
    // The piece's cell, 4 px in and 120 wide, on twice as many device pixels.
    EXPECT_COLOUR(f, 28, 48, Red);
    EXPECT_COLOUR(f, 27, 48, Clear);
    EXPECT_COLOUR(f, 28 + 239, 48 + 239, Red);
    EXPECT_COLOUR(f, 28 + 240, 48, Clear);
}
