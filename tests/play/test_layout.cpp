#include <gtest/gtest.h>

#include <numeric>
#include <set>

#include "PlayTestBoard.h"
#include "play/HitTest.h"
#include "play/Layout.h"

using namespace play;

namespace {

std::vector<int> Counting(int n)
{
    std::vector<int> l(static_cast<size_t>(n));
    std::iota(l.begin(), l.end(), 0);
    return l;
}

// A cutter stand-in: the fresh pieces of the cut, unturned, at 0, 0.
bool FreshPieces(Board &b)
{
    b.Pieces.Clear();
    b.DrawOrder.clear();
    b.Groups.clear();
    const TCutInfo &c = b.Cut();
    for (int i = 0; i < PieceCount(c); ++i) {
        Tpiece &p = b.Pieces.Add();
        p.Row = i / c.Cols;
        p.Col = i % c.Cols;
    }
    return true;
}

bool HitSquareOnTable(const Board &b, int i, int w, int h)
{
    const THitSquare s = HitSquare(b, b.Pieces[i]);
    return s.Left < w && s.Right > 0 && s.Top < h && s.Bottom > 0;
}

} // namespace

TEST(NewGame, FlipsAreOneOfFourCases)
{
    const int expect[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    for (int k = 0; k < 4; ++k) {
        Board b;
        TScriptedRandom rng({k});
        ChooseFlips(b, rng);
        EXPECT_EQ(b.FlipHor, expect[k][0]);
        EXPECT_EQ(b.FlipVer, expect[k][1]);
        EXPECT_EQ(rng.Ranges, std::vector<int>({4}));
    }
}

TEST(NewGame, ScatterDrawsXThenYThenTurnPieceByPiece)
{
    Board b = MakeBoard(1);
    b.Pieces[3].Group = 2;
    b.RotateEnabled = true;
    b.DrawOrder = {4, 1};
    TScriptedRandom rng({10, 20, 3, 11, 21, 1}, 0);
    ScatterPieces(b, rng, 1016, 650);
    ASSERT_EQ(rng.Ranges.size(), size_t(35 * 3));
    EXPECT_EQ(rng.Ranges[0], 1016 - 120);
    EXPECT_EQ(rng.Ranges[1], 650 - 120);
    EXPECT_EQ(rng.Ranges[2], 4);
    EXPECT_EQ(b.Pieces[0].X, 10); EXPECT_EQ(b.Pieces[0].Y, 20); EXPECT_EQ(b.Pieces[0].Rotation, 3);
    EXPECT_EQ(b.Pieces[1].X, 11); EXPECT_EQ(b.Pieces[1].Y, 21); EXPECT_EQ(b.Pieces[1].Rotation, 1);
    EXPECT_EQ(b.Pieces[3].Group, -1);
    EXPECT_EQ(b.DrawOrder, Counting(35));

    // Without turning no turn is drawn and every piece is upright.
    Board u = MakeBoard(2);
    u.RotateEnabled = false;
    u.Pieces[5].Rotation = 2;
    TScriptedRandom r2({}, 7);
    ScatterPieces(u, r2, 1016, 650);
    EXPECT_EQ(r2.Ranges.size(), size_t(187 * 2));
    for (const Tpiece &p : u.Pieces)
        EXPECT_EQ(p.Rotation, 0);
    EXPECT_EQ(u.DrawOrder, Counting(187));
}

TEST(NewGame, ScatteredSquaresLieOnTheTableAndTurnsVary)
{
    for (int cut : {1, 2}) {
        Board b = MakeBoard(cut);
        b.RotateEnabled = true;
        // Draws counting up: every turn comes up, whatever draw it is.
        std::vector<int> draws(size_t(3 * PieceCount(b.Cut())));
        std::iota(draws.begin(), draws.end(), 0);
        TScriptedRandom rng(draws);
        ScatterPieces(b, rng, 900, 500);
        std::set<int> turns;
        for (const Tpiece &p : b.Pieces) {
            EXPECT_GE(p.X, 0);
            EXPECT_LT(p.X, 900 - b.Cut().CellSize);
            EXPECT_GE(p.Y, 0);
            EXPECT_LT(p.Y, 500 - b.Cut().CellSize);
            turns.insert(p.Rotation);
        }
        EXPECT_EQ(turns.size(), 4u);
    }
}

TEST(NewGame, TableSmallerThanAPieceStillGivesAValidRange)
{
    Board b = MakeBoard(1);
    TScriptedRandom rng({}, 5);
    ScatterPieces(b, rng, 100, 30);
    EXPECT_EQ(rng.Ranges[0], 1);
    EXPECT_EQ(rng.Ranges[1], 1);
    EXPECT_EQ(b.Pieces[0].X, 0);
    EXPECT_EQ(b.Pieces[0].Y, 0);
}

TEST(NewGame, WholeSequenceAndAFailedCut)
{
    Board b;
    b.ShowFinished = true;
    b.TurnPiece = 3;
    b.AniTurning = true;
    b.Dragging = b.DragGroup = true; // a release lost outside the window
    TScriptedRandom failRng({2});
    EXPECT_FALSE(NewGame(b, failRng, 1016, 650, false, [] { return false; }));
    EXPECT_EQ(failRng.Reseeds, 1);
    EXPECT_EQ(b.FlipVer, 1);
    EXPECT_FALSE(b.ShowFinished);
    EXPECT_FALSE(b.PiecesVisible);
    EXPECT_EQ(b.TurnPiece, 3); // the old game goes on untouched

    b.PieceAlpha = 0.3f;
    TScriptedRandom rng({3, 40, 50}, 1);
    ASSERT_TRUE(NewGame(b, rng, 1016, 650, false, [&b] { return FreshPieces(b); }));
    EXPECT_EQ(b.FlipHor, 1);
    EXPECT_EQ(b.FlipVer, 1);
    EXPECT_EQ(b.Pieces[0].X, 40);
    EXPECT_EQ(b.Pieces[0].Y, 50);
    EXPECT_EQ(b.DrawOrder, Counting(35));
    EXPECT_TRUE(b.PiecesVisible);
    EXPECT_EQ(b.PieceAlpha, 1.0f);
    EXPECT_EQ(b.TurnPiece, -1);
    EXPECT_FALSE(b.AniTurning);
    EXPECT_FALSE(b.Dragging);
    EXPECT_FALSE(b.DragGroup);
}

TEST(EdgeLayout, GridFiguresOfA1016By650Table)
{
    const TSpiralGrid s = SpiralGrid(CutTable[1], 1016, 650);
    EXPECT_EQ(s.Cell, 102);
    EXPECT_EQ(s.Nx, 8);
    EXPECT_EQ(s.Ny, 5);
    EXPECT_EQ(s.Sx, 113);
    EXPECT_EQ(s.Sy, 107);
    EXPECT_EQ(s.Off, 6);
    const TSpiralGrid l = SpiralGrid(CutTable[2], 1016, 650);
    EXPECT_EQ(l.Cell, 48);
    EXPECT_EQ(l.Nx, 19);
    EXPECT_EQ(l.Ny, 12);
    EXPECT_EQ(l.Sx, 50);
    EXPECT_EQ(l.Sy, 49);
    EXPECT_EQ(l.Off, 2);
}

TEST(EdgeLayout, SpiralWalksTheRingsClockwise)
{
    const TSpiralGrid g = SpiralGrid(CutTable[1], 1016, 650);
    const auto places = SpiralSlots(g);
    std::vector<std::pair<int, int>> expect;
    for (int c = 0; c <= 8; ++c) expect.push_back({c, 0});
    for (int r = 1; r <= 5; ++r) expect.push_back({8, r});
    for (int c = 7; c >= 0; --c) expect.push_back({c, 5});
    for (int r = 4; r >= 1; --r) expect.push_back({0, r});
    ASSERT_EQ(expect.size(), 26u);
    for (int c = 1; c <= 7; ++c) expect.push_back({c, 1});
    for (int r = 2; r <= 4; ++r) expect.push_back({7, r});
    ASSERT_GE(places.size(), expect.size());
    for (size_t i = 0; i < expect.size(); ++i)
        EXPECT_EQ(places[i], expect[i]) << i;
    // Rings of 26, 18 and 10 places fill the 9 x 6 grid.
    EXPECT_EQ(places.size(), 54u);
}

TEST(EdgeLayout, SpiralUsesEverySlotOnceForAnyGrid)
{
    for (int nx = 1; nx <= 21; ++nx) {
        for (int ny = 1; ny <= 14; ++ny) {
            const TSpiralGrid g{48, nx, ny, 50, 49, 2};
            const auto places = SpiralSlots(g);
            std::set<std::pair<int, int>> distinct(places.begin(), places.end());
            EXPECT_EQ(places.size(), size_t((nx + 1) * (ny + 1))) << nx << "x" << ny;
            EXPECT_EQ(distinct.size(), places.size());
        }
    }
}

TEST(EdgeLayout, ShuffleMovesEntryJToPositionK)
{
    Board b = MakeBoard(1);
    b.DrawOrder = {0, 1, 2};
    b.Pieces.Clear();
    for (int i = 0; i < 3; ++i) b.Pieces.Add();
    TScriptedRandom rng({0, 0, 0});
    AutoRoundJigsy(b, rng, 1016, 650);
    EXPECT_EQ(rng.Ranges, std::vector<int>({3, 2, 1}));
    EXPECT_EQ(b.DrawOrder, (std::vector<int>{2, 1, 0}));
    // The first piece of the new order takes the top-left slot.
    EXPECT_EQ(b.Pieces[2].X, -6);
    EXPECT_EQ(b.Pieces[2].Y, -6);
    EXPECT_EQ(b.Pieces[1].X, 113 - 6);
    EXPECT_EQ(b.Pieces[0].X, 226 - 6);
}

TEST(EdgeLayout, PiecesFollowTheSpiralInDrawingOrderKeepingTheirTurns)
{
    for (int cut : {1, 2}) {
        Board b = MakeBoard(cut);
        for (Tpiece &p : b.Pieces)
            p.Rotation = uint8_t(p.Col % 4);
        TClockRandom rng;
        AutoRoundJigsy(b, rng, 1016, 650);
        const TSpiralGrid g = SpiralGrid(b.Cut(), 1016, 650);
        const auto places = SpiralSlots(g);
        ASSERT_EQ(b.DrawOrder.size(), size_t(PieceCount(b.Cut())));
        std::set<int> seen(b.DrawOrder.begin(), b.DrawOrder.end());
        EXPECT_EQ(int(seen.size()), PieceCount(b.Cut()));
        for (size_t k = 0; k < b.DrawOrder.size(); ++k) {
            const Tpiece &p = b.Pieces[b.DrawOrder[k]];
            EXPECT_EQ(p.X, places[size_t(k)].first * g.Sx - g.Off);
            EXPECT_EQ(p.Y, places[size_t(k)].second * g.Sy - g.Off);
            EXPECT_EQ(p.Rotation, p.Col % 4);
        }
    }
}

TEST(EdgeLayout, TooSmallTablesKeepEveryPieceWithinReach)
{
    struct Case { int cut, w, h; };
    // nx = 0; ny = 0; more pieces than places; a table smaller than a piece.
    for (const Case k : {Case{1, 200, 650}, Case{1, 1016, 150}, Case{2, 640, 480}, Case{1, 400, 300},
                         Case{2, 60, 40}}) {
        Board b = MakeBoard(k.cut);
        TClockRandom rng;
        AutoRoundJigsy(b, rng, k.w, k.h);
        for (int i = 0; i < b.Pieces.Count(); ++i)
            EXPECT_TRUE(HitSquareOnTable(b, i, k.w, k.h)) << k.w << "x" << k.h << " piece " << i;
    }
    // 187 pieces on 640 x 480: the 117 places are used once each.
    Board b = MakeBoard(2);
    TClockRandom rng;
    AutoRoundJigsy(b, rng, 640, 480);
    const TSpiralGrid g = SpiralGrid(b.Cut(), 640, 480);
    EXPECT_EQ((g.Nx + 1) * (g.Ny + 1), 117);
    std::set<std::pair<int, int>> first;
    for (int k = 0; k < 117; ++k) {
        const Tpiece &p = b.Pieces[b.DrawOrder[size_t(k)]];
        first.insert({p.X, p.Y});
    }
    EXPECT_EQ(first.size(), 117u);
}

TEST(EdgeLayout, NewGameUsesItOnlyWhenAsked)
{
    Board b;
    TClockRandom rng;
    ASSERT_TRUE(NewGame(b, rng, 1016, 650, true, [&b] { return FreshPieces(b); }));
    const TSpiralGrid g = SpiralGrid(b.Cut(), 1016, 650);
    const Tpiece &first = b.Pieces[b.DrawOrder[0]];
    EXPECT_EQ(first.X, -g.Off);
    EXPECT_EQ(first.Y, -g.Off);
}
