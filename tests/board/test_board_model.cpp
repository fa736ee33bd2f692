#include <gtest/gtest.h>

#include <tuple>

#include "TestBoard.h"
#include "board/Board.h"
#include "board/CoveredShadows.h"

TEST(CutTable, DerivedGeometryOfBothCuts)
{
    const TCutInfo &small = CutTable[1], &big = CutTable[2];
    EXPECT_EQ(Pitch(small), 80);
    EXPECT_EQ(Pitch(big), 35);
    EXPECT_EQ(PictureWidth(small), 560);
    EXPECT_EQ(PictureHeight(small), 400);
    EXPECT_EQ(PictureWidth(big), 595);
    EXPECT_EQ(PictureHeight(big), 385);
    EXPECT_EQ(TexInset(small), 4);
    EXPECT_EQ(TexInset(big), 2);
    EXPECT_EQ(HalfTex(small), 64);
    EXPECT_EQ(HalfTex(big), 32);
    // The home-cell corner sits inset + Margin from the piece corner.
    EXPECT_EQ(TexInset(small) + small.Margin, 24);
    EXPECT_EQ(TexInset(big) + big.Margin, 15);
    // The 17 x 11 square reaches 13 before its cell and 11 after it.
    EXPECT_EQ(big.CellSize - big.Margin - Pitch(big), 11);
}

TEST(CutTable, BigCutsShareTheGeometryOfThe187PieceCut)
{
    struct TRow {
        int sizeIndex, pieces, width, height;
    };
    for (const TRow &r : {TRow{3, 384, 840, 560}, TRow{4, 600, 1050, 700}, TRow{5, 1000, 1400, 875}, TRow{6, 2016, 1960, 1260}}) {
        const TCutInfo &c = CutTable[r.sizeIndex];
        EXPECT_EQ(PieceCount(c), r.pieces);
        EXPECT_EQ(PictureWidth(c), r.width);
        EXPECT_EQ(PictureHeight(c), r.height);
        EXPECT_EQ(std::make_tuple(c.CellSize, c.Overlap, c.TurnShift, c.Margin, c.TexSize),
                  std::make_tuple(CutTable[2].CellSize, CutTable[2].Overlap, CutTable[2].TurnShift, CutTable[2].Margin,
                                  CutTable[2].TexSize));
        EXPECT_TRUE(IsBigCut(r.sizeIndex));
    }
    EXPECT_FALSE(ValidSizeIndex(0));
    EXPECT_FALSE(ValidSizeIndex(CutCount + 1));
}

TEST(Pieces, RowMajorHomeCells)
{
    Board small = MakeBoard(1);
    EXPECT_EQ(small.Pieces[8].Row, 1);
    EXPECT_EQ(small.Pieces[8].Col, 1);
    Board big = MakeBoard(2);
    EXPECT_EQ(big.Pieces[186].Row, 10);
    EXPECT_EQ(big.Pieces[186].Col, 16);
}

TEST(DrawOrder, BringToTopMovesOnlyThatPiece)
{
    Board b = MakeBoard(1);
    BringToTop(b, 34);
    EXPECT_EQ(b.DrawOrder.size(), 35u);
    EXPECT_EQ(b.DrawOrder.back(), 34);
    EXPECT_EQ(b.DrawOrder.front(), 0);
    BringToTop(b, 0);
    EXPECT_EQ(b.DrawOrder.back(), 0);
    EXPECT_EQ(b.DrawOrder.front(), 1);
    EXPECT_EQ(b.DrawOrder[33], 34);
}

TEST(DrawOrder, BringingManyToTopAtOnceIsBringingEachInTurn)
{
    for (const std::vector<int> &pieces :
         {std::vector<int>{}, {7}, {3, 30, 1, 12}, {5, 9, 5, 2}, {34, 0, 17, 99, -1}}) {
        Board once = MakeBoard(1), each = MakeBoard(1);
        BringToTop(once, {20, 4});
        BringToTop(each, {20, 4});
        BringToTop(once, pieces);
        for (int p : pieces)
            BringToTop(each, p);
        EXPECT_EQ(once.DrawOrder, each.DrawOrder) << pieces.size();
    }
}

TEST(Groups, MembersInJoiningOrder)
{
    Board b = MakeBoard(1);
    b.Groups.push_back({8, 0, 9});
    EXPECT_EQ(b.Members(0), (std::vector<int>{8, 0, 9}));
    EXPECT_TRUE(b.Members(1).empty());
    EXPECT_TRUE(b.Members(-1).empty());
}

// The 7 x 5 cut joined whole but for one piece: only members with all
// eight neighbours joined and shown have their shadow covered.
TEST(Groups, ShadowCoveredOnlyInTheMiddleOfAGroup)
{
    Board b = MakeBoard(1);
    const int cols = b.Cut().Cols, loose = 2 * cols + 5; // row 2, column 5
    for (int i = 0; i < b.Pieces.Count(); ++i)
        b.Pieces[i].Group = i == loose ? -1 : 0;
    std::vector<char> shown(size_t(b.Pieces.Count()), 1);
    const int hidden = 3 * cols + 2; // row 3, column 2
    const auto covered = [&](int row, int col) { return bool(CoveredShadows(b, shown)[size_t(row * cols + col)]); };
    EXPECT_TRUE(covered(1, 1));
    EXPECT_FALSE(covered(0, 3)) << "an edge piece's shadow lies beyond the group";
    EXPECT_FALSE(covered(1, 4)) << "beside the loose piece";
    EXPECT_FALSE(covered(2, 5)) << "the loose piece itself";
    shown[size_t(hidden)] = 0;
    EXPECT_FALSE(covered(2, 2)) << "beside a hidden neighbour";
    EXPECT_FALSE(covered(2, 1));
    EXPECT_TRUE(covered(1, 2));
}

TEST(GameTime, CountsHoursBeyondADayAndParsesBack)
{
    const struct {
        int64_t seconds;
        const char *text;
    } rows[] = {{0, "0:00:00"}, {7 * 60 + 41, "0:07:41"}, {86399, "23:59:59"}, {27 * 3600 + 13 * 60 + 5, "27:13:05"},
                {100 * 3600, "100:00:00"}};
    for (const auto &r : rows) {
        EXPECT_EQ(FormatGameTime(r.seconds), r.text);
        int64_t s = -1;
        EXPECT_TRUE(ParseGameTime(r.text, s)) << r.text;
        EXPECT_EQ(s, r.seconds);
    }
    int64_t s = -1;
    EXPECT_TRUE(ParseGameTime("00:00:00", s));
    for (const char *bad : {"1:60:00", "0:00:60", "2401:00:00", "12345:00:00", "junk"})
        EXPECT_FALSE(ParseGameTime(bad, s)) << bad;
}
