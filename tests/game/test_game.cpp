// The game object headless: real pictures cut by the build's real piece
// shapes into a recording texture sink, in a portable program folder of the
// test's own (so Settings.ini, the records and the kept game are the test's).
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "CountingSink.h"
#include "SaveGameTestUtil.h"
#include "ScriptedRandom.h"
#include "base/ProfileFile.h"
#include "base/ProgramFiles.h"
#include "game/Game.h"
#include "persist/Resume.h"
#include "persist/StartedGames.h"
#include "play/CornerPlate.h"
#include "play/Trays.h"

namespace {

const QDate kToday(2026, 12, 9);
const QSize kWindow(1600, 1000);

class GameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QFile::link(QStringLiteral(JIGSY_PROGRAM_DIR "/Image"), dir.filePath("Image")));
        SetProgramDir(dir.path());
        picture = Picture("own.jpg", 700, 500);
        game.FitToWindow(kWindow);
    }
    void TearDown() override { SetProgramDir(QString()); }

    QString Picture(const char *name, int w, int h)
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(QColor(90, 140, 200));
        const QString path = dir.filePath(name);
        EXPECT_TRUE(img.save(path, "JPG"));
        return path;
    }
    // A saved game of `b` on the picture, loaded.
    game::TAnswer Load(Board b, const QString &file = QString())
    {
        const QString path = dir.filePath("game.jgy");
        EXPECT_TRUE(WriteSavedGame(path, SavedGameFromBoard(b, file.isEmpty() ? picture : file)));
        return game.LoadGame(path);
    }
    game::TAnswer LoadInPlay()
    {
        Board b;
        MakeGameInPlay(b, 1, 11);
        b.OwnImage = false;
        return Load(b);
    }
    // The window point over the middle of piece i.
    QPoint Over(int i) const
    {
        const Tpiece &p = game.board().Pieces[i];
        const TCutInfo &cut = game.board().Cut();
        const int mid = (cut.Margin + cut.CellSize) / 2;
        return game.View().ToWindow(QPointF(p.X + mid, p.Y + mid)).toPoint();
    }
    game::TAnswer DropWhereItLies(int i)
    {
        game.Press(play::TMouseBtn::Left, Over(i));
        return game.Release(play::TMouseBtn::Left, Over(i), kToday);
    }
    QString Setting(const char *key) const
    {
        TProfileFile f(dir.filePath("Settings.ini"));
        return f.ReadString(QStringLiteral("Set"), QString::fromLatin1(key), QString());
    }

    QTemporaryDir dir;
    QString picture;
    TCountingSink pieces, finished;
    TScriptedRandom random{{}, 3};
    std::vector<int> sizesDrawn; // the cut on the board at every frame drawn during a move
    game::TGame game{random, {&pieces, &finished, [this] { sizesDrawn.push_back(game.board().SizeIndex); }}};
};

} // namespace

TEST_F(GameTest, ANewGameIsCutAndStartsItsClockTheOldOneIsNotKept)
{
    ASSERT_TRUE(LoadInPlay().Messages.isEmpty());
    ASSERT_TRUE(game.Close().Messages.isEmpty()); // kept for the next start
    const game::TAnswer a = game.NewGame({picture, false, 2, true});
    EXPECT_TRUE(a.Messages.isEmpty()) << a.Messages.join('|').toStdString();
    EXPECT_EQ(game.board().Pieces.Count(), 187);
    EXPECT_EQ(game.board().GameTime, 0);
    EXPECT_EQ(a.ClockTimer, game::TTimer::Start);
    EXPECT_TRUE(a.NewTrack && a.Redraw && game.CanSave());
    EXPECT_FALSE(QFileInfo::exists(TResumeFile().Path()));
}

TEST_F(GameTest, InstalledPicturesCutTheirTwinsAndAMissingTwinChangesNothing)
{
    const QString a = Picture("ASea.jpg", 560, 400);
    Picture("BSea.jpg", 595, 385);
    const QString lone = Picture("ALone.jpg", 560, 400);
    ASSERT_TRUE(game.NewGame({a, true, 2, true}).Messages.isEmpty());
    EXPECT_EQ(game.board().PictureFile, dir.filePath("BSea.jpg"));

    const game::TAnswer refused = game.NewGame({lone, true, 2, true});
    EXPECT_EQ(refused.Messages, QStringList{"К сожалению файл не найден! Выбери другую картинку."});
    EXPECT_EQ(game.board().PictureFile, dir.filePath("BSea.jpg"));
}

// The player's picture too small for the cut: its messages are told, and
// the game on the table never shows anything of the refused cut, not even
// in the frames drawn while the picture was being read.
TEST_F(GameTest, APictureThatCannotBeSetLeavesTheGameOnTheTableAsItWas)
{
    ASSERT_TRUE(LoadInPlay().Messages.isEmpty());
    const TSavedGame before = SavedGameFromBoard(game.board(), picture);
    sizesDrawn.clear();
    const game::TAnswer a = game.NewGame({Picture("tiny.jpg", 3, 2), false, 2, false});
    EXPECT_EQ(a.Messages, (QStringList{"Эта картинка слишком маленькая, выбери картинку побольше!", "img not set"}));
    EXPECT_FALSE(sizesDrawn.empty());
    for (int s : sizesDrawn)
        EXPECT_EQ(s, 1);
    ExpectSameGame(SavedGameFromBoard(game.board(), picture), before);
    EXPECT_FALSE(game.board().Cutting);
    EXPECT_TRUE(game.board().RotateEnabled);
}

TEST_F(GameTest, APictureReadOnlyInPartIsPlayedAndSaidSoNamingItsFile)
{
    const QByteArray jpeg = ReadAll(picture);
    const QString cut = dir.filePath("cut short.jpg");
    WriteAll(cut, jpeg.left(jpeg.size() * 2 / 3));
    const game::TAnswer a = game.NewGame({cut, false, 1, true});
    ASSERT_EQ(a.Messages.size(), 1);
    EXPECT_TRUE(a.Messages[0].contains("«cut short.jpg»")) << a.Messages[0].toStdString();
    EXPECT_TRUE(game.CanSave());
    EXPECT_TRUE(game.NewGame({picture, false, 1, true}).Messages.isEmpty());
}

TEST_F(GameTest, WithoutThePieceShapesNoGameRunsAndTheGameCloses)
{
    ASSERT_TRUE(QFile::remove(dir.filePath("Image")));
    const game::TAnswer a = game.NewGame({picture, false, 1, true});
    EXPECT_EQ(a.Messages.size(), 1);
    EXPECT_TRUE(a.Close);
    EXPECT_EQ(a.ClockTimer, game::TTimer::Stop);
    EXPECT_FALSE(game.CanSave());
}

// The kept game comes back on the player's own background and edge
// filter; a game loaded by hand brings its saved background and shows
// every piece.
TEST_F(GameTest, TheKeptGameComesBackOnThePlayersBackgroundALoadedOneOnItsOwn)
{
    TStartSettings s;
    s.BgIndex = 5;
    s.BgFromFile = true;
    s.EdgeOnly = true;
    game.SetSwitches(s);
    Board b;
    MakeGameInPlay(b, 1, 11); // saved on installed background 2
    b.OwnImage = false;
    ASSERT_TRUE(TResumeFile().Write(b, picture));

    const game::TAnswer resumed = game.StartUp(QString());
    EXPECT_TRUE(resumed.Messages.isEmpty());
    EXPECT_TRUE(game.CanSave());
    EXPECT_FALSE(resumed.Background);
    EXPECT_EQ(game.board().BgIndex, 5);
    EXPECT_TRUE(game.EdgeOnly());

    const game::TAnswer loaded = Load(b);
    EXPECT_TRUE(loaded.Background);
    EXPECT_EQ(game.board().BgIndex, 2);
    EXPECT_FALSE(game.EdgeOnly());
    EXPECT_EQ(Setting("EdgeOnly"), "0");
}

// The kept game goes only with a finish or a game the player chose: a start
// with a file that does not load, with one that does, or a close before it
// came back, all leave it byte for byte.
TEST_F(GameTest, TheKeptGameOutlivesEveryOtherEndOfARun)
{
    Board b;
    MakeGameInPlay(b, 1, 11);
    b.OwnImage = false;
    ASSERT_TRUE(TResumeFile().Write(b, picture));
    const QByteArray kept = ReadAll(TResumeFile().Path());
    Board b2;
    MakeGameInPlay(b2, 1, 12);
    b2.OwnImage = false;
    const QString other = dir.filePath("other.jgy");
    ASSERT_TRUE(WriteSavedGame(other, SavedGameFromBoard(b2, picture)));
    const QString broken = dir.filePath("broken.jgy");
    WriteAll(broken, "[Set]\npsind=9\n");
    for (const QString &commandLine : {broken, dir.filePath("gone.jgy"), other}) {
        SCOPED_TRACE(commandLine.toStdString());
        TCountingSink sink;
        game::TGame run(random, {&sink, &sink, {}});
        run.FitToWindow(kWindow);
        const game::TAnswer a = run.StartUp(commandLine);
        EXPECT_FALSE(a.KeepSoon);
        run.KeepForResume();
        run.Close();
        EXPECT_EQ(ReadAll(TResumeFile().Path()), kept);
    }
    TCountingSink sink;
    EXPECT_TRUE(game::TGame(random, {&sink, &sink, {}}).Close().Messages.isEmpty()); // closed before it came back
    EXPECT_EQ(ReadAll(TResumeFile().Path()), kept);
}

// A drop asks for the game to be kept soon; keeping it writes the drop
// while play goes on.
TEST_F(GameTest, ADropIsKeptForTheNextStart)
{
    ASSERT_TRUE(LoadInPlay().Messages.isEmpty());
    const int top = game.board().DrawOrder.back();
    game.Press(play::TMouseBtn::Left, Over(top));
    game.MoveTo(Over(top) + QPoint(1, 1));
    EXPECT_TRUE(game.Release(play::TMouseBtn::Left, Over(top), kToday).KeepSoon);
    EXPECT_FALSE(game.KeepForResume().KeepSoon);
    TSavedGame kept;
    for (int wait = 0; wait < 200 && ReadSavedGame(TResumeFile().Path(), Board(), kept) != TSaveCheck::Ok; ++wait)
        QThread::msleep(10);
    ASSERT_EQ(ReadSavedGame(TResumeFile().Path(), Board(), kept), TSaveCheck::Ok);
    ExpectSameGame(kept, SavedGameFromBoard(game.board(), picture));
}

// An unfinished game that gives way to a new one is kept among the started
// games: each picture and cut once, the last five, newest first.
TEST_F(GameTest, AnUnfinishedGameLeftForAnotherIsKeptAmongTheStartedOnes)
{
    ASSERT_TRUE(game.NewGame({picture, false, 1, true}).Messages.isEmpty());
    ASSERT_TRUE(game.NewGame({picture, false, 1, true}).Messages.isEmpty()); // the same picture and cut again
    EXPECT_EQ(TStartedGames().List().size(), 1);
    // A game a second, as a player could never make them.
    QStringList pictures{picture};
    for (int k = 0; k <= StartedGamesKept; ++k) {
        pictures << Picture(QByteArray("p" + QByteArray::number(k) + ".jpg").constData(), 700, 500);
        ASSERT_TRUE(game.NewGame({pictures.last(), false, 1, true}).Messages.isEmpty());
        QFile replaced(TStartedGames().Folder() + "/" + QFileInfo(pictures[k]).completeBaseName() + " — 35.jgy");
        ASSERT_TRUE(replaced.open(QIODevice::ReadWrite));
        ASSERT_TRUE(replaced.setFileTime(QDateTime::currentDateTime().addSecs(k - 100), QFileDevice::FileModificationTime));
    }
    const QStringList kept = TStartedGames().List();
    ASSERT_EQ(kept.size(), StartedGamesKept);
    TSavedGame newest;
    ASSERT_EQ(ReadSavedGame(kept.first(), Board(), newest), TSaveCheck::Ok);
    EXPECT_EQ(newest.ImgFileName, pictures[StartedGamesKept]); // the one the last new game replaced
}

TEST_F(GameTest, TheEdgeFilterIsRememberedAndANewGameShowsEveryPiece)
{
    ASSERT_TRUE(LoadInPlay().Messages.isEmpty());
    game.SetEdgeOnly(true);
    EXPECT_TRUE(TSettingsFile().Read(false).EdgeOnly);
    ASSERT_TRUE(game.NewGame({picture, false, 1, true}).Messages.isEmpty());
    EXPECT_FALSE(game.EdgeOnly());
    EXPECT_FALSE(TSettingsFile().Read(false).EdgeOnly);
    // Hiding the assembled groups is remembered the same way.
    game.SetHideAssembled(true);
    EXPECT_TRUE(TSettingsFile().Read(false).HideAssembled);
}

TEST_F(GameTest, PauseTakesTheLidDown)
{
    ASSERT_TRUE(LoadInPlay().Messages.isEmpty());
    game.SetLidShown(true);
    EXPECT_TRUE(game.LidVisible());
    EXPECT_TRUE(game.SetPaused(true).Lid);
    EXPECT_FALSE(game.LidVisible());
    game.SetPaused(false);
    EXPECT_TRUE(game.LidVisible());
}

// The lid moves when dragged by an empty spot and stays where it was put;
// a piece under it is picked as if the lid were not there.
TEST_F(GameTest, APressOnTheLidPicksThePieceUnderItElseMovesTheLid)
{
    Board b;
    MakeGameOneJoinFromTheEnd(b, 1);
    b.OwnImage = false;
    ASSERT_TRUE(Load(b).Messages.isEmpty());
    game.SetLidShown(true);
    const QRect lid = game.LidRect();
    const QPoint grab = lid.center();
    const QPoint target = Over(0) + (grab - lid.topLeft()) - QPoint(5, 5); // lid corner just above piece 0
    game.Press(play::TMouseBtn::Left, grab);
    EXPECT_TRUE(game.MoveTo(target).Lid);
    game.Release(play::TMouseBtn::Left, target, kToday);
    ASSERT_TRUE(game.LidRect().contains(Over(0)));
    EXPECT_EQ(Setting("LidX").toInt(), game.LidRect().left());

    game.Press(play::TMouseBtn::Left, Over(0));
    EXPECT_TRUE(game.board().Dragging);
    EXPECT_EQ(game.board().DragPiece, 0);
}

TEST_F(GameTest, APressOfAnotherButtonDuringAPanStartsNoDrag)
{
    ASSERT_TRUE(LoadInPlay().Messages.isEmpty());
    const QPoint empty(kWindow.width() / 2, kWindow.height() - 5);
    const QPoint piece = Over(game.board().DrawOrder.back());
    game.Press(play::TMouseBtn::Left, empty);
    ASSERT_TRUE(game.View().Panning());
    game.Press(play::TMouseBtn::Middle, piece);
    game.Release(play::TMouseBtn::Middle, piece, kToday);
    EXPECT_TRUE(game.View().Panning());
    game.Release(play::TMouseBtn::Left, empty, kToday);
    EXPECT_FALSE(game.View().Panning());
    EXPECT_FALSE(game.board().Dragging);
}

TEST_F(GameTest, TheCornerPlateShowsTheRecordsOnlyWithAGameOnTheTable)
{
    const QPoint plate(kWindow.width() - 10, kWindow.height() - 10);
    ASSERT_TRUE(play::OnCornerPlate(plate, kWindow));
    EXPECT_FALSE(game.Press(play::TMouseBtn::Left, plate).ShowRecords);
    game.Release(play::TMouseBtn::Left, plate, kToday);
    ASSERT_TRUE(LoadInPlay().Messages.isEmpty());
    EXPECT_TRUE(game.Press(play::TMouseBtn::Left, plate).ShowRecords);
}

// A saved join count that disagrees with the groups: the groups hold, and
// the finish comes with the join that makes one group of every piece.
TEST_F(GameTest, TheJoinCountOfALoadedGameIsTheGroups)
{
    for (int saved : {0, 34}) {
        SCOPED_TRACE(saved);
        Board b;
        MakeGameOneJoinFromTheEnd(b, 1);
        b.OwnImage = false;
        b.JoinCount = saved;
        ASSERT_TRUE(Load(b).Messages.isEmpty());
        EXPECT_EQ(game.board().JoinCount, 33);
        EXPECT_TRUE(DropWhereItLies(0).Finish);
    }
}

// The last join of an installed picture's 187-piece game: the finish is
// heard and kept, under the picture's name and naming the file the player
// chose, and nothing is kept for the next start.
TEST_F(GameTest, TheFinishIsRecordedUnderThePicturesName)
{
    Picture("AStream.jpg", 560, 400);
    const QString twin = Picture("BStream.jpg", 595, 385);
    Board b;
    MakeGameOneJoinFromTheEnd(b, 2);
    b.OwnImage = true;
    ASSERT_TRUE(Load(b, twin).Messages.isEmpty());

    const game::TAnswer a = DropWhereItLies(0);
    EXPECT_TRUE(a.Finish);
    EXPECT_EQ(a.ClockTimer, game::TTimer::Stop);
    EXPECT_EQ(a.AniTimer, game::TTimer::Start);
    const game::TRecordsView v = game.Records();
    EXPECT_EQ(v.Title, "Stream");
    ASSERT_EQ(v.Lists.size(), 1u);
    EXPECT_EQ(v.Lists[0].Records.size(), 1u);
    EXPECT_EQ(v.Lists[0].Records[0].Date, kToday);
    const QByteArray records = ReadAll(dir.filePath("records.ini"));
    EXPECT_TRUE(records.contains("Picture=" + dir.filePath("AStream.jpg").toUtf8())) << records.toStdString();
    // Once the pieces have faded out, the plate still shows them.
    for (int tick = 0; tick < 100 && game.TickAnimation().AniTimer != game::TTimer::Stop; ++tick) {
    }
    EXPECT_FALSE(game.board().PiecesVisible);
    EXPECT_TRUE(game.Press(play::TMouseBtn::Left, QPoint(kWindow.width() - 10, kWindow.height() - 10)).ShowRecords);
    EXPECT_TRUE(game.Close().Messages.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(TResumeFile().Path()));
}

// Sorted by shape, the edge pieces taken out and spread, ten of them banded
// and moved, saved and loaded: everything where it was.
TEST_F(GameTest, SortingTheTableSurvivesASaveAndALoad)
{
    ASSERT_TRUE(game.NewGame({picture, false, 2, false}).Messages.isEmpty());
    EXPECT_TRUE(game.SortByShape().Trays);
    const int edges = 2 * (17 + 11) - 8; // the middle tray of corners, edges, middle
    ASSERT_EQ(game.board().Trays[1].Pieces.size(), size_t(edges));
    EXPECT_TRUE(game.TakeAllOutOfTray(1).Trays);
    game.Spread();
    while (game.TickAnimation().AniTimer != game::TTimer::Stop) {
    }
    // A band round the first ten places of the spread's first row.
    EXPECT_TRUE(game.board().Trays[1].Pieces.empty());
    std::vector<std::pair<int, int>> placed; // (X, piece) of the top row
    const Board &b = game.board();
    int top = 1 << 30;
    for (int i = 0; i < b.Pieces.Count(); ++i)
        if (play::TrayHolding(b, i) < 0)
            top = std::min(top, b.Pieces[i].Y);
    for (int i = 0; i < b.Pieces.Count(); ++i)
        if (play::TrayHolding(b, i) < 0 && b.Pieces[i].Y == top)
            placed.emplace_back(b.Pieces[i].X, i);
    std::sort(placed.begin(), placed.end());
    ASSERT_GE(placed.size(), 10u);
    const QPoint from = Over(placed[0].second) - QPoint(30, 30), to = Over(placed[9].second) + QPoint(5, 5);
    game.PressShifted(from);
    game.MoveTo(to);
    game.Release(play::TMouseBtn::Left, to, kToday);
    ASSERT_EQ(game.board().Selected.size(), 10u);
    game.Press(play::TMouseBtn::Left, Over(placed[0].second));
    game.MoveTo(Over(placed[0].second) + QPoint(0, 300));
    game.Release(play::TMouseBtn::Left, Over(placed[0].second) + QPoint(0, 300), kToday);
    EXPECT_EQ(game.board().Pieces[placed[9].second].Y, top + 300 / game.View().Zoom());

    const QString path = dir.filePath("sorted.jgy");
    ASSERT_TRUE(game.SaveGame(path).Messages.isEmpty());
    const TSavedGame before = SavedGameFromBoard(game.board(), picture);
    ASSERT_TRUE(game.NewGame({picture, false, 1, true}).Messages.isEmpty());
    ASSERT_TRUE(game.LoadGame(path).Messages.isEmpty());
    ExpectSameGame(SavedGameFromBoard(game.board(), picture), before);
    EXPECT_TRUE(game.board().Selected.empty());
}
