// The hint: the piece that belongs at the open side under the pointer.
#include <gtest/gtest.h>

#include "PlayTestBoard.h"
#include "play/Hint.h"

using namespace play;

TEST(Hint, TheOpenSideUnderThePointerNamesItsMissingNeighbourThroughTheTurn)
{
    Board b = MakeBoard(2);
    const TCutInfo &c = b.Cut();
    const int cols = c.Cols, pitch = Pitch(c), half = HalfTex(c);
    // Pieces 0 and 1 joined at (1000, 1000); 2 (right of 1) and cols + 1
    // (below 1) are still loose, far away.
    MakeGroup(b, {0, 1});
    b.Pieces[0].X = 1000;
    b.Pieces[0].Y = 1000;
    b.Pieces[1].X = 1000 + pitch;
    b.Pieces[1].Y = 1000;
    const QPointF middleOf1(1000 + pitch + half, 1000 + half);
    EXPECT_EQ(HintAt(b, middleOf1 + QPointF(pitch, 0)), 2);
    EXPECT_EQ(HintAt(b, middleOf1 + QPointF(0, pitch)), cols + 1);
    EXPECT_EQ(HintAt(b, QPointF(100, 100)), -1); // over no side at all
    // Turned a half turn, the right neighbour's place is on the left.
    for (int i : {0, 1})
        b.Pieces[i].Rotation = 2;
    b.Pieces[1].X = 1000 - pitch;
    EXPECT_EQ(HintAt(b, QPointF(1000 - 2 * pitch + half, 1000 + half)), 2);

    StartHint(b, 2);
    EXPECT_EQ(b.HintsUsed, 1);
    int ticks = 0;
    while (TickHint(b))
        ++ticks;
    EXPECT_EQ(ticks, kHintTicks);
    EXPECT_EQ(b.HintPiece, -1);
}
