// The comforts of play: edge pieces first, pause and the clock, keys during
// a drag, the progress count.
#include <gtest/gtest.h>

#include "PlayTestBoard.h"
#include "board/EdgeFilter.h"
#include "play/Clock.h"
#include "play/Drag.h"
#include "play/DragKeys.h"
#include "play/Fitting.h"
#include "play/HitTest.h"
#include "play/Pause.h"
#include "play/Progress.h"

using namespace play;

namespace {

// A 35-piece game in play with piece p's hit square at (x, y).
void PlaceAt(Board &b, int p, int x, int y)
{
    b.Pieces[p].X = x - b.Cut().Margin;
    b.Pieces[p].Y = y - b.Cut().Margin;
}

// The first piece of the cut that is not on its border.
int InnerPiece(const Board &b)
{
    for (int i = 0; i < b.Pieces.Count(); ++i)
        if (!IsEdgePiece(b.Cut(), b.Pieces[i]))
            return i;
    return -1;
}

} // namespace

TEST(EdgeFilter, InnerPiecesAndGroupsHideAndComeBackInPlace)
{
    Board b = MakeBoard(1);
    const int inner = InnerPiece(b), above = inner - b.Cut().Cols; // its neighbour on the border
    ASSERT_TRUE(IsEdgePiece(b.Cut(), b.Pieces[above]));
    PlaceAt(b, inner, 100, 100);
    PlaceAt(b, above, 400, 100);
    b.EdgeOnly = true;
    EXPECT_EQ(PieceAt(b, 100, 100), -1);
    EXPECT_EQ(PieceAt(b, 400, 100), above);

    MakeGroup(b, {inner, inner + 1}); // no edge piece: hidden whole
    EXPECT_EQ(PieceAt(b, 100, 100), -1);
    Board withEdge = b;
    MakeGroup(withEdge, {inner, above}); // an edge piece shows its group
    EXPECT_EQ(PieceAt(withEdge, 100, 100), inner);

    b.EdgeOnly = false;
    EXPECT_EQ(PieceAt(b, 100, 100), inner);
    EXPECT_EQ(b.Pieces[inner].X, 100 - b.Cut().Margin);
}

TEST(EdgeFilter, AHiddenNeighbourIsNotJoined)
{
    for (bool edgeOnly : {false, true}) {
        Board b = MakeBoard(1);
        const int inner = InnerPiece(b), above = inner - b.Cut().Cols;
        b.Pieces[inner].X = 100;
        b.Pieces[inner].Y = 100 + Pitch(b.Cut());
        b.Pieces[above].X = 100;
        b.Pieces[above].Y = 100;
        b.EdgeOnly = edgeOnly;
        int n = -1;
        EXPECT_EQ(TestPs(b, above, n), !edgeOnly) << edgeOnly;
    }
}

TEST(Clock, ASecondPassesOnlyOnScreenAndUnpaused)
{
    struct Row {
        bool onScreen, paused;
        int64_t seconds;
    };
    for (const Row &r : {Row{true, false, 1}, Row{false, false, 0}, Row{true, true, 0}, Row{false, true, 0}}) {
        Board b = MakeBoard(1);
        b.Paused = r.paused;
        EXPECT_EQ(TickClock(b, r.onScreen), r.seconds == 1);
        EXPECT_EQ(b.GameTime, r.seconds) << r.onScreen << r.paused;
    }
}

TEST(Pause, OnlyAGameInPlayPausesAndADragGoesBack)
{
    Board b = MakeBoard(1);
    EXPECT_FALSE(Pause(b)); // pieces not shown: no game in play
    b.PiecesVisible = true;
    PlaceAt(b, 3, 100, 100);
    const int x0 = b.Pieces[3].X;
    Press(b, TMouseBtn::Left, 100, 100);
    DragTo(b, 500, 500);
    EXPECT_TRUE(Pause(b));
    EXPECT_FALSE(Pause(b));
    EXPECT_FALSE(b.Dragging);
    EXPECT_EQ(b.Pieces[3].X, x0);
    EXPECT_TRUE(Resume(b));
    EXPECT_FALSE(Resume(b));
    b.JoinCount = PieceCount(b.Cut()) - 1; // finished
    EXPECT_FALSE(Pause(b));
}

TEST(DragKeys, EscPutsAPieceOrAGroupBackWhereTheDragBegan)
{
    for (bool group : {false, true}) {
        Board b = MakeBoard(1);
        PlaceAt(b, 9, 300, 300);
        PlaceAt(b, 10, 300 + Pitch(b.Cut()), 300);
        if (group)
            MakeGroup(b, {9, 10});
        const Board before = b;
        Press(b, TMouseBtn::Left, 300, 300);
        DragTo(b, 700, 650);
        EXPECT_TRUE(CancelDrag(b).Redraw);
        EXPECT_FALSE(b.Dragging);
        for (int p : {9, 10}) {
            EXPECT_EQ(b.Pieces[p].X, before.Pieces[p].X) << group;
            EXPECT_EQ(b.Pieces[p].Y, before.Pieces[p].Y) << group;
        }
        EXPECT_FALSE(CancelDrag(b).Redraw); // no drag: nothing
    }
}

TEST(DragKeys, TurnKeyTurnsTheDraggedPieceWhenTurningIsAllowed)
{
    for (bool allowed : {false, true}) {
        Board b = MakeBoard(1);
        b.RotateEnabled = allowed;
        PlaceAt(b, 4, 100, 100);
        EXPECT_FALSE(TurnDragged(b).StartAniTimer); // no drag yet
        Press(b, TMouseBtn::Left, 100, 100);
        EXPECT_EQ(TurnDragged(b).StartAniTimer, allowed);
        EXPECT_EQ(b.TurnPiece, allowed ? 4 : -1);
        EXPECT_TRUE(b.Dragging);
    }
}

TEST(Progress, CountsPiecesJoinedOfTheCut)
{
    Board b = MakeBoard(2);
    EXPECT_EQ(ProgressText(b), QStringLiteral("0 из %1").arg(PieceCount(b.Cut())));
    MakeGroup(b, {0, 1, 2});
    MakeGroup(b, {}); // an emptied group counts nothing
    EXPECT_EQ(JoinedPieces(b), 3);
    EXPECT_EQ(ProgressText(Board()), QString());
}
