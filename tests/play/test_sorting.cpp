// Sorting a big puzzle: trays, the selection and its band, spreading, the
// first layout of the big cuts, hiding what is assembled, and the trays
// that sort themselves.
#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include "PlayTestBoard.h"
#include "board/EdgeFilter.h"
#include "play/CellGrid.h"
#include "play/ColourSort.h"
#include "play/Drag.h"
#include "play/Fitting.h"
#include "play/HitTest.h"
#include "play/Layout.h"
#include "play/Selection.h"
#include "play/Spread.h"
#include "play/Table.h"
#include "play/Trays.h"

using namespace play;

namespace {

// Where the piece's hit square centre is.
QPoint HitCentre(const Board &b, int p)
{
    const THitSquare s = HitSquare(b, b.Pieces[p]);
    return QPoint((s.Left + s.Right) / 2, (s.Top + s.Bottom) / 2);
}

// Piece p laid `dx` pixels right of where it fits to the left of its
// grid-right neighbour n.
void BesideRight(Board &b, int p, int n, int dx)
{
    b.Pieces[p].X = b.Pieces[n].X - Pitch(b.Cut()) + dx;
    b.Pieces[p].Y = b.Pieces[n].Y;
}

// The area two pieces' CellSize squares share.
int Shared(const Board &b, const Tpiece &p, const Tpiece &q)
{
    const int c = b.Cut().CellSize;
    const int w = std::max(0, c - std::abs(p.X - q.X)), h = std::max(0, c - std::abs(p.Y - q.Y));
    return w * h;
}

// The most any two of the pieces share, pieces of one group apart.
int MostShared(const Board &b, const std::vector<int> &pieces)
{
    int most = 0;
    for (size_t i = 0; i < pieces.size(); ++i)
        for (size_t j = i + 1; j < pieces.size(); ++j) {
            const Tpiece &p = b.Pieces[pieces[i]], &q = b.Pieces[pieces[j]];
            if (p.Group < 0 || p.Group != q.Group)
                most = std::max(most, Shared(b, p, q));
        }
    return most;
}

std::vector<int> AllPieces(const Board &b)
{
    std::vector<int> all;
    for (int i = 0; i < b.Pieces.Count(); ++i)
        all.push_back(i);
    return all;
}

} // namespace

TEST(Trays, GroupGoesInWholeIsOffTheTableAndComesOutInShape)
{
    Board b = MakeBoard(1);
    b.Pieces[1].X = b.Pieces[0].X + Pitch(b.Cut());
    b.Pieces[1].Y = b.Pieces[0].Y;
    MakeGroup(b, {0, 1});
    ASSERT_EQ(PutInTray(b, 2, {5}), 1);
    ASSERT_EQ(PutInTray(b, 2, {1}), 2);
    EXPECT_EQ(b.Trays[2].Pieces, (std::vector<int>{5, 0, 1})); // in the order they came
    const std::vector<char> shown = ShownPieces(b);
    EXPECT_FALSE(shown[0] || shown[1] || shown[5]);
    const QPoint at = HitCentre(b, 5);
    EXPECT_EQ(PieceAt(b, at.x(), at.y()), -1);

    // The loose piece laid where it would join piece 6 stays apart: it is
    // in a tray, and pieces in a tray never snap.
    BesideRight(b, 6, 7, 1);
    b.Pieces[5].X = b.Pieces[6].X - Pitch(b.Cut());
    b.Pieces[5].Y = b.Pieces[6].Y;
    int n = -1;
    EXPECT_FALSE(TestPs(b, 6, n) && n == 5);

    ASSERT_TRUE(TakeOutOfTray(b, 1, 300, 200));
    EXPECT_EQ(HitCentre(b, 1), QPoint(300, 200));
    EXPECT_EQ(b.Pieces[1].X - b.Pieces[0].X, Pitch(b.Cut()));
    EXPECT_EQ(b.Trays[2].Pieces, std::vector<int>{5});
    EXPECT_EQ(b.DrawOrder.back(), 1);
    EXPECT_EQ(PutInTray(b, MaxTrays, {3}), 0);

    RenameTray(b, 2, QStringLiteral("  Небо\n и облака ") + QString(MaxTrayNameChars, QLatin1Char('x')));
    EXPECT_EQ(b.Trays[2].Name.size(), MaxTrayNameChars);
    EXPECT_TRUE(b.Trays[2].Name.startsWith(QStringLiteral("Небо и облака x")));
    RenameTray(b, 2, QStringLiteral(" "));
    EXPECT_EQ(b.Trays[2].Name, DefaultTrayName(2));
}

TEST(Trays, DraggedSelectionGoesInAndAllComeOutApartInTheArea)
{
    Board b = MakeBoard(2);
    ToggleSelected(b, 3);
    ToggleSelected(b, 4);
    const QPoint at = HitCentre(b, 3);
    Press(b, TMouseBtn::Left, at.x(), at.y());
    ASSERT_TRUE(b.DragSelection);
    DragTo(b, at.x() + 500, at.y());
    EXPECT_EQ(PutDraggedInTray(b, 0), 2);
    EXPECT_FALSE(b.Dragging);
    EXPECT_TRUE(b.Selected.empty());
    for (int k = 0; k < 300; ++k)
        PutInTray(b, 1, {10 + k % 170});
    EXPECT_EQ(b.Trays[1].Pieces.size(), 170u);

    const QRect area(0, 0, 1000, 800);
    const std::vector<int> out = TakeAllOutOfTray(b, 1, area);
    EXPECT_EQ(out.size(), 170u);
    EXPECT_TRUE(b.Trays[1].Pieces.empty());
    EXPECT_EQ(MostShared(b, out), 0);
    for (const int p : out)
        EXPECT_TRUE(area.contains(HitCentre(b, p)));
}

TEST(Selection, MovesAsOneAndEveryMemberIsTestedOnTheDrop)
{
    Board b = MakeBoard(1);
    // Two loose pieces, each a few pixels from its true place beside a
    // piece that stays, both a pitch below where the drag starts.
    BesideRight(b, 8, 9, 0);
    BesideRight(b, 22, 23, 0);
    b.Pieces[8].Y += 100;
    b.Pieces[22].Y += 100;
    ToggleSelected(b, 8);
    ToggleSelected(b, 22);
    const QPoint at = HitCentre(b, 8);
    ASSERT_EQ(PieceAt(b, at.x(), at.y()), 8);
    Press(b, TMouseBtn::Left, at.x(), at.y());
    DragTo(b, at.x() + 2, at.y() - 100);
    const TPlayResult r = Drop(b, kBigTable, kBigTable);
    EXPECT_EQ(b.JoinCount, 2);
    EXPECT_TRUE(r.PlayJoinClick || r.PlayMilestone);
    EXPECT_EQ(b.Pieces[8].Group, b.Pieces[9].Group);
    EXPECT_EQ(b.Pieces[22].Group, b.Pieces[23].Group);
    EXPECT_EQ(b.Pieces[8].X, b.Pieces[9].X - Pitch(b.Cut()));
    // The selection now holds the groups it joined.
    EXPECT_TRUE(IsSelected(b, 9) && IsSelected(b, 23));
}

TEST(Selection, TurnsEachGroupAboutItsOwnCentre)
{
    Board b = MakeBoard(1);
    const int pitch = Pitch(b.Cut());
    b.Pieces[1].X = b.Pieces[0].X + pitch;
    b.Pieces[1].Y = b.Pieces[0].Y;
    MakeGroup(b, {0, 1});
    ToggleSelected(b, 0);
    ToggleSelected(b, 12);
    const QPoint loose(b.Pieces[12].X, b.Pieces[12].Y);
    const QPoint centre = (QPoint(b.Pieces[0].X, b.Pieces[0].Y) + QPoint(b.Pieces[1].X, b.Pieces[1].Y)) / 2;

    b.RotateEnabled = false;
    EXPECT_FALSE(TurnSelection(b).Redraw);
    b.RotateEnabled = true;
    const QPoint at = HitCentre(b, 1);
    Press(b, TMouseBtn::Right, at.x(), at.y());
    for (const int p : {0, 1, 12})
        EXPECT_EQ(b.Pieces[p].Rotation, 1);
    EXPECT_EQ(QPoint(b.Pieces[12].X, b.Pieces[12].Y), loose);
    // Turned a quarter clockwise: piece 1 now lies below piece 0, the pair
    // about the same centre.
    EXPECT_EQ(b.Pieces[1].X, b.Pieces[0].X);
    EXPECT_EQ(b.Pieces[1].Y - b.Pieces[0].Y, pitch);
    EXPECT_EQ((QPoint(b.Pieces[0].X, b.Pieces[0].Y) + QPoint(b.Pieces[1].X, b.Pieces[1].Y)) / 2, centre);
}

TEST(Selection, BandTakesPiecesCentredInItWithTheirGroupsAndCtrlClickTakesOneOut)
{
    Board b = MakeBoard(1);
    for (int i = 0; i < b.Pieces.Count(); ++i) {
        b.Pieces[i].X = 100 * (i % 7);
        b.Pieces[i].Y = 100 * (i / 7);
    }
    MakeGroup(b, {9, 30});
    TCellGrid grid;
    grid.Build(b);
    // The centres of columns 1 and 2 of rows 0 and 1 (hit squares are
    // Margin..CellSize of each 100-pixel step).
    SelectInBand(b, grid, QRect(QPoint(150, 50), QPoint(290, 190)));
    std::vector<int> got = b.Selected;
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, (std::vector<int>{1, 2, 8, 9, 30}));
    ToggleSelected(b, 30);
    got = b.Selected;
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, (std::vector<int>{1, 2, 8}));
}

TEST(Spread, LaysEveryLoosePieceApartAroundTheGroupsEdgePiecesFirst)
{
    Board b = MakeBoard(5);
    const TCutInfo &c = b.Cut();
    const QSize table = TableSize(5, 1280, 980);
    // A group of 50 assembled in the middle of the table.
    std::vector<int> group;
    for (int i = 0; i < 50; ++i) {
        const int p = 12 * c.Cols + 10 + (i % 10) + (i / 10) * c.Cols;
        b.Pieces[p].X = table.width() / 2 + (i % 10) * Pitch(c);
        b.Pieces[p].Y = table.height() / 2 + (i / 10) * Pitch(c);
        group.push_back(p);
    }
    MakeGroup(b, group);
    const std::vector<int> loose = LoosePieces(b);
    ASSERT_EQ(loose.size(), size_t(PieceCount(c) - 50));
    const std::vector<TSpreadPlace> places = SpreadPlaces(b, loose, QRect(QPoint(0, 0), table));
    ASSERT_EQ(places.size(), loose.size());
    for (const TSpreadPlace &s : places) {
        b.Pieces[s.Piece].X = s.To.x();
        b.Pieces[s.Piece].Y = s.To.y();
    }
    EXPECT_EQ(MostShared(b, AllPieces(b)), 0);
    size_t edges = 0;
    while (edges < places.size() && IsEdgePiece(c, b.Pieces[places[edges].Piece]))
        ++edges;
    EXPECT_EQ(edges, size_t(2 * (c.Cols + c.Rows) - 4)); // every edge piece before any other
}

TEST(Spread, LostPiecesAreTheLooseOnesNotWhollyInView)
{
    Board b = MakeBoard(1);
    const QRect view(0, 0, 800, 600);
    for (int i = 0; i < b.Pieces.Count(); ++i) {
        b.Pieces[i].X = 100 * (i % 7);
        b.Pieces[i].Y = 80 * (i / 7);
    }
    b.Pieces[3].X = 790;  // half out
    b.Pieces[4].Y = -2000; // far away
    b.Pieces[5].X = 2000;
    MakeGroup(b, {5, 6}); // a group is not lost
    EXPECT_EQ(LostPieces(b, view), (std::vector<int>{3, 4}));
}

TEST(Layout, BigCutScatterCoversNoPieceByMoreThanAFifth)
{
    for (int cut = FirstBigCut; cut <= CutCount; ++cut) {
        SCOPED_TRACE(cut);
        Board b = MakeBoard(cut);
        b.RotateEnabled = true;
        TClockRandom rng;
        const QSize table = TableSize(cut, 1280, 980);
        ScatterPieces(b, rng, table.width(), table.height());
        const int side = b.Cut().CellSize;
        EXPECT_LE(MostShared(b, AllPieces(b)) * 5, side * side);
        for (const Tpiece &p : b.Pieces) {
            EXPECT_GE(p.X, 0);
            EXPECT_LT(p.X, table.width() - side);
        }
    }
}

TEST(HideAssembled, HidesEveryGroupOfTwoOrMore)
{
    Board b = MakeBoard(1);
    MakeGroup(b, {0, 1});
    b.HideAssembled = true;
    const std::vector<char> shown = ShownPieces(b);
    EXPECT_FALSE(shown[0] || shown[1]);
    EXPECT_TRUE(shown[2]);
}

TEST(SelfSortingTrays, ColourSortGathersLikeColoursWithTheirSwatch)
{
    Board b = MakeBoard(1);
    const TCutInfo &c = b.Cut();
    // Left three columns red, the rest blue.
    QImage picture(PictureWidth(c), PictureHeight(c), QImage::Format_RGB888);
    picture.fill(QColor(20, 40, 200));
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < 3 * Pitch(c); ++x)
            picture.setPixelColor(x, y, QColor(220, 30, 30));
    MakeGroup(b, {33, 34}); // groups stay on the table
    PutInTray(b, 5, {0});   // pieces already in a tray are sorted too
    EXPECT_EQ(SortTraysByColour(b, picture), PieceCount(c) - 2);
    int filled = 0;
    for (const TTray &t : b.Trays) {
        if (t.Pieces.empty())
            continue;
        ++filled;
        const QColor swatch = QColor::fromRgb(QRgb(t.Swatch));
        const bool red = swatch.red() > swatch.blue();
        for (const int p : t.Pieces)
            EXPECT_EQ(b.Pieces[p].Col < 3, red) << p;
    }
    EXPECT_EQ(filled, 2);
    EXPECT_EQ(TrayHolding(b, 33), -1);
}

TEST(SelfSortingTrays, ShapeClassesFillATrayEachAndTheSmallestShareTheLast)
{
    struct Row {
        int classes;
        int traysFilled;
    };
    for (const Row &row : {Row{3, 3}, Row{16, MaxTrays}}) {
        SCOPED_TRACE(row.classes);
        Board b = MakeBoard(2);
        TShapeClasses fake;
        fake.Count = row.classes;
        for (int k = 0; k < row.classes; ++k)
            fake.Names << QStringLiteral("класс %1").arg(k);
        // Class k has more pieces the lower k is.
        fake.ClassOf = [&](int piece) { return std::min(row.classes - 1, int(std::sqrt(double(piece)))); };
        EXPECT_EQ(SortTraysByShape(b, fake), b.Pieces.Count());
        int filled = 0;
        for (const TTray &t : b.Trays)
            filled += t.Pieces.empty() ? 0 : 1;
        EXPECT_EQ(filled, row.traysFilled);
        const TTray &last = b.Trays[size_t(row.traysFilled - 1)];
        EXPECT_EQ(last.Name, row.classes > MaxTrays ? QStringLiteral("Прочие") : fake.Names.last());
        // Every piece of a class lies in one tray.
        const std::vector<int> tray = TrayOfPieces(b);
        for (int p = 1; p < b.Pieces.Count(); ++p)
            if (fake.ClassOf(p) == fake.ClassOf(p - 1)) {
                EXPECT_EQ(tray[size_t(p)], tray[size_t(p - 1)]);
            }
    }
}
