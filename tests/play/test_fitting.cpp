#include <gtest/gtest.h>

#include "PlayTestBoard.h"
#include "play/Drag.h"
#include "play/Fitting.h"
#include "play/JoinTolerance.h"

using namespace play;

namespace {

// An inner piece, so that all four grid neighbours exist.
int InnerPiece(const Board &b) { return b.SizeIndex == 1 ? 2 * 7 + 3 : 5 * 17 + 8; }

int NeighbourIn(const Board &b, int p, int d)
{
    const int cols = b.Cut().Cols;
    const int steps[4] = {1, cols, -1, -cols};
    return p + steps[d];
}

// Unit step on the screen for sides right, down, left, up.
const int kSideX[4] = {1, 0, -1, 0};
const int kSideY[4] = {0, 1, 0, -1};

int CaptureOffset(const TCutInfo &c) { return 2 * c.Overlap - c.TurnShift; }

} // namespace

TEST(Fitting, CaptureOffsetToleranceAndPitchOfBothCuts)
{
    Board small = MakeBoard(1), big = MakeBoard(2);
    EXPECT_EQ(CaptureOffset(small.Cut()), 80);
    EXPECT_EQ(CaptureOffset(big.Cut()), 37);
    EXPECT_EQ(Tolerance(small), 7);
    EXPECT_EQ(Tolerance(big), 5);
}

// For every cut, turn and screen side: the neighbour is captured exactly on
// the half-open square [D - h, D + h) along and [-h, h) across, and the piece
// is then snapped one pitch away from it.
TEST(Fitting, CaptureBoundariesOnAllFourScreenSides)
{
    for (int cut = 1; cut <= CutCount; ++cut) {
        for (int rot = 0; rot < 4; ++rot) {
            for (int side = 0; side < 4; ++side) {
                const int d = (side - rot + 4) % 4; // grid direction seen on that side
                for (int along : {-1, 0, 1, 2}) {
                    for (int across : {-1, 0, 1, 2}) {
                        Board b = MakeBoard(cut);
                        const TCutInfo &c = b.Cut();
                        const int h = Tolerance(b), D = CaptureOffset(c);
                        // -h - 1, -h, h - 1, h
                        const int offs[4] = {-h - 1, -h, h - 1, h};
                        const int a = offs[along + 1], e = offs[across + 1];
                        const int p = InnerPiece(b), n = NeighbourIn(b, p, d);
                        for (Tpiece &q : b.Pieces)
                            q.Rotation = uint8_t(rot);
                        b.Pieces[p].X = 1000;
                        b.Pieces[p].Y = 1000;
                        const int sx = kSideX[side], sy = kSideY[side];
                        // along the side's axis: D + a; across it: e
                        b.Pieces[n].X = 1000 + sx * D + (sx != 0 ? a : e);
                        b.Pieces[n].Y = 1000 + sy * D + (sy != 0 ? a : e);
                        const int nx = b.Pieces[n].X, ny = b.Pieces[n].Y;
                        int got = -1;
                        const bool joined = TestPs(b, p, got);
                        const bool expected = along >= 0 && along <= 1 && across >= 0 && across <= 1;
                        SCOPED_TRACE(testing::Message() << "cut " << cut << " rot " << rot << " side "
                                                        << side << " along " << a << " across " << e);
                        EXPECT_EQ(joined, expected);
                        if (joined) {
                            EXPECT_EQ(got, n);
                            EXPECT_EQ(b.Pieces[p].X, nx - sx * Pitch(c));
                            EXPECT_EQ(b.Pieces[p].Y, ny - sy * Pitch(c));
                            EXPECT_EQ(b.Pieces[p].GrabX, 1000);
                            EXPECT_EQ(b.Pieces[p].GrabY, 1000);
                        } else {
                            EXPECT_EQ(b.Pieces[p].X, 1000);
                            EXPECT_EQ(b.Pieces[p].Y, 1000);
                        }
                    }
                }
            }
        }
    }
}

TEST(Fitting, DifferentTurnsNeverJoin)
{
    Board b = MakeBoard(1);
    b.Pieces[0].X = 500; b.Pieces[0].Y = 500;
    b.Pieces[1].X = 580; b.Pieces[1].Y = 500; // exactly in place
    b.Pieces[1].Rotation = 1;
    int n = -1;
    EXPECT_FALSE(TestPs(b, 0, n));
}

TEST(Fitting, UpsideDownPiecesJoinWithTheGridRightNeighbourOnTheScreensLeft)
{
    for (int cut = 1; cut <= CutCount; ++cut) {
        Board b = MakeBoard(cut);
        const TCutInfo &c = b.Cut();
        b.Pieces[0].Rotation = b.Pieces[1].Rotation = 2;
        b.Pieces[0].X = 500; b.Pieces[0].Y = 500;
        b.Pieces[1].X = 500 - CaptureOffset(c); b.Pieces[1].Y = 500;
        int n = -1;
        ASSERT_TRUE(TestPs(b, 0, n));
        EXPECT_EQ(n, 1);
        EXPECT_EQ(b.Pieces[0].X, b.Pieces[1].X + Pitch(c));
        // Placed on the screen's right of it instead, it does not join.
        Board r = MakeBoard(cut);
        r.Pieces[0].Rotation = r.Pieces[1].Rotation = 2;
        r.Pieces[0].X = 500; r.Pieces[0].Y = 500;
        r.Pieces[1].X = 500 + CaptureOffset(c); r.Pieces[1].Y = 500;
        EXPECT_FALSE(TestPs(r, 0, n));
    }
}

TEST(Fitting, TwoFittingNeighboursJoinOneAtATimeRightFirst)
{
    Board b = MakeBoard(1);
    b.Pieces[0].X = 500; b.Pieces[0].Y = 500;
    b.Pieces[1].X = 582; b.Pieces[1].Y = 500; // right
    b.Pieces[7].X = 500; b.Pieces[7].Y = 578; // down
    b.DragPiece = 0;
    TestPsAdd(b);
    EXPECT_EQ(b.JoinCount, 1);
    EXPECT_EQ(b.Pieces[0].X, 502);
    EXPECT_EQ(b.Pieces[7].Group, -1);
    // Press and release again without moving: the group now joins the next.
    Press(b, TMouseBtn::Left, 550, 550);
    Drop(b, kBigTable, kBigTable);
    EXPECT_EQ(b.JoinCount, 2);
    EXPECT_EQ(b.Pieces[7].Group, b.Pieces[0].Group);
    EXPECT_EQ(b.Groups[0], (std::vector<int>{1, 0, 7}));
}

TEST(Fitting, LonePieceJoiningALonePieceFormsAGroupNeighbourFirst)
{
    Board b = MakeBoard(1);
    b.Pieces[5].X = 500; b.Pieces[5].Y = 500;
    b.Pieces[12].X = 503; b.Pieces[12].Y = 575; // 5's down neighbour
    b.DragPiece = 5;
    const TPlayResult r = TestPsAdd(b);
    EXPECT_TRUE(r.PlayJoinClick);
    ASSERT_EQ(b.Groups.size(), 1u);
    EXPECT_EQ(b.Groups[0], (std::vector<int>{12, 5}));
    EXPECT_EQ(b.Pieces[5].Group, 0);
    EXPECT_EQ(b.Pieces[12].Group, 0);
    EXPECT_EQ(b.Pieces[5].X, 503);
    EXPECT_EQ(b.Pieces[5].Y, 495);
    EXPECT_EQ(b.DrawOrder.back(), 12);
}

TEST(Fitting, LonePieceJoiningAGroupIsAppendedAndTheGroupStacksAfterTheNeighbour)
{
    Board b = MakeBoard(1);
    b.Pieces[1].X = 580; b.Pieces[1].Y = 500;
    b.Pieces[2].X = 660; b.Pieces[2].Y = 500;
    b.Pieces[8].X = 580; b.Pieces[8].Y = 580;
    const int g = MakeGroup(b, {8, 2, 1});
    b.Pieces[0].X = 502; b.Pieces[0].Y = 501;
    b.DragPiece = 0;
    TestPsAdd(b);
    EXPECT_EQ(b.Pieces[0].Group, g);
    EXPECT_EQ(b.Groups[size_t(g)], (std::vector<int>{8, 2, 1, 0}));
    // BringToTop(N = 1), then every member but N in member order.
    EXPECT_EQ(TopOfStack(b, 4), (std::vector<int>{1, 8, 2, 0}));
    EXPECT_EQ(b.Pieces[0].X, 500);
    EXPECT_EQ(b.Pieces[0].Y, 500);
}

TEST(Fitting, GroupDropJoinsOnlyThroughTheFirstFittingMember)
{
    Board b = MakeBoard(1);
    // Group {1, 2} (a row); 3 fits 2 on the right, 8 fits 1 below.
    b.Pieces[1].X = 500; b.Pieces[1].Y = 500;
    b.Pieces[2].X = 580; b.Pieces[2].Y = 500;
    const int g = MakeGroup(b, {1, 2});
    b.Pieces[3].X = 664; b.Pieces[3].Y = 503; // 2 is 4 short, 3 high of its place
    b.Pieces[8].X = 498; b.Pieces[8].Y = 582;
    b.DragPiece = 2;
    const TPlayResult r = TestPsAdd(b);
    EXPECT_TRUE(r.PlayJoinClick);
    EXPECT_EQ(b.JoinCount, 1);
    // Member 1 is tested first and fits 8: the group moves by (-2, +2).
    EXPECT_EQ(b.Pieces[1].X, 498); EXPECT_EQ(b.Pieces[1].Y, 502);
    EXPECT_EQ(b.Pieces[2].X, 578); EXPECT_EQ(b.Pieces[2].Y, 502);
    EXPECT_EQ(b.Pieces[8].Group, g);
    EXPECT_EQ(b.Pieces[3].Group, -1);
    EXPECT_EQ(b.Groups[size_t(g)], (std::vector<int>{1, 2, 8}));
}

TEST(Fitting, GroupMembersAreNeverTestedAgainstEachOther)
{
    Board b = MakeBoard(1);
    b.Pieces[0].X = 500; b.Pieces[0].Y = 500;
    b.Pieces[1].X = 583; b.Pieces[1].Y = 502; // a little off, but already joined
    MakeGroup(b, {0, 1});
    b.DragPiece = 0;
    const TPlayResult r = TestPsAdd(b);
    EXPECT_FALSE(r.PlayJoinClick || r.PlayMilestone || r.Finished);
    EXPECT_EQ(b.Pieces[0].X, 500);
    EXPECT_EQ(b.JoinCount, 0);
}

TEST(Fitting, DroppedGroupAbsorbsTheOtherWhoseItemStays)
{
    Board b = MakeBoard(1);
    // H = {9, 8, 1} in place round (580, 580); G = {3, 10} dropped near it.
    b.Pieces[8].X = 580; b.Pieces[8].Y = 580;
    b.Pieces[9].X = 660; b.Pieces[9].Y = 580;
    b.Pieces[1].X = 580; b.Pieces[1].Y = 500;
    const int h = MakeGroup(b, {9, 8, 1});
    b.Pieces[3].X = 743; b.Pieces[3].Y = 505;
    b.Pieces[10].X = 743; b.Pieces[10].Y = 585;
    const int g = MakeGroup(b, {3, 10});
    // A stale entry of 1 in G's list must not be doubled.
    b.Groups[size_t(g)].push_back(1);
    b.DragPiece = 3;
    TestPsAdd(b);
    // 3 has no neighbour in H (2 is missing); 10 fits 9 on its left.
    EXPECT_EQ(b.Pieces[10].X, 740); EXPECT_EQ(b.Pieces[10].Y, 580);
    EXPECT_EQ(b.Pieces[3].X, 740); EXPECT_EQ(b.Pieces[3].Y, 500);
    for (int m : {1, 8, 9, 3, 10})
        EXPECT_EQ(b.Pieces[m].Group, g) << m;
    EXPECT_EQ(b.Groups[size_t(g)], (std::vector<int>{3, 10, 1, 8, 9}));
    EXPECT_EQ(b.Groups[size_t(h)], (std::vector<int>{9, 8, 1}));
    EXPECT_EQ(b.Groups.size(), 2u);
    // H's pieces stay; they are stacked in H's order without N, then N.
    EXPECT_EQ(b.Pieces[8].X, 580);
    EXPECT_EQ(TopOfStack(b, 3), (std::vector<int>{8, 1, 9}));
    EXPECT_EQ(b.JoinCount, 1);
}

TEST(Fitting, MulDivRoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(10, 2, 35), 1);  // 20/35 = 0.57
    EXPECT_EQ(MulDiv(10, 1, 35), 0);
    EXPECT_EQ(MulDiv(1, 7, 2), 4);    // 3.5
    EXPECT_EQ(MulDiv(-1, 7, 2), -4);
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
}

TEST(Fitting, MilestonesAndTheFinishForBothCuts)
{
    struct Case { int cut; std::vector<int> milestones; };
    for (const Case &k : {Case{1, {2, 6, 9, 13, 16, 20, 23, 27, 30}},
                          Case{2, {10, 29, 47, 66, 85, 103, 122, 141, 159, 178}}}) {
        Board b = MakeBoard(k.cut);
        const int n = PieceCount(b.Cut());
        std::vector<int> got;
        for (int join = 1; join < n - 1; ++join) {
            const TPlayResult r = CountJoin(b);
            EXPECT_NE(r.PlayJoinClick, r.PlayMilestone);
            EXPECT_FALSE(r.Finished);
            if (r.PlayMilestone)
                got.push_back(join);
        }
        EXPECT_EQ(got, k.milestones);
        EXPECT_FALSE(b.ShowFinished);
        b.AniTurning = true;
        b.TurnPiece = 4;
        b.TurnAngle = 36;
        const TPlayResult last = CountJoin(b);
        EXPECT_TRUE(last.Finished);
        EXPECT_FALSE(last.PlayJoinClick);
        EXPECT_FALSE(last.PlayMilestone);
        EXPECT_EQ(b.JoinCount, n - 1);
        EXPECT_TRUE(b.ShowFinished);
        EXPECT_FALSE(b.AniTurning);
        // A turn that was running is dropped so that presses work again.
        EXPECT_EQ(b.TurnPiece, -1);
        EXPECT_EQ(b.TurnAngle, 0);
    }
}

TEST(Fitting, TheCatchIsMeasuredOnTheScreenWithinHalfThePitch)
{
    struct TRow {
        int cut;
        double zoom;
        int screenPx, tablePx;
    };
    // The classic cuts at full size keep their own; elsewhere the screen
    // pixels count, in table pixels, never beyond half the pitch.
    for (const TRow &r : {TRow{1, 1.0, 8, CutTolerance(1)}, TRow{2, 1.0, 15, CutTolerance(2)},
                          TRow{2, 0.5, 8, 16}, TRow{5, 1.0, 8, 8}, TRow{5, 0.5, 8, 16}, TRow{5, 0.5, 3, 6},
                          TRow{5, 0.25, 15, Pitch(CutTable[5]) / 2}, TRow{5, 0.5, 1, 2 * kJoinPxLeast}}) {
        EXPECT_EQ(JoinTolerance(r.cut, r.zoom, r.screenPx), r.tablePx) << r.cut << " at " << r.zoom;
    }
    // The board's catch is what the capture test uses.
    Board b = MakeBoard(5);
    const int p = InnerPiece(b), n = NeighbourIn(b, p, 0);
    b.Catch = JoinTolerance(5, 0.5, 8);
    b.Pieces[p].X = 1000;
    b.Pieces[p].Y = 1000;
    b.Pieces[n].X = 1000 + CaptureOffset(b.Cut()) + b.Catch - 1;
    b.Pieces[n].Y = 1000;
    int neighbour = -1;
    EXPECT_TRUE(TestPs(b, p, neighbour));
    EXPECT_EQ(neighbour, n);
}
