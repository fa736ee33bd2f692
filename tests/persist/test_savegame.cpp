// Saved games: what is written, in which order, what comes back, and which
// files are refused.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "AnyNamedFile.h"
#include "base/FileWrite.h"
#include "persist/SaveGame.h"
#include "SaveGameTestUtil.h"
#include "play/Fitting.h"

namespace {

class SaveGameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // Part UTF-8, part an older encoding: stored and found byte for byte.
        pictureFile = std::make_unique<TAnyNamedFile>(dir.filePath(DecodeFileName("Картинка \xE9t\xE9 1.jpg")),
                                                      "not read by the saved-game layer");
        picture = pictureFile->Path();
    }
    QString Path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    std::unique_ptr<TAnyNamedFile> pictureFile;
    QString picture;
};

} // namespace

TEST_F(SaveGameTest, GameInPlayComesBackExactlyForEveryCut)
{
    for (uint8_t size : {uint8_t(1), uint8_t(2), uint8_t(CutCount)}) {
        SCOPED_TRACE(int(size));
        Board played;
        MakeGameInPlay(played, size, 17u + size);
        const QString path = Path(QStringLiteral("game%1.jgy").arg(size));
        QString error;
        ASSERT_TRUE(WriteSavedGame(path, SavedGameFromBoard(played, picture), &error)) << error.toStdString();

        Board table; // another game is on the table while loading
        TSavedGame g;
        QString message;
        ASSERT_EQ(ReadSavedGame(path, table, g, &message), TSaveCheck::Ok) << message.toStdString();
        ExpectSameGame(g, SavedGameFromBoard(played, picture));

        // Cut again, then the stored state goes on top of the fresh pieces.
        MakeFreshlyCut(table, g.SizeIndex);
        ASSERT_TRUE(ApplySavedPieces(table, g));
        EXPECT_EQ(table.DrawOrder, played.DrawOrder);
        EXPECT_EQ(table.Groups, played.Groups);
        for (int i = 0; i < played.Pieces.Count(); ++i) {
            EXPECT_EQ(table.Pieces[i].X, played.Pieces[i].X);
            EXPECT_EQ(table.Pieces[i].Y, played.Pieces[i].Y);
            EXPECT_EQ(table.Pieces[i].Rotation, played.Pieces[i].Rotation);
            EXPECT_EQ(table.Pieces[i].Group, played.Pieces[i].Group);
        }
    }
}

TEST_F(SaveGameTest, ApplyRefusesABoardCutIntoAnotherNumberOfPieces)
{
    Board played;
    MakeGameInPlay(played, 2, 5);
    const TSavedGame g = SavedGameFromBoard(played, picture);
    Board table;
    MakeFreshlyCut(table, 1);
    const std::vector<int> before = table.DrawOrder;
    EXPECT_FALSE(ApplySavedPieces(table, g));
    EXPECT_EQ(table.DrawOrder, before);
    EXPECT_TRUE(table.Groups.empty());
}

TEST_F(SaveGameTest, SmallerGameOverALargerOneLoadsAsTheSmallerOne)
{
    const QString path = Path(QStringLiteral("over.jgy"));
    Board big, small;
    MakeGameInPlay(big, 2, 1);
    for (int k = 0; k < 6; ++k) // more group items than the small game has
        big.Groups.emplace_back();
    MakeGameInPlay(small, 1, 2);
    ASSERT_TRUE(WriteSavedGame(path, SavedGameFromBoard(big, picture)));
    ASSERT_TRUE(WriteSavedGame(path, SavedGameFromBoard(small, picture)));

    const QByteArray text = ReadAll(path);
    EXPECT_TRUE(text.contains("[piece186]")); // the old sections stay ...
    EXPECT_TRUE(text.contains("gr9="));
    EXPECT_EQ(text.count("[Set]"), 1); // ... and the keys are replaced in place

    TSavedGame g;
    QString message;
    ASSERT_EQ(ReadSavedGame(path, Board(), g, &message), TSaveCheck::Ok) << message.toStdString();
    ExpectSameGame(g, SavedGameFromBoard(small, picture)); // ... and are never read
}

TEST_F(SaveGameTest, FreshFileHoldsSectionsAndKeysInWriteOrder)
{
    Board b;
    MakeGameInPlay(b, 1, 3);
    b.GameTime = 7 * 60 + 41;
    b.JoinCount = 12;
    b.TableW = 1900;
    b.TableH = 1200;
    b.HintsUsed = 3;
    b.DrawOrder.clear();
    for (int i = 34; i >= 0; --i)
        b.DrawOrder.push_back(i);
    const QString path = Path(QStringLiteral("fresh.jgy"));
    ASSERT_TRUE(WriteSavedGame(path, SavedGameFromBoard(b, picture)));
    const QString text = DecodeFileName(ReadAll(path));
    const QStringList lines = text.split(QLatin1Char('\n'));

    QStringList reversed;
    for (int i = 34; i >= 0; --i)
        reversed.append(QString::number(i));
    const QStringList head = {
        QStringLiteral("[Set]"),
        QStringLiteral("psind=1"),
        QStringLiteral("OwnerImg=1"),
        QStringLiteral("piecesCount=35"),
        QStringLiteral("bgind=2"),
        QStringLiteral("ImgFileName=") + picture,
        QStringLiteral("PPosLst=") + reversed.join(QLatin1Char(',')),
        QStringLiteral("Spind=12"),
        QStringLiteral("Time=0:07:41"),
        QStringLiteral("RotateEnabled=1"),
        QStringLiteral("RotateVer=0"),
        QStringLiteral("RotateHor=1"),
        QStringLiteral("TableW=1900"),
        QStringLiteral("TableH=1200"),
        QStringLiteral("Hints=3"),
        QStringLiteral("[piece0]"),
        QStringLiteral("FX=%1").arg(b.Pieces[0].X),
        QStringLiteral("FY=%1").arg(b.Pieces[0].Y),
        QStringLiteral("FXC=0"),
        QStringLiteral("FYC=0"),
        QStringLiteral("grind=2"),
        QStringLiteral("Rotate=%1").arg(b.Pieces[0].Rotation),
        QStringLiteral("[piece1]"),
    };
    ASSERT_GE(lines.size(), head.size());
    EXPECT_EQ(lines.mid(0, head.size()), head);

    // Sections: Set, piece0 .. piece34, Groups; six keys a piece.
    QStringList sections;
    for (const QString &l : lines)
        if (l.startsWith(QLatin1Char('[')))
            sections.append(l);
    ASSERT_EQ(sections.size(), 37);
    for (int i = 0; i < 35; ++i)
        EXPECT_EQ(sections[i + 1], QStringLiteral("[piece%1]").arg(i));
    EXPECT_EQ(sections.last(), QStringLiteral("[Groups]"));
    const int p8 = lines.indexOf(QStringLiteral("[piece8]"));
    EXPECT_EQ(lines[p8 + 3], QStringLiteral("FXC=1"));
    EXPECT_EQ(lines[p8 + 4], QStringLiteral("FYC=1"));

    const int groups = lines.indexOf(QStringLiteral("[Groups]"));
    const QStringList tail = {
        QStringLiteral("count=4"), QStringLiteral("gr0=3,4,10"), QStringLiteral("gr1="),
        QStringLiteral("gr2=0,1,2,34"), QStringLiteral("gr3=17,18"),
    };
    EXPECT_EQ(lines.mid(groups + 1, tail.size()), tail);
    EXPECT_EQ(groups + 1 + tail.size(), lines.size() - 1); // then only the final line end
}

TEST_F(SaveGameTest, ClockOfADayOrMoreComesBackWhole)
{
    Board b;
    MakeGameInPlay(b, 1, 4);
    b.GameTime = 86400 + 3600 + 60 + 1; // one day and 1:01:01
    const QString path = Path(QStringLiteral("long.jgy"));
    ASSERT_TRUE(WriteSavedGame(path, SavedGameFromBoard(b, picture)));
    EXPECT_TRUE(ReadAll(path).contains("\nTime=25:01:01\n"));
    TSavedGame g;
    ASSERT_EQ(ReadSavedGame(path, Board(), g), TSaveCheck::Ok);
    EXPECT_EQ(g.GameTime, b.GameTime);
}

TEST_F(SaveGameTest, UnwritablePlaceReportsTheFileAndLeavesTheOldOneWhole)
{
    Board b;
    MakeGameInPlay(b, 1, 6);
    const QString blocked = Path(QStringLiteral("no-such-folder/game.jgy"));
    QString error;
    EXPECT_FALSE(WriteSavedGame(blocked, SavedGameFromBoard(b, picture), &error));
    EXPECT_EQ(error, WriteFailureText(blocked, ENOENT));
}

// ---- files that are refused ----

namespace {

struct THostileCase {
    const char *what;
    std::function<QByteArray(const QByteArray &)> edit;
    TSaveCheck expected;
};

} // namespace

TEST_F(SaveGameTest, HostileFilesAreRefusedAndLeaveNothingHalfRead)
{
    Board b;
    MakeGameInPlay(b, 1, 9); // groups: gr0 = 3,4,10; gr1 empty; gr2 = 0,1,2,34; gr3 = 17,18
    const QString good = Path(QStringLiteral("good.jgy"));
    ASSERT_TRUE(WriteSavedGame(good, SavedGameFromBoard(b, picture)));
    const QByteArray text = ReadAll(good);
    QByteArray longList = "0";
    while (longList.size() <= 2047)
        longList += ",0";

    const std::vector<THostileCase> cases = {
        {"psind of no cut", [](auto t) { return WithKey(t, "Set", "psind", QByteArray::number(CutCount + 1)); },
         TSaveCheck::Invalid},
        {"psind 0", [](auto t) { return WithKey(t, "Set", "psind", "0"); }, TSaveCheck::Invalid},
        {"table of negative width", [](auto t) { return WithKey(t, "Set", "TableW", "-5"); }, TSaveCheck::Invalid},
        {"hints below zero", [](auto t) { return WithKey(t, "Set", "Hints", "-1"); }, TSaveCheck::Invalid},
        {"piecesCount of the other cut", [](auto t) { return WithKey(t, "Set", "piecesCount", "187"); },
         TSaveCheck::Invalid},
        {"piecesCount missing", [](auto t) { return WithKey(t, "Set", "piecesCount", "", true); },
         TSaveCheck::Invalid},
        {"PPosLst missing", [](auto t) { return WithKey(t, "Set", "PPosLst", "", true); }, TSaveCheck::Invalid},
        {"PPosLst empty", [](auto t) { return WithKey(t, "Set", "PPosLst", ""); }, TSaveCheck::Invalid},
        {"PPosLst names no piece",
         [](auto t) {
             QByteArray l;
             for (int i = 1; i <= 35; ++i)
                 l += QByteArray::number(i) + (i < 35 ? "," : "");
             return WithKey(t, "Set", "PPosLst", l);
         },
         TSaveCheck::Invalid},
        {"PPosLst twice the same",
         [](auto t) {
             QByteArray l = "0";
             for (int i = 0; i < 34; ++i)
                 l += "," + QByteArray::number(i);
             return WithKey(t, "Set", "PPosLst", l);
         },
         TSaveCheck::Invalid},
        {"PPosLst one short",
         [](auto t) {
             QByteArray l = "0";
             for (int i = 1; i < 34; ++i)
                 l += "," + QByteArray::number(i);
             return WithKey(t, "Set", "PPosLst", l);
         },
         TSaveCheck::Invalid},
        {"PPosLst negative", [](auto t) { return WithKey(t, "Set", "PPosLst", "-1"); }, TSaveCheck::Invalid},
        {"PPosLst text", [](auto t) { return WithKey(t, "Set", "PPosLst", "a,b"); }, TSaveCheck::Invalid},
        {"PPosLst over 2047 characters", [&](auto t) { return WithKey(t, "Set", "PPosLst", longList); },
         TSaveCheck::Invalid},
        {"picture path over 2047 characters",
         [&](auto t) { return WithKey(t, "Set", "ImgFileName", EncodeFileName(picture) + QByteArray(2048, ' ') + "x"); },
         TSaveCheck::Invalid},
        {"Spind beyond the pieces", [](auto t) { return WithKey(t, "Set", "Spind", "35"); }, TSaveCheck::Invalid},
        {"Spind negative", [](auto t) { return WithKey(t, "Set", "Spind", "-1"); }, TSaveCheck::Invalid},
        {"grind beyond the groups", [](auto t) { return WithKey(t, "piece5", "grind", "4"); }, TSaveCheck::Invalid},
        {"grind below -1", [](auto t) { return WithKey(t, "piece5", "grind", "-2"); }, TSaveCheck::Invalid},
        {"grind names a group that does not list it",
         [](auto t) { return WithKey(t, "piece5", "grind", "0"); }, TSaveCheck::Invalid},
        {"listed piece with grind -1", [](auto t) { return WithKey(t, "piece3", "grind", "-1"); },
         TSaveCheck::Invalid},
        {"group lists no piece", [](auto t) { return WithKey(t, "Groups", "gr1", "35"); }, TSaveCheck::Invalid},
        {"group holds a piece of another group", [](auto t) { return WithKey(t, "Groups", "gr0", "3,4,10,0"); },
         TSaveCheck::Invalid},
        {"group lists a piece twice", [](auto t) { return WithKey(t, "Groups", "gr0", "3,4,10,3"); },
         TSaveCheck::Invalid},
        {"count negative", [](auto t) { return WithKey(t, "Groups", "count", "-1"); },
         TSaveCheck::Invalid},
        {"count huge", [](auto t) { return WithKey(t, "Groups", "count", "2000000000"); }, TSaveCheck::Invalid},
        {"group list text", [](auto t) { return WithKey(t, "Groups", "gr0", "3,four,10"); }, TSaveCheck::Invalid},
        {"group member past 32 bits (2^32 + 10)",
         [](auto t) { return WithKey(t, "Groups", "gr0", "3,4,4294967306"); }, TSaveCheck::Invalid},
        {"FXC not its column", [](auto t) { return WithKey(t, "piece8", "FXC", "2"); }, TSaveCheck::Invalid},
        {"FYC not its row", [](auto t) { return WithKey(t, "piece8", "FYC", "0"); }, TSaveCheck::Invalid},
        {"piece section missing (its place defaults to the first one)",
         [](auto t) {
             for (const char *k : {"FX", "FY", "FXC", "FYC", "grind", "Rotate"})
                 t = WithKey(t, "piece9", k, "", true);
             return t;
         },
         TSaveCheck::Invalid},
        {"FX far away", [](auto t) { return WithKey(t, "piece8", "FX", "1000001"); }, TSaveCheck::Invalid},
        {"FY far away", [](auto t) { return WithKey(t, "piece8", "FY", "-1000001"); }, TSaveCheck::Invalid},
        {"picture gone", [](auto t) { return WithKey(t, "Set", "ImgFileName", "/no/such/picture.jpg"); },
         TSaveCheck::PictureMissing},
        {"picture path missing", [](auto t) { return WithKey(t, "Set", "ImgFileName", "", true); },
         TSaveCheck::PictureMissing},
        {"picture path is a folder", [&](auto t) { return WithKey(t, "Set", "ImgFileName", dir.path().toUtf8()); },
         TSaveCheck::PictureMissing},
        {"not a saved game at all", [](auto) { static const char png[] = "\x89PNG\r\n\x1a\n\0\0\0garbage";
             return QByteArray(png, sizeof png - 1); },
         TSaveCheck::PictureMissing},
    };

    const QString bad = Path(QStringLiteral("bad file.jgy"));
    for (const THostileCase &c : cases) {
        SCOPED_TRACE(c.what);
        WriteAll(bad, c.edit(text));
        TSavedGame out;
        out.JoinCount = 777; // a marker: a refused file leaves the result as it was
        out.ImgFileName = QStringLiteral("untouched");
        QString message;
        EXPECT_EQ(ReadSavedGame(bad, b, out, &message), c.expected);
        EXPECT_EQ(out.JoinCount, 777);
        EXPECT_EQ(out.ImgFileName, QStringLiteral("untouched"));
        EXPECT_TRUE(out.Pieces.empty());
        if (c.expected == TSaveCheck::Invalid) {
            EXPECT_TRUE(message.contains(bad)) << message.toStdString();
            EXPECT_TRUE(message.contains(QStringLiteral("испорчен"))) << message.toStdString();
        } else {
            EXPECT_EQ(message, QStringLiteral("Файл картинки не найден!"));
        }
    }

    TSavedGame out;
    EXPECT_EQ(ReadSavedGame(Path(QStringLiteral("never written.jgy")), b, out), TSaveCheck::PictureMissing);
}

TEST_F(SaveGameTest, ReaderTakesDefaultsHexAndAnyCaseOfNames)
{
    Board b;
    MakeGameInPlay(b, 1, 10);
    const QString path = Path(QStringLiteral("odd.jgy"));
    ASSERT_TRUE(WriteSavedGame(path, SavedGameFromBoard(b, picture)));
    QByteArray t = ReadAll(path);
    t = WithKey(t, "piece8", "FX", "0x10");
    t = WithKey(t, "piece8", "Rotate", "", true);      // default 0
    t = WithKey(t, "Set", "Time", "", true);           // default 00:00:00
    t = WithKey(t, "Set", "RotateEnabled", "", true);  // default true
    t = WithKey(t, "Set", "Spind", "", true);          // default: the table's
    t = WithKey(t, "Set", "psind", "", true);          // default: the table's cut
    t = WithKey(t, "Groups", "gr1", "3,4");           // left behind by an absorbed group
    t.replace("[Groups]", "[GROUPS]");
    t.replace("\npiecesCount=", "\nPIECESCOUNT=");
    t.replace("\n", "\r\n");
    WriteAll(path, t);

    Board table;
    table.SizeIndex = 1;
    table.JoinCount = 5;
    TSavedGame g;
    QString message;
    ASSERT_EQ(ReadSavedGame(path, table, g, &message), TSaveCheck::Ok) << message.toStdString();
    EXPECT_EQ(g.Pieces[8].X, 16);
    EXPECT_EQ(g.Pieces[8].Rotation, 0);
    EXPECT_EQ(g.GameTime, 0);
    EXPECT_TRUE(g.RotateEnabled);
    EXPECT_EQ(g.JoinCount, 5);
    EXPECT_EQ(g.PiecesCount, 35);
    ASSERT_EQ(g.Groups.size(), 4u);
    EXPECT_EQ(g.Groups[1], (std::vector<int>{3, 4}));
}

TEST_F(SaveGameTest, UnreadableValuesTakeTheirDefaults)
{
    Board b;
    MakeGameInPlay(b, 1, 11); // OwnerImg 1, bgind 2, Spind 6, RotateHor 1, clock 0:07:41
    const QString path = Path(QStringLiteral("unreadable.jgy"));
    ASSERT_TRUE(WriteSavedGame(path, SavedGameFromBoard(b, picture)));
    const QByteArray text = ReadAll(path);
    Board table; // the defaults that come from the game on the table
    table.OwnImage = false;
    table.BgIndex = 6;
    table.JoinCount = 5;

    using TField = std::function<int64_t(const TSavedGame &)>;
    const TField size = [](auto &g) { return g.SizeIndex; }, own = [](auto &g) { return g.OwnImage; },
                 bg = [](auto &g) { return g.BgIndex; }, joins = [](auto &g) { return g.JoinCount; },
                 clock = [](auto &g) { return g.GameTime; }, flip = [](auto &g) { return g.FlipHor; },
                 turn = [](auto &g) { return g.Pieces[8].Rotation; }, x = [](auto &g) { return g.Pieces[8].X; },
                 y = [](auto &g) { return g.Pieces[8].Y; };
    const struct {
        const char *section, *key;
        QByteArray value;
        TField field;
        int64_t expected;
    } rows[] = {
        {"Set", "psind", "one", size, 1},
        {"Set", "OwnerImg", "yes", own, 0},
        {"Set", "bgind", "blue", bg, 6},
        {"Set", "Spind", "12abc", joins, 5},
        {"Set", "Time", "2401:00:00", clock, 0},
        {"Set", "Time", "soon", clock, 0},
        {"Set", "RotateHor", "", flip, 0},
        {"piece8", "Rotate", "6", turn, 2},
        {"piece8", "Rotate", "-1", turn, 3},
        {"piece8", "FX", QByteArray(2048, '1'), x, 0},
        {"piece8", "FY", "", y, 0},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(std::string(r.key) + "=" + r.value.left(20).toStdString());
        WriteAll(path, WithKey(text, r.section, r.key, r.value));
        TSavedGame g;
        QString message;
        ASSERT_EQ(ReadSavedGame(path, table, g, &message), TSaveCheck::Ok) << message.toStdString();
        EXPECT_EQ(r.field(g), r.expected);
        EXPECT_EQ(g.Pieces[9].X, b.Pieces[9].X); // the rest as saved
    }
}

// Games played with the real fitting rules: rows joined into groups, then
// groups dropped onto each other until the picture is whole.  Absorbed
// groups leave their items behind; every state must save and load as it was.
TEST_F(SaveGameTest, EveryStateOfARealGameSavesAndLoads)
{
    for (uint8_t size : {uint8_t(1), uint8_t(2)}) {
        SCOPED_TRACE(int(size));
        Board b;
        MakeFreshlyCut(b, size);
        b.RotateEnabled = false;
        b.OwnImage = false;
        const TCutInfo &cut = b.Cut();
        const int n = PieceCount(cut);
        for (int i = 0; i < n; ++i) { // far apart: nothing captures by chance
            b.Pieces[i].X = 5000 + 300 * i;
            b.Pieces[i].Y = 5000;
        }
        const QString path = Path(QStringLiteral("played.jgy"));
        int states = 0;
        auto roundTrip = [&] {
            ++states;
            const TSavedGame before = SavedGameFromBoard(b, picture);
            ASSERT_TRUE(WriteSavedGame(path, before));
            TSavedGame g;
            QString message;
            ASSERT_EQ(ReadSavedGame(path, Board(), g, &message), TSaveCheck::Ok) << message.toStdString();
            ExpectSameGame(g, before);
            Board again; // as a load does: the flags, a fresh cut, the pieces
            ApplySavedFlags(again, g);
            MakeFreshlyCut(again, g.SizeIndex);
            ASSERT_TRUE(ApplySavedPieces(again, g));
            ExpectSameGame(SavedGameFromBoard(again, picture), before);
        };
        auto drop = [&](int piece) {
            b.DragPiece = piece;
            b.DragGroup = b.Pieces[piece].Group >= 0;
            play::TestPsAdd(b);
            roundTrip();
        };
        auto place = [&](int r) {
            for (int c = 0; c < cut.Cols; ++c) {
                const int i = r * cut.Cols + c;
                b.Pieces[i].X = 100 + c * Pitch(cut);
                b.Pieces[i].Y = 100 + r * Pitch(cut);
                drop(i);
            }
        };
        for (int r = 0; r < cut.Rows; r += 2)
            place(r);
        for (int r = 1; r < cut.Rows; r += 2)
            place(r);
        // Now drop each live group onto the others until one is left.
        for (int guard = 0; guard < n && b.JoinCount < n - 1; ++guard)
            drop(b.Groups[size_t(b.Pieces[0].Group)].front() == 0 ? n - 1 : 0);
        EXPECT_EQ(b.JoinCount, n - 1);
        EXPECT_TRUE(b.ShowFinished);
        EXPECT_GT(states, n);
        int stale = 0;
        for (size_t j = 0; j < b.Groups.size(); ++j)
            stale += b.Pieces[b.Groups[j].front()].Group != int(j);
        EXPECT_GT(stale, 0); // absorbed groups were part of what was saved
    }
}

TEST_F(SaveGameTest, TraysComeBackAndBrokenTrayKeysAreRefusedNamingTheKey)
{
    Board b;
    MakeGameInPlay(b, 2, 5); // gr3 = 93,94
    PutGameInTrays(b);
    b.Selected = {1, 2}; // never kept
    const QString good = Path(QStringLiteral("trays.jgy"));
    ASSERT_TRUE(WriteSavedGame(good, SavedGameFromBoard(b, picture)));
    TSavedGame g;
    ASSERT_EQ(ReadSavedGame(good, b, g), TSaveCheck::Ok);
    ExpectSameTrays(g, SavedGameFromBoard(b, picture));
    Board table;
    MakeFreshlyCut(table, 2);
    ASSERT_TRUE(ApplySavedPieces(table, g));
    EXPECT_TRUE(table.Selected.empty());
    EXPECT_FALSE(table.TraysShown);

    const QByteArray text = ReadAll(good);
    struct Row {
        const char *what;
        std::function<QByteArray(QByteArray)> edit;
        const char *key; // named in the message; none: the file loads
    };
    const std::vector<Row> rows = {
        {"unknown piece", [](auto t) { return WithKey(t, "Trays", "list3", "6,187"); }, "list3"},
        {"a piece in two trays", [](auto t) { return WithKey(t, "Trays", "list4", "7"); }, "list4"},
        {"a piece on the table and in a tray (half its group)",
         [](auto t) { return WithKey(t, "Trays", "list0", "7,5,93"); }, "list0"},
        {"10000 trays", [](auto t) { return WithKey(t, "Trays", "count", "10000"); }, "count"},
        {"a 1 MB name", [](auto t) { return WithKey(t, "Trays", "name2", QByteArray(1000 * 1000, 'x')); }, "name2"},
        {"a name too long for a tray",
         [](auto t) { return WithKey(t, "Trays", "name2", QByteArray(MaxTrayNameChars + 1, 'x')); }, "name2"},
        {"a tray's list missing is an empty tray", [](auto t) { return WithKey(t, "Trays", "list3", "", true); },
         nullptr},
    };
    const QString bad = Path(QStringLiteral("bad trays.jgy"));
    for (const Row &r : rows) {
        SCOPED_TRACE(r.what);
        WriteAll(bad, r.edit(text));
        TSavedGame out;
        QString message;
        const TSaveCheck rc = ReadSavedGame(bad, b, out, &message);
        if (!r.key) {
            EXPECT_EQ(rc, TSaveCheck::Ok);
            EXPECT_TRUE(out.Trays[3].Pieces.empty());
            continue;
        }
        EXPECT_EQ(rc, TSaveCheck::Invalid);
        EXPECT_TRUE(out.Pieces.empty());
        EXPECT_TRUE(message.contains(QLatin1String(r.key))) << message.toStdString();
    }

    // A game without trays writes no section: the file is as it always was.
    PutGameInTrays(b);
    b.Trays = DefaultTrays();
    b.TraysShown = TraysOpenAtStart(b.SizeIndex);
    ASSERT_TRUE(WriteFreshSavedGame(good, SavedGameFromBoard(b, picture)));
    EXPECT_FALSE(ReadAll(good).contains("[Trays]"));
}
