// The table of each cut: the window for the classic cuts, a larger one for
// the big cuts, whose edge layout gives every piece a slot of its own round
// the free home area.
#include <gtest/gtest.h>

#include <set>

#include "PlayTestBoard.h"
#include "play/HitTest.h"
#include "play/Layout.h"
#include "play/HomeArea.h"
#include "play/Table.h"

using namespace play;

TEST(Table, ClassicCutsPlayOnTheWindowItself)
{
    for (int cut : {1, 2}) {
        EXPECT_EQ(TableSize(cut, 1016, 650), QSize(1016, 650));
        EXPECT_EQ(TableOnResize(cut, QSize(1016, 650), QSize(800, 500)), QSize(800, 500));
    }
}

TEST(Table, BigCutsGrowWithTheWindowAndNeverShrink)
{
    const QSize table = TableSize(CutCount, 1280, 950);
    EXPECT_EQ(TableOnResize(CutCount, table, QSize(800, 500)), table);
    EXPECT_EQ(TableOnResize(CutCount, table, table + QSize(300, 0)), table + QSize(300, 0));
}

TEST(Table, BigCutsLayEveryPieceOnASlotOfItsOwnRoundTheHomeArea)
{
    for (int cut = FirstBigCut; cut <= CutCount; ++cut)
        for (const QSize window : {QSize(1280, 950), QSize(700, 500)}) {
            SCOPED_TRACE(QStringLiteral("cut %1 in %2 x %3").arg(cut).arg(window.width()).arg(window.height()).toStdString());
            const QSize table = TableSize(cut, window.width(), window.height());
            EXPECT_GE(table.width(), window.width());
            EXPECT_GE(table.height(), window.height());
            EXPECT_NEAR(double(table.width()) / table.height(), double(window.width()) / window.height(), 0.01);

            Board b = MakeBoard(cut);
            TScriptedRandom rng({}, 3);
            ASSERT_TRUE(NewGame(b, rng, table.width(), table.height(), true, [] { return true; }));
            const TCutInfo &c = b.Cut();
            const QRect home = HomeArea(c, table.width(), table.height());
            std::set<std::pair<int, int>> places;
            for (const Tpiece &p : b.Pieces) {
                places.insert({p.X, p.Y});
                EXPECT_FALSE(PieceOverlaps(c, p.X, p.Y, home)) << p.X << "," << p.Y;
                const THitSquare s = HitSquare(b, p);
                EXPECT_TRUE(s.Left >= 0 && s.Top >= 0 && s.Right <= table.width() && s.Bottom <= table.height());
            }
            EXPECT_EQ(int(places.size()), PieceCount(c));
        }
}
