// The main window's start on a real table: the textures made in their
// roles, one projection rebuild per burst of resizes, Draw painting the
// board at once, and closing letting every texture go.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <QSignalSpy>

#include "GLTestContext.h"
#include "MainWindowTest.h"
#include "gl/PieceAtlas.h"

namespace {

class MainFormTest : public MainWindowTest {
protected:
    void SetUp() override { OpenTable(); }
};

} // namespace

TEST_F(MainFormTest, StartsWithTheBackgroundSlotAndEveryOverlayTexture)
{
    EXPECT_TRUE(win->Missing.isEmpty()) << qPrintable(win->Missing.join(", "));
    ASSERT_EQ(win->TextureList.size(), size_t(OverlayCount + 1));
    win->DrawPanel()->makeCurrent();
    for (size_t i = 1; i <= size_t(OverlayCount); ++i)
        EXPECT_TRUE(glIsTexture(GLuint(win->TextureList[i].Id))) << "entry " << i;
    EXPECT_EQ(win->board.FinishedTex, -1);
    EXPECT_EQ(win->board.TurnPiece, -1);
    EXPECT_EQ(win->board.SizeIndex, 1);
    EXPECT_EQ(win->ReSizeTimer.interval(), 100);
    EXPECT_TRUE(win->ReSizeTimer.isSingleShot());
    EXPECT_EQ(win->AniTimer.interval(), 50);
    EXPECT_TRUE(win->PlayerTimer.isActive());
}

TEST_F(MainFormTest, ABurstOfResizesRebuildsTheProjectionOnceAfterItsFirstEvent)
{
    QTest::qWait(250); // the start-up rebuild is over
    QSignalSpy fired(&win->ReSizeTimer, &QTimer::timeout);
    form->resize(700, 500);
    ASSERT_TRUE(QTest::qWaitFor([&] { return win->ReSizeTimer.isActive(); }, 1000));
    // Well into the burst, yet early enough to stay in it on a busy machine.
    ASSERT_TRUE(QTest::qWaitFor([&] { return win->ReSizeTimer.remainingTime() <= 60; }, 1000));
    form->resize(700, 300); // the bottom edge alone changes the table too
    QTest::qWait(10);
    // The running timer is not restarted: the rebuild stays due 100 ms
    // after the first event of the burst.
    EXPECT_LT(win->ReSizeTimer.remainingTime(), 80);
    QTest::qWait(250);
    EXPECT_EQ(fired.count(), 1);
}

TEST_F(MainFormTest, ShrinkingAndGrowingTheTableMovesNoPiece)
{
    QTest::qWait(250);
    Tpiece &p = win->board.Pieces.Add();
    p.X = 500; // wholly off the shrunken table below
    p.Y = 350;
    p.Group = -1;
    win->board.DrawOrder.push_back(0);
    for (QSize size : {QSize(300, 200), QSize(640, 480)}) {
        QSignalSpy rebuilt(&win->ReSizeTimer, &QTimer::timeout);
        form->resize(size);
        ASSERT_TRUE(rebuilt.wait(1000));
        EXPECT_EQ(p.X, 500);
        EXPECT_EQ(p.Y, 350);
    }
}

TEST_F(MainFormTest, MovesAskForOneFrameAtTheNextRefreshAndTheClockForNone)
{
    QTest::qWait(250);
    QSignalSpy painted(win->DrawPanel(), &TDrawPanel::Painted);
    game::TAnswer moved;
    moved.Redraw = true;
    for (int k = 0; k < 3; ++k)
        win->Act(moved); // never a frame inside the move itself
    EXPECT_EQ(painted.count(), 0);
    ASSERT_TRUE(painted.wait(1000));
    QTest::qWait(100);
    EXPECT_EQ(painted.count(), 1); // the latest state, once

    game::TAnswer ticked;
    ticked.Clock = true;
    win->Act(ticked);
    QTest::qWait(200);
    EXPECT_EQ(painted.count(), 1);
}

TEST_F(MainFormTest, DrawShowsTheBoardAtOnceAndClosingDeletesEveryTexture)
{
    QTest::qWait(250);
    win->DrawPanel()->makeCurrent();
    QImage img(128, 128, QImage::Format_RGBA8888);
    img.fill(QColor(255, 0, 0));
    Tpiece &p = win->board.Pieces.Add();
    win->Atlas().Reserve(2, 128);
    p.ImgTex = win->Atlas().UploadRGBA(img);
    ASSERT_NE(p.ImgTex, 0u);
    p.X = 10;
    p.Y = 10;
    p.Group = -1;
    win->board.DrawOrder.push_back(0);
    win->board.PiecesVisible = true;
    win->TextureList[0].Id = -1; // no background: the clear colour
    win->Draw();
    const QImage frame = win->DrawPanel()->grabFramebuffer();
    EXPECT_EQ(frame.pixelColor(60, 60), QColor(255, 0, 0));
    EXPECT_TRUE(Near(frame.pixelColor(300, 200), QColor(77, 102, 153)));

    std::vector<GLuint> names;
    for (const TTexture &t : win->TextureList)
        if (t.Id > 0)
            names.push_back(GLuint(t.Id));
    for (const uint32_t page : win->Atlas().Layout().Pages)
        names.push_back(page);
    form->close();
    EXPECT_TRUE(win->TextureList.empty());
    EXPECT_EQ(win->board.Pieces.Count(), 0);
    win->DrawPanel()->makeCurrent();
    for (GLuint n : names)
        EXPECT_FALSE(glIsTexture(n)) << "texture " << n;
}
