// The table at a device pixel ratio of 2 (the binary runs with
// QT_SCALE_FACTOR=2): board coordinates stay logical pixels, so a piece is
// drawn where the board says and a press on it picks it, and the cutting
// plate sits at the table's centre as at 1x, also in a frame drawn before
// the resize timer's projection rebuild.
#include <gtest/gtest.h>

#include "MainWindowTest.h"
#include "board/TextureList.h"
#include "gl/Draw.h"

namespace {

class HighDensity : public MainWindowTest {
protected:
    void SetUp() override { OpenTable(); }
};

} // namespace

TEST_F(HighDensity, PiecesAndPlatesSitWhereTheBoardSaysAndAPressPicksThePiece)
{
    if (win->DrawPanel()->devicePixelRatioF() != 2)
        GTEST_SKIP() << "device pixel ratio " << win->DrawPanel()->devicePixelRatioF();
    QTest::qWait(250); // the start-up projection rebuild is over
    Board &b = win->board;
    win->TextureList[texBackground].Id = -1; // the bare table's colour all over
    win->TextureList[texCornerPlate].Id = -1;
    const int W = win->DrawPanel()->width(), H = win->DrawPanel()->height();

    b.Cutting = true;
    win->DrawPanel()->makeCurrent();
    SetupProjection(W / 2, H / 3, W, H); // left over from another size
    win->Draw();
    const QImage plate = win->DrawPanel()->grabFramebuffer();
    ASSERT_EQ(plate.size(), QSize(2 * W, 2 * H));
    const QColor table = plate.pixelColor(0, 0);
    QRect drawn;
    for (int y = 0; y < plate.height(); ++y)
        for (int x = 0; x < plate.width(); ++x)
            if (plate.pixelColor(x, y) != table)
                drawn |= QRect(x, y, 1, 1);
    EXPECT_NEAR(drawn.center().x(), W, 2); // centred across the table
    EXPECT_GE(drawn.top(), H);              // below its middle, on it
    EXPECT_LT(drawn.bottom(), 2 * H);
    b.Cutting = false;

    const int tex = b.Cut().TexSize;
    win->DrawPanel()->makeCurrent();
    QImage red(tex, tex, QImage::Format_RGBA8888);
    red.fill(Qt::red);
    Tpiece &p = b.Pieces.Add();
    p.ImgTex = win->GL().UploadRGBA(red);
    p.X = 40;
    p.Y = 30;
    p.Group = -1;
    b.DrawOrder.push_back(0);
    b.PiecesVisible = true;
    win->Draw();
    const QImage frame = win->DrawPanel()->grabFramebuffer();
    const QPoint inside(p.X + tex / 2, p.Y + tex / 2);
    // The piece's cell square, where a piece's pixels can be, is drawn.
    const QPoint cell0(p.X + TexInset(b.Cut()), p.Y + TexInset(b.Cut()));
    const QPoint cell1 = cell0 + QPoint(b.Cut().CellSize, b.Cut().CellSize);
    EXPECT_EQ(frame.pixelColor(2 * cell0), QColor(Qt::red));
    EXPECT_EQ(frame.pixelColor(2 * cell1 - QPoint(1, 1)), QColor(Qt::red));
    EXPECT_EQ(frame.pixelColor(2 * cell0 - QPoint(1, 1)), table);
    EXPECT_EQ(frame.pixelColor(2 * QPoint(cell1.x(), inside.y())), table);

    QTest::mousePress(win->DrawPanel(), Qt::LeftButton, {}, inside);
    EXPECT_TRUE(b.Dragging);
    EXPECT_EQ(b.DragPiece, 0);
    QTest::mouseRelease(win->DrawPanel(), Qt::LeftButton, {}, inside);
}
