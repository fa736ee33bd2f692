// The cached table: a motion frame drawn from it is the very frame a whole
// redraw gives, pixel for pixel, through every way the cache can be kept
// and every fallback to whole redraws.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <algorithm>
#include <random>

#include "GLTestContext.h"
#include "gl/PieceAtlas.h"
#include "gl/TableFrames.h"
#include "gl/Textures.h"

namespace {

// A big cut's table: a patterned background of odd tiles, the corner
// plate, 60 pieces over faint shadows, a group of four dragged over its
// strong shadows.
struct TScene {
    Board b;
    TTextureList list;
    TPieceAtlas atlas;

    TScene(int W, int H, int pageCap)
    {
        b.SizeIndex = FirstBigCut;
        const int side = b.Cut().TexSize;
        QImage bg(13, 11, QImage::Format_RGB888);
        for (int y = 0; y < bg.height(); ++y)
            for (int x = 0; x < bg.width(); ++x)
                bg.setPixelColor(x, y, QColor(x * 19, y * 23, 90));
        list.resize(16);
        list[texBackground].Id = int32_t(TexFromPicture(list, b, TPicture::FromImage(bg, TPicture::Bitmap), false,
                                                        false, false, false, false));
        QImage plate(64, 16, QImage::Format_RGBA8888);
        for (int y = 0; y < plate.height(); ++y)
            for (int x = 0; x < plate.width(); ++x)
                plate.setPixelColor(x, y, QColor(x * 4, 250 - y * 9, 30, 120 + x));
        list[texCornerPlate].Id = int32_t(TexFromPNG(list, plate, false, false));
        atlas.CapPageSize(pageCap);
        const int n = 60;
        atlas.Reserve(2 * n, side);
        std::mt19937 rng(5);
        b.Groups.emplace_back();
        for (int i = 0; i < n; ++i) {
            QImage img(side, side, QImage::Format_RGBA8888);
            img.fill(Qt::transparent);
            QImage shadow = img;
            for (int y = 8; y < side - 8; ++y)
                for (int x = 8; x < side - 8; ++x) {
                    img.setPixelColor(x, y, QColor(40 + 3 * i, 200 - 2 * i, (x * 7) % 256, 255 - (y % 3) * 60));
                    shadow.setPixelColor(x, y, QColor(0, 0, 0, 140));
                }
            Tpiece &p = b.Pieces.Add();
            p.ImgTex = atlas.UploadRGBA(img);
            p.ShdTex = atlas.UploadRGBA(shadow);
            p.Rotation = uint8_t(i % 4);
            p.X = int(rng() % unsigned(W - side));
            p.Y = int(rng() % unsigned(H - side));
            p.Group = -1;
            if (i < 4) {
                p.Group = 0;
                b.Groups[0].push_back(i);
            }
            b.DrawOrder.push_back(i);
        }
        // Picked up: the group on top of the stacking order.
        std::rotate(b.DrawOrder.begin(), b.DrawOrder.begin() + 4, b.DrawOrder.end());
        b.PiecesVisible = true;
        b.Dragging = true;
        b.DragGroup = true;
        b.DragPiece = 0;
    }
    ~TScene()
    {
        atlas.Release();
        ClearTextures(list);
    }
    void MoveGroup(int dx, int dy)
    {
        for (int m : b.Groups[0]) {
            b.Pieces[m].X += dx;
            b.Pieces[m].Y += dy;
        }
    }
};

} // namespace

TEST(TableFrames, MotionDropPanAndJoinFramesAreTheWholeRedrawPixelForPixelAndEachFallbackDrawsWhole)
{
    struct TRow {
        const char *name;
        TCacheLimits limits;
        int W, H, pageCap;
        bool windowKeeps;
        TCacheMode mode;
        TFrameKind motion;
        double zoom;
        TFrameKind pan;
    };
    const TFrameKind Whole = TFrameKind::Whole, Motion = TFrameKind::Motion, Panned = TFrameKind::Panned;
    const TRow rows[] = {
        {"framebuffers", {}, 400, 300, 0, false, TCacheMode::Framebuffer, Motion, 1, Panned},
        {"a window that keeps its frame", {}, 400, 300, 0, true, TCacheMode::Framebuffer, Motion, 1, Panned},
        {"framebuffers without blits", {true, 0, false, false}, 400, 300, 0, false, TCacheMode::Framebuffer, Motion,
         1, Panned},
        {"a window that keeps, without blits", {true, 0, false, false}, 400, 300, 0, true, TCacheMode::Framebuffer,
         Motion, 1, Panned},
        {"no framebuffers", {false, 0, false}, 400, 300, 0, false, TCacheMode::BackBufferCopy, Motion, 1, Whole},
        {"no framebuffers, a window that keeps", {false, 0, false}, 400, 300, 0, true, TCacheMode::BackBufferCopy,
         Motion, 1, Panned},
        {"a 1024-texel card", {true, 1024, false}, 1100, 200, 0, false, TCacheMode::None, Whole, 1, Whole},
        {"no room for the cache", {true, 0, true}, 400, 300, 0, false, TCacheMode::None, Whole, 1, Whole},
        {"atlas pages of 256", {}, 400, 300, 256, false, TCacheMode::Framebuffer, Motion, 1, Panned},
        {"at half size", {}, 400, 300, 0, false, TCacheMode::Framebuffer, Motion, 0.5, Whole},
    };
    for (const TRow &r : rows) {
        SCOPED_TRACE(r.name);
        if (!GLTestContext::Begin(r.W, r.H))
            GTEST_SKIP() << "no OpenGL context";
        GLint window = 0;
        glGetIntegerv(GL_FRAMEBUFFER_BINDING, &window);
        TScene sc(r.W, r.H, r.pageCap);
        if (r.pageCap > 0) {
            ASSERT_GT(sc.atlas.Layout().PageCount, 1);
        }
        TTableFrames frames;
        frames.SetLimits(r.limits);
        frames.SetWindowKeeps(r.windowKeeps);
        TTableView view;
        view.Zoom = r.zoom;
        const TFrameScene scene{sc.b, sc.list, r.W, r.H, r.W, r.H, QString(), view, sc.atlas.Layout()};
        // The full redraw, through the view the frames draw with.
        const auto Whole = [&](const TTableView &v) {
            const TFrameScene at{sc.b, sc.list, r.W, r.H, r.W, r.H, QString(), v, sc.atlas.Layout()};
            DrawFrame(sc.b, sc.list, r.W, r.H, QString(), frames.ViewFor(at), sc.atlas.Layout());
        };

        const TFrameKind first = frames.Paint(scene, uint32_t(window));
        EXPECT_EQ(frames.Mode(), r.mode);
        EXPECT_EQ(first, r.mode == TCacheMode::None ? TFrameKind::Whole : TFrameKind::CacheDrawn);
        sc.MoveGroup(37, 23);
        EXPECT_EQ(frames.Paint(scene, uint32_t(window)), r.motion);
        const QImage motion = GLTestContext::Frame();
        if (r.mode == TCacheMode::Framebuffer || r.windowKeeps) {
            EXPECT_EQ(frames.Paint(scene, uint32_t(window)), TFrameKind::Shown);
        }

        Whole(view);
        EXPECT_TRUE(motion == GLTestContext::Frame());

        sc.b.Dragging = false; // dropped, a little off where it was last drawn
        sc.MoveGroup(-3, 2);
        EXPECT_EQ(frames.Paint(scene, uint32_t(window)),
                  r.mode == TCacheMode::None ? TFrameKind::Whole : TFrameKind::Settled);
        const QImage dropped = GLTestContext::Frame();
        Whole(view);
        EXPECT_TRUE(dropped == GLTestContext::Frame());

        // Panned by whole window pixels one way, then the other.
        for (const QPoint by : {QPoint(-9, 6), QPoint(31, -17)}) {
            view.Left -= by.x() / r.zoom;
            view.Top -= by.y() / r.zoom;
            const TFrameScene moved{sc.b, sc.list, r.W, r.H, r.W, r.H, QString(), view, sc.atlas.Layout()};
            EXPECT_EQ(frames.Paint(moved, uint32_t(window)), r.pan);
            const QImage panned = GLTestContext::Frame();
            Whole(view);
            EXPECT_TRUE(panned == GLTestContext::Frame());
        }

        // Picked up again, the table scrolling under it.
        sc.b.Dragging = true;
        const TFrameScene held{sc.b, sc.list, r.W, r.H, r.W, r.H, QString(), view, sc.atlas.Layout()};
        frames.Paint(held, uint32_t(window)); // the cached table drawn, or moved where it outlived the pan
        view.Left += 14 / r.zoom;
        view.Top -= 9 / r.zoom;
        sc.MoveGroup(14, -9);
        const TFrameScene scrolled{sc.b, sc.list, r.W, r.H, r.W, r.H, QString(), view, sc.atlas.Layout()};
        EXPECT_EQ(frames.Paint(scrolled, uint32_t(window)), r.mode != TCacheMode::None && r.zoom == 1 ? TFrameKind::CacheMoved : first);
        const QImage underDrag = GLTestContext::Frame();
        Whole(view);
        EXPECT_TRUE(underDrag == GLTestContext::Frame());
        sc.MoveGroup(-6, 4); // and the next motion frame over the moved cache
        EXPECT_EQ(frames.Paint(scrolled, uint32_t(window)), r.motion);
        const QImage after = GLTestContext::Frame();
        Whole(view);
        EXPECT_TRUE(after == GLTestContext::Frame());

        // Dropped, then a join: a resting piece raised over the rest and
        // snapped a little, another sent off the table.
        sc.b.Dragging = false;
        frames.Paint(scrolled, uint32_t(window));
        BringToTop(sc.b, 30);
        sc.b.Pieces[30].X += 5;
        sc.b.Trays[0].Pieces.push_back(41);
        const bool kept = r.mode == TCacheMode::Framebuffer || (r.mode == TCacheMode::BackBufferCopy && r.windowKeeps);
        EXPECT_EQ(frames.Paint(scrolled, uint32_t(window)), kept ? TFrameKind::Repainted : TFrameKind::Whole);
        const QImage joined = GLTestContext::Frame();
        Whole(view);
        EXPECT_TRUE(joined == GLTestContext::Frame());
        frames.Release();
    }
}
