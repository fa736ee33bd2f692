#include <gtest/gtest.h>

#include "PlayTestBoard.h"
#include "play/Drag.h"
#include "play/HitTest.h"
#include "play/Reach.h"

using namespace play;

namespace {

// A board whose pieces all lie well inside an 800 x 600 table.
Board OnTable(int cut)
{
    Board b = MakeBoard(cut);
    for (Tpiece &p : b.Pieces) {
        p.X = 300;
        p.Y = 200;
    }
    return b;
}

} // namespace

TEST(Reach, PartlyOnTheTableStaysExactlyWhereDropped)
{
    Board b = OnTable(1);
    // Hit square 20..119: one pixel column still on the table at each edge.
    b.Pieces[0].X = 800 - 21;
    b.Pieces[1].X = -119;
    b.Pieces[2].Y = 600 - 21;
    b.Pieces[3].Y = -119;
    EXPECT_FALSE(KeepPiecesOnTable(b, 800, 600));
    EXPECT_EQ(b.Pieces[0].X, 779);
    EXPECT_EQ(b.Pieces[1].X, -119);
    EXPECT_EQ(b.Pieces[2].Y, 579);
    EXPECT_EQ(b.Pieces[3].Y, -119);
}

TEST(Reach, StrayPieceComesBackTheLeastDistanceOnEverySide)
{
    for (int cut : {1, 2}) {
        Board b = OnTable(cut);
        const TCutInfo &c = b.Cut();
        b.Pieces[0].X = 800 - c.Margin;      // just off the right edge
        b.Pieces[1].X = -c.CellSize - 50;    // off the left
        b.Pieces[2].Y = 900;                 // off the bottom
        b.Pieces[3].Y = -c.CellSize;         // just off the top
        b.Pieces[4].X = 2000; b.Pieces[4].Y = -2000; // off a corner
        b.Pieces[5].X = 900; b.Pieces[5].Y = -c.Margin - 10; // off right, partly above
        EXPECT_TRUE(KeepPiecesOnTable(b, 800, 600));
        EXPECT_EQ(b.Pieces[0].X + c.CellSize, 800);
        EXPECT_EQ(b.Pieces[1].X + c.Margin, 0);
        EXPECT_EQ(b.Pieces[2].Y + c.CellSize, 600);
        EXPECT_EQ(b.Pieces[3].Y + c.Margin, 0);
        EXPECT_EQ(b.Pieces[4].X + c.CellSize, 800);
        EXPECT_EQ(b.Pieces[4].Y + c.Margin, 0);
        EXPECT_EQ(b.Pieces[5].X + c.CellSize, 800);
        EXPECT_EQ(b.Pieces[5].Y + c.Margin, 0);
        // Others and the unmoved axes are untouched.
        EXPECT_EQ(b.Pieces[0].Y, 200);
        EXPECT_EQ(b.Pieces[2].X, 300);
        EXPECT_EQ(b.Pieces[6].X, 300);
        for (int i = 0; i < b.Pieces.Count(); ++i) {
            const THitSquare s = HitSquare(b, b.Pieces[i]);
            EXPECT_TRUE(s.Left >= 0 && s.Right <= 800 && s.Top >= 0 && s.Bottom <= 600) << i;
        }
    }
}

TEST(Reach, AGroupMovesAsOneAndKeepsItsShape)
{
    Board b = OnTable(1);
    b.Pieces[0].X = 1000; b.Pieces[0].Y = 100;
    b.Pieces[1].X = 1080; b.Pieces[1].Y = 100;
    MakeGroup(b, {0, 1});
    EXPECT_TRUE(KeepPiecesOnTable(b, 800, 600));
    EXPECT_EQ(b.Pieces[1].X + 120, 800);
    EXPECT_EQ(b.Pieces[0].X, b.Pieces[1].X - 80);
    EXPECT_EQ(b.Pieces[0].Y, 100);
}

TEST(Reach, AGroupLargerThanTheTableStaysWhileAMemberCanBeGrabbed)
{
    Board b = OnTable(1);
    for (Tpiece &p : b.Pieces)
        p.X = p.Y = 0;
    // A whole row of 7 (560 pixels wide) on a 300-pixel table.
    std::vector<int> row;
    for (int i = 0; i < 7; ++i) {
        b.Pieces[i].X = i * 80;
        b.Pieces[i].Y = 50;
        row.push_back(i);
    }
    MakeGroup(b, row);
    EXPECT_FALSE(KeepPiecesOnTable(b, 300, 400));
    EXPECT_FALSE(KeepPiecesOnTable(b, 300, 400)); // and stays put on the next call
    EXPECT_EQ(b.Pieces[0].X, 0);

    // Wholly off: its first member comes in.
    for (int i = 0; i < 7; ++i)
        b.Pieces[i].X = 2000 + i * 80;
    EXPECT_TRUE(KeepPiecesOnTable(b, 300, 400));
    EXPECT_EQ(b.Pieces[0].X + 120, 300);
    EXPECT_EQ(b.Pieces[6].X, b.Pieces[0].X + 480);
}

TEST(Reach, NothingComesBackDuringADragOrWithoutArea)
{
    Board b = OnTable(2);
    b.Pieces[7].X = 700; b.Pieces[7].Y = 500;
    EXPECT_FALSE(KeepPiecesOnTable(b, 0, 0)); // minimised
    b.Dragging = true;
    EXPECT_FALSE(KeepPiecesOnTable(b, 400, 300));
    b.Dragging = false;
    EXPECT_TRUE(KeepPiecesOnTable(b, 400, 300));
    EXPECT_EQ(b.Pieces[7].X, 400 - 59);
    EXPECT_EQ(b.Pieces[7].Y, 300 - 59);
}

TEST(Reach, TableNarrowerThanAHitSquare)
{
    Board b = OnTable(1);
    b.Pieces[0].X = 500;
    KeepPiecesOnTable(b, 50, 600);
    EXPECT_EQ(b.Pieces[0].X, -20); // square starts at the table's left edge
}

TEST(Reach, ADropBeyondTheEdgeBringsBackTheDroppedPieceAlone)
{
    Board b = OnTable(1);
    b.Pieces[5].X = 2000; // left beyond a table that has since shrunk
    b.Pieces[0].X = 100; b.Pieces[0].Y = 100;
    BringToTop(b, 0);
    Press(b, TMouseBtn::Left, 150, 150);
    DragTo(b, 1500, 150); // cursor far past the right edge
    Drop(b, 800, 600);
    EXPECT_EQ(b.Pieces[0].X, 800 - 120);
    EXPECT_EQ(b.Pieces[0].Y, 100);
    EXPECT_EQ(b.Pieces[5].X, 2000);
}
