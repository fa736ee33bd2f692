#include <QTransform>
#include <cmath>
#include <gtest/gtest.h>

#include "PlayTestBoard.h"
#include "play/Drag.h"
#include "play/HitTest.h"

using namespace play;

TEST(HitTest, LeftAndTopEdgesHitRightAndBottomMissWhateverTheTurn)
{
    for (int cut = 1; cut <= CutCount; ++cut) {
        Board b = MakeBoard(cut);
        const TCutInfo &c = b.Cut();
        for (int rot = 0; rot < 4; ++rot) {
            Tpiece &p = b.Pieces[3];
            p.X = 100;
            p.Y = 200;
            p.Rotation = uint8_t(rot);
            SCOPED_TRACE(testing::Message() << "cut " << cut << " rotation " << rot);
            EXPECT_EQ(PieceAt(b, 100 + c.Margin, 200 + c.Margin), 3);
            EXPECT_EQ(PieceAt(b, 100 + c.CellSize - 1, 200 + c.CellSize - 1), 3);
            EXPECT_EQ(PieceAt(b, 100 + c.CellSize, 250), -1);
            EXPECT_EQ(PieceAt(b, 150, 200 + c.CellSize), -1);
            EXPECT_EQ(PieceAt(b, 100 + c.Margin - 1, 250), -1);
            EXPECT_EQ(PieceAt(b, 150, 200 + c.Margin - 1), -1);
        }
    }
}

TEST(HitTest, ThePieceIsGrabbedByItsDrawnShapeThroughItsTurn)
{
    Board b = MakeBoard(2);
    const TCutInfo &c = b.Cut();
    const int inset = TexInset(c), body = c.Margin - inset; // the tile's body starts here
    b.Shapes = TShapeBits(c.Cols * c.CellSize, c.Rows * c.CellSize);
    // Piece 3: the body with its top-left corner cut away, and a tab on
    // the left, outside the hit square.  Piece 5 under it: the body whole.
    const auto fill = [&](int piece, int x0, int y0, int x1, int y1) {
        const Tpiece &p = b.Pieces[piece];
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (!(piece == 3 && x < body + 6 && y < body + 6))
                    b.Shapes.Set(p.Col * c.CellSize + x, p.Row * c.CellSize + y);
    };
    fill(3, body, body, c.CellSize, c.CellSize);
    fill(3, 0, 25, body, 35);
    fill(5, body, body, c.CellSize, c.CellSize);
    for (int i : {3, 5}) {
        b.Pieces[i].X = 300;
        b.Pieces[i].Y = 200;
    }
    BringToTop(b, 3);
    const QPointF centre(300 + HalfTex(c), 200 + HalfTex(c));
    for (int rot = 0; rot < 4; ++rot) {
        b.Pieces[3].Rotation = b.Pieces[5].Rotation = uint8_t(rot);
        // Where a texel of the unturned piece is drawn once it is turned.
        const auto drawn = [&](int tx, int ty) {
            const QPointF at = QTransform()
                                   .translate(centre.x(), centre.y())
                                   .rotate(90.0 * rot)
                                   .translate(-centre.x(), -centre.y())
                                   .map(QPointF(300 + inset + tx + 0.5, 200 + inset + ty + 0.5));
            return QPoint(int(std::floor(at.x())), int(std::floor(at.y())));
        };
        SCOPED_TRACE(testing::Message() << "rotation " << rot);
        const QPoint tab = drawn(2, 30), corner = drawn(body + 1, body + 1), off = drawn(2, 10);
        EXPECT_EQ(PieceAt(b, tab.x(), tab.y()), 3);
        EXPECT_EQ(PieceAt(b, corner.x(), corner.y()), 5); // through the cut-away corner
        EXPECT_EQ(PieceAt(b, off.x(), off.y()), -1);
    }
}

TEST(HitTest, TopmostInDrawOrderWins)
{
    Board b = MakeBoard(1);
    b.Pieces[0].X = b.Pieces[0].Y = 100;
    b.Pieces[7].X = b.Pieces[7].Y = 130;
    EXPECT_EQ(PieceAt(b, 150, 150), 7); // 7 lies later in DrawOrder
    BringToTop(b, 0);
    EXPECT_EQ(PieceAt(b, 150, 150), 0);
}

TEST(Press, SinglePieceDragFollowsCursorAndEndsOnTop)
{
    Board b = MakeBoard(1);
    b.Pieces[0].X = 100;
    b.Pieces[0].Y = 100;
    TPlayResult r = Press(b, TMouseBtn::Left, 150, 160);
    EXPECT_TRUE(r.Redraw);
    EXPECT_TRUE(b.Dragging);
    EXPECT_FALSE(b.DragGroup);
    EXPECT_EQ(b.DragPiece, 0);
    EXPECT_EQ(b.DragOffsetX, 50);
    EXPECT_EQ(b.DragOffsetY, 60);
    EXPECT_EQ(b.DrawOrder.back(), 0);

    // Beyond the table's edge, with some of the hit square still on it.
    EXPECT_TRUE(DragTo(b, -50, 700).Redraw);
    EXPECT_EQ(b.Pieces[0].X, -100);
    EXPECT_EQ(b.Pieces[0].Y, 640);

    r = Drop(b, 800, 800);
    EXPECT_TRUE(r.Redraw);
    EXPECT_FALSE(b.Dragging);
    EXPECT_FALSE(DragTo(b, 0, 0).Redraw); // motion without a drag costs nothing
    EXPECT_EQ(b.Pieces[0].X, -100);
    EXPECT_EQ(b.Pieces[0].Y, 640);
    EXPECT_FALSE(Drop(b, kBigTable, kBigTable).Redraw);
}

TEST(Press, MiddleButtonDragsToo)
{
    Board b = MakeBoard(2);
    b.Pieces[5].X = b.Pieces[5].Y = 0;
    Press(b, TMouseBtn::Middle, 20, 20);
    EXPECT_TRUE(b.Dragging);
    EXPECT_EQ(b.DragPiece, 5);
}

TEST(Press, GroupDragKeepsShapeAndStacksMembersInMemberOrder)
{
    Board b = MakeBoard(1);
    b.Pieces[9].X = 300; b.Pieces[9].Y = 300;
    b.Pieces[1].X = 300; b.Pieces[1].Y = 220;
    b.Pieces[2].X = 380; b.Pieces[2].Y = 220;
    MakeGroup(b, {2, 9, 1});
    Press(b, TMouseBtn::Left, 330, 340); // on piece 9
    EXPECT_TRUE(b.DragGroup);
    EXPECT_EQ(b.DragPiece, 9);
    EXPECT_EQ(TopOfStack(b, 3), (std::vector<int>{2, 9, 1}));
    DragTo(b, 1330, 1345);
    EXPECT_EQ(b.Pieces[9].X, 1300);
    EXPECT_EQ(b.Pieces[9].Y, 1305);
    EXPECT_EQ(b.Pieces[1].X, 1300);
    EXPECT_EQ(b.Pieces[1].Y, 1225);
    EXPECT_EQ(b.Pieces[2].X, 1380);
    EXPECT_EQ(b.Pieces[2].Y, 1225);
}

TEST(Press, IgnoredCases)
{
    Board b = MakeBoard(1);
    b.Pieces[4].X = b.Pieces[4].Y = 0;

    // On the empty table: only a redraw.
    TPlayResult r = Press(b, TMouseBtn::Left, 900, 900);
    EXPECT_TRUE(r.Redraw);
    EXPECT_FALSE(b.Dragging);

    // Right button with turning not allowed: nothing at all.
    b.RotateEnabled = false;
    r = Press(b, TMouseBtn::Right, 50, 50);
    EXPECT_FALSE(r.Redraw);
    EXPECT_FALSE(r.StartAniTimer);
    EXPECT_EQ(b.TurnPiece, -1);

    // While a turn runs (piece 0 counts as a piece) every press is ignored.
    b.RotateEnabled = true;
    b.TurnPiece = 0;
    for (TMouseBtn btn : {TMouseBtn::Left, TMouseBtn::Right, TMouseBtn::Middle}) {
        r = Press(b, btn, 50, 50);
        EXPECT_FALSE(r.Redraw);
        EXPECT_FALSE(r.StartAniTimer);
        EXPECT_FALSE(b.Dragging);
        EXPECT_EQ(b.TurnPiece, 0);
    }
}

TEST(Press, RightButtonStartsATurnWithoutRedrawing)
{
    Board b = MakeBoard(1);
    b.Pieces[0].X = b.Pieces[0].Y = 0;
    const TPlayResult r = Press(b, TMouseBtn::Right, 50, 50);
    EXPECT_TRUE(r.StartAniTimer);
    EXPECT_FALSE(r.Redraw);
    EXPECT_EQ(b.TurnPiece, 0);
    EXPECT_EQ(b.TurnAngle, 0);
    EXPECT_TRUE(b.AniTurning);
    EXPECT_FALSE(b.Dragging);
}

TEST(Press, RightPressDuringADragTurnsAndTheDragGoesOn)
{
    Board b = MakeBoard(1);
    b.Pieces[6].X = b.Pieces[6].Y = 0;
    Press(b, TMouseBtn::Left, 50, 50);
    DragTo(b, 250, 250);
    const TPlayResult r = Press(b, TMouseBtn::Right, 250, 250);
    EXPECT_TRUE(r.StartAniTimer);
    EXPECT_EQ(b.TurnPiece, 6);
    EXPECT_TRUE(b.Dragging);
    DragTo(b, 260, 270);
    EXPECT_EQ(b.Pieces[6].X, 210);
    EXPECT_EQ(b.Pieces[6].Y, 220);
    // Releasing any button ends the drag.
    Drop(b, kBigTable, kBigTable);
    EXPECT_FALSE(b.Dragging);
}

TEST(Release, PressAndReleaseWithoutMotionStillFits)
{
    Board b = MakeBoard(1);
    b.Pieces[0].X = 100; b.Pieces[0].Y = 100;
    b.Pieces[1].X = 183; b.Pieces[1].Y = 96; // within reach of 0's right side
    Press(b, TMouseBtn::Left, 150, 150);
    const TPlayResult r = Drop(b, kBigTable, kBigTable);
    EXPECT_TRUE(r.Redraw);
    EXPECT_TRUE(r.PlayJoinClick);
    EXPECT_EQ(b.Pieces[0].X, 103);
    EXPECT_EQ(b.Pieces[0].Y, 96);
    EXPECT_EQ(b.JoinCount, 1);
}
