// Where a game's piece textures sit in their shared atlas, over as many
// pages as the card's largest texture asks for.
#include <gtest/gtest.h>

#include "board/Board.h"
#include "picture/AtlasLayout.h"

TEST(AtlasLayout, SlotsRunRowByRowWithinTheWidestRow)
{
    const TAtlasLayout a = TAtlasLayout::For(2000, 64, 2048, 16384);
    EXPECT_EQ(a.Width, 2048);
    EXPECT_EQ(a.PageCount, 1);
    EXPECT_EQ(a.PerRow(), 32);
    EXPECT_GE(a.Capacity(), 2000);
    EXPECT_LT(a.Capacity() - 2000, a.PerRow()); // no more rows than needed
    EXPECT_EQ(a.SlotRect(1), QRect(0, 0, 64, 64));
    EXPECT_EQ(a.SlotRect(33), QRect(0, 64, 64, 64));
    EXPECT_TRUE(a.SlotRect(0).isEmpty());
    EXPECT_TRUE(a.SlotRect(uint32_t(a.Capacity()) + 1).isEmpty());
    const QRectF uv = a.SlotCoords(34);
    EXPECT_DOUBLE_EQ(uv.left(), 64.0 / a.Width);
    EXPECT_DOUBLE_EQ(uv.top(), 64.0 / a.Height);
    EXPECT_DOUBLE_EQ(uv.width(), 64.0 / a.Width);
}

TEST(AtlasLayout, ASmallCardSpreadsTheSlotsOverPages)
{
    const TAtlasLayout a = TAtlasLayout::For(2000, 64, 2048, 1024);
    EXPECT_EQ(a.Width, 1024);
    EXPECT_EQ(a.Height, 1024);
    EXPECT_EQ(a.PerPage(), 256);
    EXPECT_EQ(a.PageCount, 8); // 2000 slots of 256 a page
    EXPECT_EQ(a.PageOf(256), 0);
    EXPECT_EQ(a.PageOf(257), 1);
    EXPECT_EQ(a.SlotRect(257), QRect(0, 0, 64, 64)); // the next page starts over
    EXPECT_EQ(a.SlotRect(2000), a.SlotRect(2000 - 7 * 256));
    EXPECT_EQ(a.PageOf(uint32_t(a.Capacity()) + 1), -1);
}

TEST(AtlasLayout, AFewSlotsMakeANarrowAtlasAndASlotBeyondTheCardNone)
{
    const TAtlasLayout few = TAtlasLayout::For(3, 128, 2048, 16384);
    EXPECT_EQ(few.Width, 3 * 128);
    EXPECT_EQ(few.Height, 128);
    EXPECT_EQ(TAtlasLayout::For(2000, 64, 2048, 32).Side, 0);
    EXPECT_EQ(TAtlasLayout::For(0, 64, 2048, 16384).Side, 0);
}

TEST(AtlasLayout, ACutTooBigForTheCardIsKnownBeforeItIsCut)
{
    const TCutInfo &biggest = CutTable[CutCount];
    EXPECT_TRUE(CutFitsCard(biggest, 1024));
    EXPECT_FALSE(CutFitsCard(biggest, biggest.TexSize - 1));
    EXPECT_FALSE(CutFitsCard(biggest, 256)); // pages of 16 slots: far too many
}
