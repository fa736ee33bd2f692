// Taking moves back: the table before each move, back and forth, at most
// the last TUndo::kSteps of them.
#include <gtest/gtest.h>

#include "PlayTestBoard.h"
#include "play/Undo.h"

using namespace play;

TEST(Undo, StepsGoBackAndForthAndANewMoveForgetsWhatWasUndone)
{
    Board b = MakeBoard(1);
    const TTableState start = TakeTable(b);
    TUndo undo;
    for (size_t k = 0; k < TUndo::kSteps + 3; ++k) {
        undo.Record(TakeTable(b));
        b.Pieces[0].X += 10;
        b.Pieces[1].Rotation = uint8_t((b.Pieces[1].Rotation + 1) % 4);
        BringToTop(b, int(k % 5));
    }
    const TTableState last = TakeTable(b);
    size_t back = 0;
    while (undo.Undo(b))
        ++back;
    EXPECT_EQ(back, TUndo::kSteps);
    EXPECT_FALSE(TakeTable(b) == start); // the oldest steps are gone
    EXPECT_EQ(b.Pieces[0].X, start.Pieces[0].X + 30);
    while (undo.Redo(b)) {
    }
    EXPECT_TRUE(TakeTable(b) == last);

    ASSERT_TRUE(undo.Undo(b));
    undo.Record(TakeTable(b));
    EXPECT_FALSE(undo.CanRedo());
    // A state of another set of pieces is never put on the board.
    Board other = MakeBoard(2);
    EXPECT_FALSE(undo.Undo(other));
}
