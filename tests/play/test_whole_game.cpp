// Whole games solved by simulated mouse drops.
#include <gtest/gtest.h>

#include "PlayTestBoard.h"
#include "play/Animation.h"
#include "play/Drag.h"

using namespace play;

namespace {

struct TGame {
    int cut;
    int rotation;
    std::vector<int> milestones;
};

// Corner of piece i in the finished picture turned by r round piece 0 at
// (x0, y0).
void Home(const Board &b, int i, int r, int x0, int y0, int &x, int &y)
{
    const int pitch = Pitch(b.Cut());
    const int dc = b.Pieces[i].Col, dr = b.Pieces[i].Row;
    switch (r) {
    case 0: x = x0 + dc * pitch; y = y0 + dr * pitch; break;
    case 1: x = x0 - dr * pitch; y = y0 + dc * pitch; break;
    case 2: x = x0 - dc * pitch; y = y0 - dr * pitch; break;
    default: x = x0 + dr * pitch; y = y0 - dc * pitch; break;
    }
}

} // namespace

TEST(WholeGame, SolvedByDropsWithAllPiecesTurned)
{
    for (const TGame &g : {TGame{1, 1, {2, 6, 9, 13, 16, 20, 23, 27, 30}},
                           TGame{2, 3, {10, 29, 47, 66, 85, 103, 122, 141, 159, 178}},
                           TGame{5, 2, {50, 150, 250, 350, 450, 550, 650, 750, 850, 950}}}) {
        Board b = MakeBoard(g.cut);
        const TCutInfo &c = b.Cut();
        const int n = PieceCount(c);
        // Scattered on a grid with no overlaps, far from the assembly area.
        for (int i = 0; i < n; ++i) {
            Tpiece &p = b.Pieces[i];
            p.Rotation = uint8_t(g.rotation);
            p.X = 3000 + (i % 20) * (c.CellSize + 10);
            p.Y = 100 + (i / 20) * (c.CellSize + 10);
        }
        b.PiecesVisible = true;
        const int x0 = 2000, y0 = 2000; // room for the largest picture turned any way
        b.Pieces[0].X = x0;
        b.Pieces[0].Y = y0;
        std::vector<int> milestones;
        bool finished = false;
        for (int i = 1; i < n; ++i) {
            Tpiece &p = b.Pieces[i];
            int tx, ty;
            Home(b, i, g.rotation, x0, y0, tx, ty);
            // Grab the piece in its hit square and drop it a little off its place.
            const int gx = p.X + c.Margin + 5, gy = p.Y + c.Margin + 7;
            ASSERT_FALSE(Press(b, TMouseBtn::Left, gx, gy).StartAniTimer);
            ASSERT_EQ(b.DragPiece, i);
            DragTo(b, gx + (tx - p.X) + 1, gy + (ty - p.Y) - 2);
            const TPlayResult r = Drop(b, kBigTable, kBigTable);
            ASSERT_EQ(b.JoinCount, i) << "piece " << i;
            EXPECT_EQ(p.X, tx);
            EXPECT_EQ(p.Y, ty);
            if (r.PlayMilestone)
                milestones.push_back(i);
            if (i < n - 1) {
                EXPECT_NE(r.PlayJoinClick, r.PlayMilestone);
                EXPECT_FALSE(r.Finished);
            } else {
                finished = r.Finished;
                EXPECT_FALSE(r.PlayJoinClick);
                EXPECT_FALSE(r.PlayMilestone);
            }
        }
        EXPECT_TRUE(finished);
        EXPECT_EQ(milestones, g.milestones);
        EXPECT_TRUE(b.ShowFinished);
        EXPECT_FALSE(b.AniTurning);
        ASSERT_EQ(b.Groups.size(), 1u);
        EXPECT_EQ(b.Groups[0].size(), size_t(n));
        for (const Tpiece &p : b.Pieces) {
            EXPECT_EQ(p.Group, 0);
            EXPECT_EQ(p.Rotation, g.rotation);
        }
        // The fade then runs its twenty ticks.
        int ticks = 0;
        while (!TickAnimation(b).StopAniTimer && ticks < 100)
            ++ticks;
        EXPECT_EQ(ticks + 1, 20);
        EXPECT_FALSE(b.PiecesVisible);
    }
}
