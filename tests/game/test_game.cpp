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
#include <tuple>

#include "CountingSink.h"
#include "SaveGameTestUtil.h"
#include "ScriptedRandom.h"
#include "base/ProfileFile.h"
#include "base/ProgramFiles.h"
#include "game/Game.h"
#include "persist/Resume.h"
#include "persist/StartedGames.h"
#include "TestBoard.h"
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
    // A picture large enough for every cut.
    QString BigPicture() { return Picture("big.jpg", 1500, 1000); }
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

// ---- keyboard play, click to pick, calm motion, first steps ----

namespace {

// One key of the table, as the window hands it on.
game::TAnswer PressKey(game::TGame &g, int key, bool shift = false, bool ctrl = false)
{
    bool taken = false;
    const game::TAnswer a = g.PlayKey({key, shift, ctrl, false}, kToday, &taken);
    EXPECT_TRUE(taken) << key;
    return a;
}

} // namespace

namespace {

// Every piece of the cut alone and unturned on a grid filling the table,
// the last one in its bottom-right corner.
Board Spread(int sizeIndex, QSize table)
{
    Board b = MakeBoard(sizeIndex);
    const TCutInfo &c = b.Cut();
    const int step = std::min((table.width() - c.TexSize) / (c.Cols - 1), (table.height() - c.TexSize) / (c.Rows - 1));
    for (Tpiece &p : b.Pieces) {
        p.X = p.Col * step;
        p.Y = p.Row * step;
    }
    b.Pieces[b.Pieces.Count() - 1].X = table.width() - c.TexSize;
    b.Pieces[b.Pieces.Count() - 1].Y = table.height() - c.TexSize;
    b.TableW = table.width();
    b.TableH = table.height();
    b.RotateEnabled = false;
    return b;
}

} // namespace

// Tab to the next loose piece, Space to take it, the arrows to its place
// beside piece 0, Space to drop it: the whole game without the mouse.  With
// no motion the finish shows the picture at once.
TEST_F(GameTest, AGameIsSolvedWithKeysAlone)
{
    ASSERT_TRUE(game.NewGame({picture, false, 1, false}).Messages.isEmpty());
    game.SetLevel(TLevel::Motion, int(TMotion::None));
    const Board &b = game.board();
    const TCutInfo &cut = b.Cut();
    game::TAnswer last;
    // The hand by (dx, dy) board pixels, the coarsest steps first.
    const auto moveBy = [&](int dx, int dy) {
        const std::tuple<int, int, int> axes[] = {{dx, Qt::Key_Right, Qt::Key_Left}, {dy, Qt::Key_Down, Qt::Key_Up}};
        for (auto [d, plus, minus] : axes)
            for (play::THandPace pace : {play::THandPace::Fast, play::THandPace::Normal, play::THandPace::Fine}) {
                const int step = play::HandStep(cut, pace);
                for (; std::abs(d) >= step; d -= d > 0 ? step : -step)
                    PressKey(game, d > 0 ? plus : minus, pace == play::THandPace::Fast,
                             pace == play::THandPace::Fine);
            }
    };
    for (int turn = 0; turn <= PieceCount(cut) && !b.ShowFinished; ++turn) {
        PressKey(game, Qt::Key_Tab);
        PressKey(game, Qt::Key_Space);
        ASSERT_TRUE(b.Dragging && game.HandHolding());
        const Tpiece &p = b.Pieces[b.DragPiece];
        // Piece 0 goes to the table's corner, every other beside it.
        const Tpiece &p0 = b.Pieces[0];
        const int x0 = b.DragPiece == 0 ? 40 : p0.X, y0 = b.DragPiece == 0 ? 40 : p0.Y;
        moveBy(x0 + p.Col * Pitch(cut) - p.X, y0 + p.Row * Pitch(cut) - p.Y);
        last = PressKey(game, Qt::Key_Return);
        ASSERT_FALSE(b.Dragging);
    }
    EXPECT_TRUE(b.ShowFinished && last.Finish);
    ASSERT_EQ(b.Groups.size(), 1u);
    EXPECT_EQ(int(b.Groups[0].size()), PieceCount(cut));
    EXPECT_FALSE(b.PiecesVisible);
    EXPECT_NE(last.AniTimer, game::TTimer::Start);
}

TEST_F(GameTest, ClickToPickHoldsThePieceUntilTheNextClick)
{
    ASSERT_TRUE(LoadInPlay().Messages.isEmpty());
    game.SetSwitch(TSwitch::ClickToPick, true);
    const int top = game.board().DrawOrder.back();
    const QPoint at = Over(top);
    game.Press(play::TMouseBtn::Left, at);
    game.Release(play::TMouseBtn::Left, at, kToday);
    ASSERT_TRUE(game.board().Dragging);
    const int x = game.board().Pieces[top].X;
    game.MoveTo(at + QPoint(40, 0));
    EXPECT_GT(game.board().Pieces[top].X, x); // it follows the pointer
    game.Press(play::TMouseBtn::Left, at + QPoint(40, 0));
    EXPECT_TRUE(game.board().Dragging);
    game.Release(play::TMouseBtn::Left, at + QPoint(40, 0), kToday);
    EXPECT_FALSE(game.board().Dragging);
    EXPECT_EQ(Setting("ClickToPick"), "1");
}

TEST_F(GameTest, WithLessMotionOrNoneATurnIsDoneAtOnce)
{
    ASSERT_TRUE(LoadInPlay().Messages.isEmpty());
    for (TMotion m : {TMotion::Full, TMotion::Less, TMotion::None}) {
        game.SetLevel(TLevel::Motion, int(m));
        const int top = game.board().DrawOrder.back();
        const int before = game.board().Pieces[top].Rotation;
        const game::TAnswer a = game.Press(play::TMouseBtn::Right, Over(top));
        const bool animated = m == TMotion::Full;
        EXPECT_EQ(a.AniTimer == game::TTimer::Start, animated) << int(m);
        EXPECT_EQ(game.board().Pieces[top].Rotation == before, animated) << int(m);
        while (game.board().TurnPiece >= 0)
            game.TickAnimation();
        EXPECT_EQ(Setting("Animation"), QString::number(int(m)));
    }
}

TEST_F(GameTest, TheHintOfWhereToBeginGoesWithTheFirstGameForGood)
{
    EXPECT_TRUE(game.FirstStepsShown());
    ASSERT_TRUE(game.NewGame({picture, false, 1, true}).Messages.isEmpty());
    EXPECT_FALSE(game.FirstStepsShown());
    game::TGame next(random, {&pieces, &finished, {}}); // the next start, on an empty table
    next.SetSwitches(TSettingsFile().Read(false));
    EXPECT_FALSE(next.FirstStepsShown());
}

// A big game opens with its whole table centred and no bare band, and a
// press on a tab left of a piece's square picks that piece.
TEST_F(GameTest, ABigGameOpensFittedAndAPieceIsPickedByItsTab)
{
    ASSERT_TRUE(Load(Spread(5, {2600, 2100}), BigPicture()).Messages.isEmpty());
    const play::TView &v = game.View();
    EXPECT_DOUBLE_EQ(v.Zoom(), v.FitZoom());
    EXPECT_LT(v.Zoom(), 1.0);
    const QPointF lo = v.ToWindow(QPointF(0, 0)), hi = v.ToWindow(QPointF(v.Table().width(), v.Table().height()));
    EXPECT_LE(lo.x(), 0.0);
    EXPECT_LE(lo.y(), 0.0);
    EXPECT_GE(hi.x(), kWindow.width() - 0.01);
    EXPECT_GE(hi.y(), kWindow.height() - 0.01);

    game.ZoomHome();
    const Board &b = game.board();
    const TCutInfo &c = b.Cut();
    const int inset = TexInset(c), tabX = (c.Margin - inset) / 2;
    for (int i = 0; i < b.Pieces.Count(); ++i) {
        const Tpiece &p = b.Pieces[i];
        for (int ty = 0; ty < c.CellSize; ++ty) {
            if (!b.Shapes.At(p.Col * c.CellSize + tabX, p.Row * c.CellSize + ty))
                continue;
            const QPoint at = v.ToWindow(QPointF(p.X + inset + tabX, p.Y + inset + ty)).toPoint();
            if (!QRect(QPoint(0, 0), kWindow).contains(at))
                continue;
            game.Press(play::TMouseBtn::Left, at);
            EXPECT_EQ(b.DragPiece, i);
            EXPECT_TRUE(b.Dragging);
            return;
        }
    }
    FAIL() << "no piece with a left tab in the window";
}

// At 50% a piece dropped 6 screen pixels from its place beside its
// neighbour joins: the catch is measured on the screen.
TEST_F(GameTest, APieceDroppedSixScreenPixelsOffAtHalfSizeJoins)
{
    Board b = Spread(5, {2600, 2100});
    const int pitch = Pitch(b.Cut());
    b.Pieces[0].X = b.Pieces[0].Y = 600;
    b.Pieces[1].X = 600 + pitch + 12 + 200; // 12 table pixels off once moved 200 to the left
    b.Pieces[1].Y = 600;
    ASSERT_TRUE(Load(b, BigPicture()).Messages.isEmpty());
    const QPointF middle(kWindow.width() / 2.0, kWindow.height() / 2.0);
    while (game.View().Zoom() > 0.5 + 1e-9 && game.Wheel(-1, middle).Redraw) {
    }
    while (game.View().Zoom() < 0.5 - 1e-9 && game.Wheel(1, middle).Redraw) {
    }
    ASSERT_DOUBLE_EQ(game.View().Zoom(), 0.5);
    const QPoint from = Over(1), to = from - QPoint(100, 0);
    game.Press(play::TMouseBtn::Left, from);
    ASSERT_EQ(game.board().DragPiece, 1);
    game.MoveTo(to);
    const game::TAnswer a = game.Release(play::TMouseBtn::Left, to, kToday);
    EXPECT_TRUE(a.JoinClick || a.Milestone);
    EXPECT_EQ(game.board().Pieces[1].X, 600 + pitch);
}

// A drag that joins nothing is taken back and done again; a join is final.
TEST_F(GameTest, AMoveIsUndoneAndRedoneAndAJoinIsFinal)
{
    Board b;
    MakeGameOneJoinFromTheEnd(b, 1);
    b.OwnImage = false;
    ASSERT_TRUE(Load(b).Messages.isEmpty());
    const QPoint placeX(game.board().Pieces[0].X, game.board().Pieces[0].Y);
    const QPoint from = Over(0), to = from + QPoint(40, 30);
    game.Press(play::TMouseBtn::Left, from);
    game.MoveTo(to);
    ASSERT_FALSE(game.Release(play::TMouseBtn::Left, to, kToday).JoinClick);
    const QPoint moved(game.board().Pieces[0].X, game.board().Pieces[0].Y);
    ASSERT_NE(moved, placeX);
    EXPECT_TRUE(game.Undo().Redraw);
    EXPECT_EQ(QPoint(game.board().Pieces[0].X, game.board().Pieces[0].Y), placeX);
    EXPECT_TRUE(game.Redo().Redraw);
    EXPECT_EQ(QPoint(game.board().Pieces[0].X, game.board().Pieces[0].Y), moved);
    // A piece put into a tray comes back out of it.
    ASSERT_TRUE(game.PutInTray(3, to).Trays);
    EXPECT_TRUE(game.Undo().Redraw);
    EXPECT_TRUE(game.board().Trays[3].Pieces.empty());
    EXPECT_EQ(QPoint(game.board().Pieces[0].X, game.board().Pieces[0].Y), moved);
    game.Undo();
    ASSERT_TRUE(DropWhereItLies(0).Finish);
    EXPECT_FALSE(game.Undo().Redraw);
    EXPECT_FALSE(game.Redo().Redraw);
}

// A game loaded in another window keeps every piece where it lay, on its
// table, and the fitted view shows them all.
TEST_F(GameTest, EveryPieceStaysWithinReachOfAGameLoadedAtAnotherSize)
{
    struct TRow {
        int cut;
        QSize saved, window;
    };
    for (const TRow &r : {TRow{5, {2600, 2100}, {1920, 1080}}, TRow{5, {3000, 1800}, {800, 900}},
                          TRow{1, {1600, 1000}, {800, 600}}, TRow{2, {1600, 1000}, {700, 900}}}) {
        SCOPED_TRACE(testing::Message() << r.cut << " " << r.window.width());
        game.FitToWindow(r.window);
        Board b = Spread(r.cut, r.saved);
        if (!IsBigCut(r.cut))
            b.TableW = b.TableH = 0; // a classic cut's table is the window
        const game::TAnswer a = Load(b, IsBigCut(r.cut) ? BigPicture() : QString());
        ASSERT_TRUE(a.Messages.isEmpty()) << a.Messages.join('|').toStdString();
        const play::TView &v = game.View();
        const QRectF window(QPointF(0, 0), QSizeF(r.window));
        for (int i = 0; i < b.Pieces.Count(); ++i) {
            const Tpiece &p = game.board().Pieces[i];
            ASSERT_EQ(QPoint(p.X, p.Y), QPoint(b.Pieces[i].X, b.Pieces[i].Y)) << i;
            const int inset = TexInset(b.Cut()), cell = b.Cut().CellSize;
            ASSERT_TRUE(QRect(QPoint(0, 0), v.Table()).contains(QRect(p.X + inset, p.Y + inset, cell, cell))) << i;
            const QPointF middle = v.ToWindow(QPointF(p.X + HalfTex(b.Cut()), p.Y + HalfTex(b.Cut())));
            ASSERT_TRUE(window.contains(middle)) << i;
        }
    }
}

// The lid grows by its corner and keeps its size; with Shift held over it
// a lens shows where the pointer is.
TEST_F(GameTest, TheLidIsResizedByItsCornerAndMagnifiesUnderShift)
{
    ASSERT_TRUE(LoadInPlay().Messages.isEmpty());
    game.SetLidShown(true);
    const QRect before = game.LidRect();
    const QPoint corner = before.bottomRight() - QPoint(2, 2);
    game.Press(play::TMouseBtn::Left, corner);
    game.MoveTo(corner + QPoint(60, 0));
    game.Release(play::TMouseBtn::Left, corner + QPoint(60, 0), kToday);
    EXPECT_EQ(game.LidRect().width(), before.width() + 60);
    EXPECT_EQ(Setting("LidW").toInt(), game.LidRect().width());

    bool taken = false;
    game.MoveTo(game.LidRect().center());
    EXPECT_FALSE(game.LidLens());
    EXPECT_TRUE(game.Key(Qt::Key_Shift, &taken).Lid);
    EXPECT_EQ(game.LidLens(), game.LidRect().center() - game.LidRect().topLeft());
    game.KeyUp(Qt::Key_Shift);
    EXPECT_FALSE(game.LidLens());
}

// A piece held near the window's edge scrolls the table on the animation
// timer's ticks and stays under the pointer; away from the edge it stops.
TEST_F(GameTest, APieceHeldAtTheEdgeScrollsTheTable)
{
    ASSERT_TRUE(Load(Spread(5, {2600, 2100}), BigPicture()).Messages.isEmpty());
    game.ZoomHome();
    const play::TView &v = game.View();
    const QPoint from = Over(0), edge(kWindow.width() - 2, from.y());
    const auto grab = [&](QPoint at) { return v.BoardPixel(QPointF(at) + QPointF(0.5, 0.5)).x() - game.board().Pieces[0].X; };
    const int held = grab(from);
    game.Press(play::TMouseBtn::Left, from);
    EXPECT_EQ(game.MoveTo(edge).AniTimer, game::TTimer::Start);
    const double origin = v.Origin().x();
    EXPECT_TRUE(game.TickAnimation().Redraw);
    EXPECT_LT(v.Origin().x(), origin);
    EXPECT_EQ(grab(edge), held);
    game.MoveTo(QPoint(kWindow.width() / 2, kWindow.height() / 2));
    EXPECT_EQ(game.TickAnimation().AniTimer, game::TTimer::Stop);
}

// Sorted by shape, the edge pieces taken out and spread, ten of them banded
// and moved, saved and loaded: everything where it was.
TEST_F(GameTest, SortingTheTableSurvivesASaveAndALoad)
{
    ASSERT_TRUE(game.NewGame({picture, false, 2, false}).Messages.isEmpty());
    EXPECT_TRUE(game.SortByShape().Trays);
    const int edges = 2 * (17 + 11) - 8; // the edges tray, after the corners
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
