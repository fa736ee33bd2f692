// Games and files shared by the saved-game tests.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "persist/SaveGame.h"

// A game in the middle of play: pieces scattered and turned, a custom
// stacking order, a few groups (one emptied by a merge), joins and a clock.
// Groups: gr0 = 3,4,10; gr1 empty; gr2 = 0,1,2,n-1; gr3 = n/2,n/2+1.
inline void MakeGameInPlay(Board &b, uint8_t sizeIndex, unsigned seed)
{
    b.SizeIndex = sizeIndex;
    const TCutInfo &cut = b.Cut();
    const int n = PieceCount(cut);
    std::mt19937 rng(seed);
    b.Pieces.Clear();
    b.Groups.clear();
    b.DrawOrder.clear();
    for (int i = 0; i < n; ++i) {
        Tpiece &p = b.Pieces.Add();
        p.Row = i / cut.Cols;
        p.Col = i % cut.Cols;
        p.X = int(rng() % 1200) - 100;
        p.Y = int(rng() % 800) - 50;
        p.Rotation = uint8_t(rng() % 4);
        p.Group = -1;
        b.DrawOrder.push_back(i);
    }
    std::shuffle(b.DrawOrder.begin(), b.DrawOrder.end(), rng);
    const std::vector<std::vector<int>> groups = {{3, 4, 10}, {}, {0, 1, 2, n - 1}, {n / 2, n / 2 + 1}};
    for (size_t j = 0; j < groups.size(); ++j)
        for (int m : groups[j])
            b.Pieces[m].Group = int(j);
    b.Groups = groups;
    b.OwnImage = sizeIndex == 1;
    b.BgIndex = 2;
    b.JoinCount = 6; // the joins its groups stand for
    b.GameTime = 7 * 60 + 41;
    b.HintsUsed = 2;
    b.RotateEnabled = true;
    b.FlipHor = 1;
    b.FlipVer = 0;
}

// A game one join from its end: every piece but piece 0 in one group laid
// as the picture, piece 0 loose in its true place beside them, so that
// picking it up and dropping it where it lies finishes the picture.
inline void MakeGameOneJoinFromTheEnd(Board &b, uint8_t sizeIndex)
{
    MakeGameInPlay(b, sizeIndex, 1);
    const TCutInfo &cut = b.Cut();
    b.Groups.assign(1, {});
    for (int i = 0; i < b.Pieces.Count(); ++i) {
        Tpiece &p = b.Pieces[i];
        p.X = 40 + p.Col * Pitch(cut);
        p.Y = 40 + p.Row * Pitch(cut);
        p.Rotation = 0;
        p.Group = i == 0 ? -1 : 0;
        if (i > 0)
            b.Groups[0].push_back(i);
    }
    BringToTop(b, 0);
    b.JoinCount = b.Pieces.Count() - 2;
    b.RotateEnabled = false;
}

// The board as cutting leaves it: pieces in home order, nothing else.
inline void MakeFreshlyCut(Board &b, uint8_t sizeIndex)
{
    b.SizeIndex = sizeIndex;
    b.Pieces.Clear();
    b.Groups.clear();
    b.DrawOrder.clear();
    const TCutInfo &cut = b.Cut();
    for (int i = 0; i < PieceCount(cut); ++i) {
        Tpiece &p = b.Pieces.Add();
        p.Row = i / cut.Cols;
        p.Col = i % cut.Cols;
        p.Group = -1;
        b.DrawOrder.push_back(i);
    }
}

inline QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteAll(const QString &path, const QByteArray &data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

// Rewrites one key line of a saved game, or drops it (remove); a key that
// is not there is added at the top of its section.
inline QByteArray WithKey(QByteArray text, const QByteArray &section, const QByteArray &key, const QByteArray &value,
                          bool remove = false)
{
    const int sec = text.indexOf("[" + section + "]\n");
    EXPECT_GE(sec, 0) << section.constData();
    const int at = text.indexOf("\n" + key + "=", sec);
    if (at < 0) {
        const int end = sec + section.size() + 3;
        return text.insert(end, key + "=" + value + "\n");
    }
    const int lineEnd = text.indexOf('\n', at + 1);
    const QByteArray line = remove ? QByteArray() : ("\n" + key + "=" + value);
    return text.replace(at, lineEnd - at, line);
}

// Trays beside the game of MakeGameInPlay: tray 0 renamed with loose
// pieces 5, 7 and group gr3, tray 3 with piece 6 and a swatch; the strip
// closed.
inline void PutGameInTrays(Board &b)
{
    const int n = b.Pieces.Count();
    b.Trays = DefaultTrays();
    b.Trays[0].Name = QStringLiteral("Небо, синее");
    b.Trays[0].Pieces = {7, 5, n / 2, n / 2 + 1};
    b.Trays[3].Pieces = {6};
    b.Trays[3].Swatch = 0x2080c0;
    b.TraysShown = false;
}

inline void ExpectSameTrays(const TSavedGame &a, const TSavedGame &b)
{
    EXPECT_EQ(a.TraysShown, b.TraysShown);
    ASSERT_EQ(a.Trays.size(), b.Trays.size());
    for (size_t k = 0; k < a.Trays.size(); ++k) {
        EXPECT_EQ(a.Trays[k].Name, b.Trays[k].Name) << k;
        EXPECT_EQ(a.Trays[k].Pieces, b.Trays[k].Pieces) << k;
        EXPECT_EQ(a.Trays[k].Swatch, b.Trays[k].Swatch) << k;
    }
}

inline void ExpectSameGame(const TSavedGame &a, const TSavedGame &b)
{
    ExpectSameTrays(a, b);
    EXPECT_EQ(a.SizeIndex, b.SizeIndex);
    EXPECT_EQ(a.OwnImage, b.OwnImage);
    EXPECT_EQ(a.PiecesCount, b.PiecesCount);
    EXPECT_EQ(a.BgIndex, b.BgIndex);
    EXPECT_EQ(a.ImgFileName, b.ImgFileName);
    EXPECT_EQ(a.DrawOrder, b.DrawOrder);
    EXPECT_EQ(a.JoinCount, b.JoinCount);
    EXPECT_EQ(a.GameTime, b.GameTime);
    EXPECT_EQ(a.RotateEnabled, b.RotateEnabled);
    EXPECT_EQ(a.FlipVer, b.FlipVer);
    EXPECT_EQ(a.FlipHor, b.FlipHor);
    EXPECT_EQ(a.HintsUsed, b.HintsUsed);
    ASSERT_EQ(a.Pieces.size(), b.Pieces.size());
    for (size_t i = 0; i < a.Pieces.size(); ++i) {
        EXPECT_EQ(a.Pieces[i].X, b.Pieces[i].X) << i;
        EXPECT_EQ(a.Pieces[i].Y, b.Pieces[i].Y) << i;
        EXPECT_EQ(a.Pieces[i].Col, b.Pieces[i].Col) << i;
        EXPECT_EQ(a.Pieces[i].Row, b.Pieces[i].Row) << i;
        EXPECT_EQ(a.Pieces[i].Group, b.Pieces[i].Group) << i;
        EXPECT_EQ(a.Pieces[i].Rotation, b.Pieces[i].Rotation) << i;
    }
    EXPECT_EQ(a.Groups, b.Groups);
}
