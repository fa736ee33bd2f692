// The shape class of each piece, from the cut against the bitmaps.
#include <gtest/gtest.h>

#include <set>

#include "TestBoard.h"
#include "base/ProgramFiles.h"
#include "picture/Cutting.h"
#include "play/ShapeClass.h"

namespace {

// The sides of piece (c, r) as its mirrored mask tile draws them: a side
// with opaque pixels well beyond the home cell carries a tab.
TPieceSides SidesInTile(const QImage &mask, const TCutInfo &cut, int c, int r)
{
    const int n = cut.CellSize, m = cut.Margin, p = Pitch(cut);
    const int beyond = 4; // past the side's own gentle curve
    auto opaque = [&](int x0, int x1, int y0, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (mask.constScanLine(r * n + y)[3 * (c * n + x)] == 0)
                    return true;
        return false;
    };
    const bool tab[4] = {opaque(m + p + beyond, n, m, m + p), opaque(m, m + p, m + p + beyond, n),
                         opaque(0, m - beyond, m, m + p), opaque(m, m + p, 0, m - beyond)};
    const bool flat[4] = {c == cut.Cols - 1, r == cut.Rows - 1, c == 0, r == 0};
    TPieceSides s;
    for (int d = 0; d < 4; ++d)
        s[size_t(d)] = flat[d] ? TSide::Flat : tab[d] ? TSide::Tab : TSide::Blank;
    return s;
}

} // namespace

TEST(ShapeClass, EveryCutAndMirroringAgreesWithTheBitmaps)
{
    const QString old = ProgramDir();
    SetProgramDir(QStringLiteral(JIGSY_PROGRAM_DIR));
    for (int sizeIndex = 1; sizeIndex <= CutCount; ++sizeIndex)
        for (int flips = 0; flips < 4; ++flips) {
            SCOPED_TRACE(testing::Message() << "cut " << sizeIndex << " flips " << flips);
            Board b = MakeBoard(sizeIndex);
            b.FlipHor = flips & 1;
            b.FlipVer = flips >> 1;
            TCutAssets assets;
            QString file;
            ASSERT_EQ(LoadCutAssets(sizeIndex, b.FlipHor, b.FlipVer, false, assets, file), TAssetResult::Ok);
            int wrong = 0;
            for (int i = 0; i < b.Pieces.Count(); ++i) {
                const TPieceSides seen = SidesInTile(assets.Mask, b.Cut(), b.Pieces[i].Col, b.Pieces[i].Row);
                for (bool turning : {false, true})
                    wrong += ShapeClassOf(b, i, turning) != ShapeClassOfSides(seen, turning);
            }
            EXPECT_EQ(wrong, 0);
        }
    SetProgramDir(old);
}

// Turned pieces are told apart up to a quarter turn, unturned ones by every
// side; every class has its own name.
TEST(ShapeClass, TurningMergesRotationsAndEveryClassIsNamed)
{
    std::set<int> fixed, turning;
    for (int bits = 0; bits < 16; ++bits) {
        TPieceSides s, turned;
        for (int d = 0; d < 4; ++d) {
            s[size_t(d)] = bits & (1 << d) ? TSide::Tab : TSide::Blank;
            turned[size_t((d + 1) % 4)] = s[size_t(d)];
        }
        EXPECT_EQ(ShapeClassOfSides(s, true), ShapeClassOfSides(turned, true)) << bits;
        fixed.insert(ShapeClassOfSides(s, false));
        turning.insert(ShapeClassOfSides(s, true));
    }
    EXPECT_EQ(int(fixed.size()) + 2, ShapeClassCount(false));
    EXPECT_EQ(int(turning.size()) + 2, ShapeClassCount(true));
    const TPieceSides edge{TSide::Flat, TSide::Tab, TSide::Blank, TSide::Tab};
    const TPieceSides corner{TSide::Flat, TSide::Flat, TSide::Blank, TSide::Tab};
    EXPECT_EQ(ShapeClassOfSides(edge, true), EdgeClass);
    EXPECT_EQ(ShapeClassOfSides(corner, false), CornerClass);
    for (bool t : {false, true}) {
        std::set<QString> names;
        for (int cls = 0; cls < ShapeClassCount(t); ++cls)
            names.insert(ShapeClassName(cls, t));
        EXPECT_EQ(int(names.size()), ShapeClassCount(t));
        EXPECT_FALSE(names.count(QString()));
        EXPECT_TRUE(ShapeClassName(ShapeClassCount(t), t).isEmpty());
    }
    EXPECT_EQ(ShapeClassOf(MakeBoard(1), 35, true), -1);
}
