#include <gtest/gtest.h>

#include "PlayTestBoard.h"
#include "play/Animation.h"
#include "play/Clock.h"
#include "play/Drag.h"

using namespace play;

namespace {

// Right press on piece p's hit square, as the player would.
void RightPress(Board &b, int p)
{
    const TCutInfo &c = b.Cut();
    Press(b, TMouseBtn::Right, b.Pieces[p].X + c.Margin, b.Pieces[p].Y + c.Margin);
}

void RunTurn(Board &b)
{
    for (int i = 0; i < 5; ++i)
        TickAnimation(b);
}

} // namespace

TEST(Turn, FiveTicksOfEighteenDegreesThenTheTimerStops)
{
    Board b = MakeBoard(1);
    b.Pieces[0].X = 100; b.Pieces[0].Y = 100;
    RightPress(b, 0);
    ASSERT_EQ(b.TurnPiece, 0);
    for (int angle : {18, 36, 54, 72}) {
        const TPlayResult r = TickAnimation(b);
        EXPECT_TRUE(r.Redraw);
        EXPECT_FALSE(r.StopAniTimer);
        EXPECT_EQ(b.TurnAngle, angle);
        EXPECT_EQ(b.Pieces[0].Rotation, 0);
    }
    TPlayResult r = TickAnimation(b); // lands at the fifth tick
    EXPECT_TRUE(r.Redraw);
    EXPECT_FALSE(r.StopAniTimer);
    EXPECT_EQ(b.TurnAngle, 0);
    EXPECT_EQ(b.TurnPiece, -1);
    EXPECT_EQ(b.Pieces[0].Rotation, 1);
    // A lone piece only turns; it does not move.
    EXPECT_EQ(b.Pieces[0].X, 100);
    EXPECT_EQ(b.Pieces[0].Y, 100);
    r = TickAnimation(b);
    EXPECT_TRUE(r.StopAniTimer);
    EXPECT_FALSE(r.Redraw);

    // Rotation 3 wraps to 0.
    b.Pieces[0].Rotation = 3;
    RightPress(b, 0);
    RunTurn(b);
    EXPECT_EQ(b.Pieces[0].Rotation, 0);
}

TEST(Turn, GroupIsPlacedRoundThePressedPieceForEachTurn)
{
    for (int cut : {1, 2}) {
        Board b = MakeBoard(cut);
        const int pitch = Pitch(b.Cut());
        const int cols = b.Cut().Cols;
        const int p = cols + 1;          // row 1, col 1
        const int m = 3 * cols + 2;      // row 3, col 2: dc = 1, dr = 2
        b.Pieces[p].X = 1000; b.Pieces[p].Y = 1000;
        b.Pieces[m].X = 1000 + pitch; b.Pieces[m].Y = 1000 + 2 * pitch;
        MakeGroup(b, {m, p});
        // Expected place of m for the new turn r = 1, 2, 3, 0.
        const int expect[4][2] = {{1, 2}, {-2, 1}, {-1, -2}, {2, -1}};
        for (int turn = 1; turn <= 4; ++turn) {
            const int r = turn % 4;
            b.TurnPiece = p;
            b.AniTurning = true;
            RunTurn(b);
            SCOPED_TRACE(testing::Message() << "cut " << cut << " r " << r);
            EXPECT_EQ(b.Pieces[p].Rotation, r);
            EXPECT_EQ(b.Pieces[m].Rotation, r);
            EXPECT_EQ(b.Pieces[p].X, 1000);
            EXPECT_EQ(b.Pieces[p].Y, 1000);
            EXPECT_EQ(b.Pieces[m].X, 1000 + expect[r][0] * pitch);
            EXPECT_EQ(b.Pieces[m].Y, 1000 + expect[r][1] * pitch);
        }
    }
}

TEST(Turn, FourTurnsReturnAGroupToItsFirstArrangement)
{
    Board b = MakeBoard(1);
    // A 2 x 3 block of the picture, in place, turned round piece 9.
    const std::vector<int> block = {1, 2, 3, 8, 9, 10};
    for (int i : block) {
        b.Pieces[i].X = 300 + b.Pieces[i].Col * 80;
        b.Pieces[i].Y = 200 + b.Pieces[i].Row * 80;
    }
    MakeGroup(b, block);
    std::vector<std::pair<int, int>> before;
    for (int i : block)
        before.emplace_back(b.Pieces[i].X, b.Pieces[i].Y);
    for (int t = 0; t < 4; ++t) {
        BringToTop(b, 9); // hit squares of neighbours overlap
        RightPress(b, 9);
        ASSERT_EQ(b.TurnPiece, 9);
        RunTurn(b);
        TickAnimation(b);
    }
    for (size_t k = 0; k < block.size(); ++k) {
        EXPECT_EQ(b.Pieces[block[k]].X, before[k].first);
        EXPECT_EQ(b.Pieces[block[k]].Y, before[k].second);
        EXPECT_EQ(b.Pieces[block[k]].Rotation, 0);
    }
}

TEST(Turn, GroupTurnedDuringItsDragKeepsItsShapeAsItMoves)
{
    Board b = MakeBoard(1);
    b.Pieces[0].X = 300; b.Pieces[0].Y = 300;
    b.Pieces[1].X = 380; b.Pieces[1].Y = 300;
    MakeGroup(b, {0, 1});
    Press(b, TMouseBtn::Left, 350, 350); // on 0
    DragTo(b, 360, 360);
    RightPress(b, 0);
    EXPECT_EQ(b.TurnPiece, 0);
    RunTurn(b);
    EXPECT_EQ(b.Pieces[1].X, b.Pieces[0].X);
    EXPECT_EQ(b.Pieces[1].Y, b.Pieces[0].Y + 80);
    DragTo(b, 500, 420);
    EXPECT_EQ(b.Pieces[1].X, b.Pieces[0].X);
    EXPECT_EQ(b.Pieces[1].Y, b.Pieces[0].Y + 80);
    EXPECT_EQ(b.Pieces[0].X, 450);
    EXPECT_EQ(b.Pieces[0].Y, 370);
}

TEST(Fade, TwentyTicksThenThePiecesVanish)
{
    Board b = MakeBoard(1);
    b.PiecesVisible = true;
    b.PieceAlpha = 1.0f;
    b.AniTurning = false;
    for (int i = 1; i < 20; ++i) {
        const TPlayResult r = TickAnimation(b);
        EXPECT_TRUE(r.Redraw);
        EXPECT_FALSE(r.StopAniTimer) << i;
        EXPECT_TRUE(b.PiecesVisible);
    }
    const TPlayResult r = TickAnimation(b);
    EXPECT_TRUE(r.Redraw);
    EXPECT_TRUE(r.StopAniTimer);
    EXPECT_FALSE(b.PiecesVisible);
}

TEST(Fade, ATurnDuringTheFadeStopsTheFadeWhereItStands)
{
    Board b = MakeBoard(1);
    b.Pieces[0].X = b.Pieces[0].Y = 0;
    b.PiecesVisible = true;
    b.ShowFinished = true;
    b.AniTurning = false;
    for (int i = 0; i < 5; ++i)
        TickAnimation(b);
    const float reached = b.PieceAlpha;
    EXPECT_NEAR(reached, 0.75f, 1e-6);
    RightPress(b, 0);
    EXPECT_TRUE(b.AniTurning);
    RunTurn(b);
    EXPECT_EQ(b.Pieces[0].Rotation, 1);
    EXPECT_TRUE(TickAnimation(b).StopAniTimer);
    EXPECT_EQ(b.PieceAlpha, reached);
    EXPECT_TRUE(b.PiecesVisible);
}

TEST(Clock, WholeSecondsShownAsHoursMinutesSeconds)
{
    Board b;
    for (int i = 0; i < 461; ++i)
        TickClock(b, true);
    EXPECT_EQ(b.GameTime, 461);
    EXPECT_EQ(FormatGameTime(b.GameTime), "0:07:41");
    b.GameTime = 10 * 3600 + 59;
    TickClock(b, true);
    EXPECT_EQ(FormatGameTime(b.GameTime), "10:01:00");
}
