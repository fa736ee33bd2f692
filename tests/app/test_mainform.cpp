// The main window's start on a real table: the textures made in their
// roles, one projection rebuild per burst of resizes, Draw painting the
// board at once, and closing letting every texture go.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "GLTestContext.h"
#include "app/DrawPanel.h"
#include "app/MainForm.h"
#include "base/ProgramFiles.h"
#include "board/gl/GLTextures.h"
#include "board/gl/PieceAtlas.h"

// The artwork resources live in the program's library.
static void InitArtwork() { Q_INIT_RESOURCE(jigsy_art); }

namespace {

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitArtwork();
        ASSERT_TRUE(dir.isValid());
        SetProgramDir(dir.path()); // no settings, backgrounds or music
        form = std::make_unique<TMainForm>();
        form->resize(640, 480);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QTest::qWaitFor([&] { return form->TableGLReady; }, 3000);
        if (!form->TableGLReady)
            GTEST_SKIP() << "no OpenGL table";
    }
    void TearDown() override { form.reset(); }

    QTemporaryDir dir;
    std::unique_ptr<TMainForm> form;
};

} // namespace

TEST_F(MainFormTest, StartsWithTheBackgroundSlotAndEveryOverlayTexture)
{
    EXPECT_TRUE(form->Missing.isEmpty()) << qPrintable(form->Missing.join(", "));
    ASSERT_EQ(form->TextureList.size(), size_t(OverlayCount + 1));
    form->DrawPanel->makeCurrent();
    for (size_t i = 1; i <= size_t(OverlayCount); ++i)
        EXPECT_TRUE(glIsTexture(GLuint(form->TextureList[i].Id))) << "entry " << i;
    EXPECT_EQ(form->board.FinishedTex, -1);
    EXPECT_EQ(form->board.TurnPiece, -1);
    EXPECT_EQ(form->board.SizeIndex, 1);
    EXPECT_EQ(form->ReSizeTimer.interval(), 100);
    EXPECT_TRUE(form->ReSizeTimer.isSingleShot());
    EXPECT_EQ(form->AniTimer.interval(), 50);
    EXPECT_TRUE(form->PlayerTimer.isActive());
}

TEST_F(MainFormTest, ABurstOfResizesRebuildsTheProjectionOnceAfterItsFirstEvent)
{
    QTest::qWait(250); // the start-up rebuild is over
    QSignalSpy fired(&form->ReSizeTimer, &QTimer::timeout);
    form->resize(700, 500);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->ReSizeTimer.isActive(); }, 1000));
    QTest::qWait(50);
    form->resize(700, 300); // the bottom edge alone changes the table too
    QTest::qWait(10);
    // The running timer is not restarted: the rebuild stays due 100 ms
    // after the first event of the burst.
    EXPECT_LT(form->ReSizeTimer.remainingTime(), 80);
    QTest::qWait(250);
    EXPECT_EQ(fired.count(), 1);
}

TEST_F(MainFormTest, ShrinkingAndGrowingTheTableMovesNoPiece)
{
    QTest::qWait(250);
    Tpiece &p = form->board.Pieces.Add();
    p.X = 500; // wholly off the shrunken table below
    p.Y = 350;
    p.Group = -1;
    form->board.DrawOrder << QStringLiteral("0");
    for (QSize size : {QSize(300, 200), QSize(640, 480)}) {
        QSignalSpy rebuilt(&form->ReSizeTimer, &QTimer::timeout);
        form->resize(size);
        ASSERT_TRUE(rebuilt.wait(1000));
        EXPECT_EQ(p.X, 500);
        EXPECT_EQ(p.Y, 350);
    }
}

TEST_F(MainFormTest, DrawShowsTheBoardAtOnceAndClosingDeletesEveryTexture)
{
    QTest::qWait(250);
    form->DrawPanel->makeCurrent();
    QImage img(128, 128, QImage::Format_RGBA8888);
    img.fill(QColor(255, 0, 0));
    Tpiece &p = form->board.Pieces.Add();
    form->Atlas->Reserve(2, 128);
    p.ImgTex = form->Atlas->UploadRGBA(img);
    ASSERT_NE(p.ImgTex, 0u);
    p.X = 10;
    p.Y = 10;
    p.Group = -1;
    form->board.DrawOrder << QStringLiteral("0");
    form->board.PiecesVisible = true;
    form->TextureList[0].Id = -1; // no background: the clear colour
    form->Draw();
    const QImage frame = form->DrawPanel->grabFramebuffer();
    EXPECT_EQ(frame.pixelColor(60, 60), QColor(255, 0, 0));
    EXPECT_TRUE(Near(frame.pixelColor(300, 200), QColor(77, 102, 153)));

    std::vector<GLuint> names;
    for (const TTexture &t : form->TextureList)
        if (t.Id > 0)
            names.push_back(GLuint(t.Id));
    names.push_back(form->Atlas->Layout().Texture);
    form->close();
    EXPECT_TRUE(form->TextureList.empty());
    EXPECT_EQ(form->board.Pieces.Count(), 0);
    form->DrawPanel->makeCurrent();
    for (GLuint n : names)
        EXPECT_FALSE(glIsTexture(n)) << "texture " << n;
}
