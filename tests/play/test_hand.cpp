// The hand of keyboard play: Tab's round of the loose pieces.
#include <gtest/gtest.h>

#include "PlayTestBoard.h"
#include "board/EdgeFilter.h"
#include "play/Hand.h"

using namespace play;

TEST(Hand, TabGoesRoundTheLoosePiecesEdgePiecesFirstWithTheFilterOn)
{
    for (bool edgeOnly : {false, true}) {
        Board b = MakeBoard(1);
        MakeGroup(b, {0, 1});
        b.EdgeOnly = edgeOnly;
        std::vector<int> expected;
        for (int i = 2; i < b.Pieces.Count(); ++i)
            if (!edgeOnly || IsEdgePiece(b.Cut(), b.Pieces[i]))
                expected.push_back(i);
        std::vector<int> visited;
        int at = 1; // the last jump joined a group since: the round goes on after it
        for (size_t k = 0; k <= expected.size(); ++k)
            visited.push_back(at = NextLoosePiece(b, at, false));
        EXPECT_EQ(std::vector<int>(visited.begin(), visited.end() - 1), expected);
        EXPECT_EQ(visited.back(), expected.front()); // round the end
        EXPECT_EQ(NextLoosePiece(b, expected.front(), true), expected.back());
    }
}
