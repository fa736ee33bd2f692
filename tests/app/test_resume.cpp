// The game to resume: written whole, read back, retired, and a file that
// cannot be loaded moved aside once; a full disk at the finish or at closing.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "FileSystemFixtures.h"
#include "SaveGameTestUtil.h"
#include "MainWindowTest.h"
#include "persist/Resume.h"

namespace {

class ResumeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        picture = dir.filePath("picture.jpg");
        WriteAll(picture, "not looked at by the reader");
    }
    QString Path() const { return dir.filePath("resume.jgy"); }

    QTemporaryDir dir;
    QString picture;
};

} // namespace

TEST_F(ResumeTest, AWrittenGameComesBackWholeAndASmallerOneLeavesNothingBehind)
{
    const TResumeFile file(Path());
    Board big, small;
    MakeGameInPlay(big, 2, 7);
    MakeGameInPlay(small, 1, 8);
    ASSERT_TRUE(file.Write(big, picture));
    ASSERT_TRUE(file.Write(small, picture));
    TSavedGame g;
    ASSERT_TRUE(file.Read(Board(), g));
    ExpectSameGame(g, SavedGameFromBoard(small, picture));
    EXPECT_FALSE(ReadAll(Path()).contains("[piece35]"));
    EXPECT_FALSE(QFileInfo::exists(Path() + ".new"));
}

TEST_F(ResumeTest, ARetiredGameIsNotResumed)
{
    const TResumeFile file(Path());
    Board b;
    MakeGameInPlay(b, 1, 3);
    ASSERT_TRUE(file.Write(b, picture));
    file.Retire();
    TSavedGame g;
    EXPECT_FALSE(file.Read(Board(), g));
    EXPECT_FALSE(QFileInfo::exists(Path() + ".bad"));
}

TEST_F(ResumeTest, AFileThatCannotBeLoadedIsMovedAsideOnce)
{
    struct Row {
        const char *what;
        std::function<void(const QString &)> make;
    };
    const Row rows[] = {
        {"garbage", [](const QString &p) { WriteAll(p, QByteArray("\x01\xff[[[=\n", 7).repeated(50)); }},
        {"huge", [](const QString &p) { WriteAll(p, QByteArray(3 * 1024 * 1024, '[')); }},
        {"folder", [](const QString &p) { ASSERT_TRUE(QDir().mkpath(p + "/inside")); }},
        {"picture gone", [this](const QString &p) {
             Board b;
             MakeGameInPlay(b, 1, 5);
             ASSERT_TRUE(TResumeFile(p).Write(b, picture + ".gone"));
         }},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.what);
        QDir(dir.path()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(dir.path()));
        WriteAll(picture, "x");
        r.make(Path());
        const TResumeFile file(Path());
        TSavedGame g;
        EXPECT_FALSE(file.Read(Board(), g));
        EXPECT_FALSE(QFileInfo::exists(Path()));
        EXPECT_TRUE(QFileInfo::exists(Path() + ".bad"));
        EXPECT_FALSE(file.Read(Board(), g)); // the next start finds nothing
        EXPECT_TRUE(QFileInfo::exists(Path() + ".bad"));
    }
}

namespace {

// A main window on a program folder of its own (the piece shapes linked in
// from the build), so the game it keeps to resume is the test's alone.
class ResumeWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        LinkShapes(dir.path());
        picture = dir.filePath("picture.jpg");
        QImage img(580, 420, QImage::Format_RGB32);
        img.fill(QColor(90, 140, 200));
        ASSERT_TRUE(img.save(picture, "JPG"));
    }
    QString Path() const { return dir.filePath("resume.jgy"); }
    // A fresh window over the test's folder, as at a start of the game.
    void Start() { OpenForGames(dir.path()); }
    // The piece shapes of the build, reached from a program folder.
    static void LinkShapes(const QString &programDir)
    {
        ASSERT_TRUE(QFile::link(QStringLiteral(JIGSY_PROGRAM_DIR "/Image"), programDir + "/Image"));
    }
    // A game in play on the picture, saved as "game.jgy"; what it holds.
    TSavedGame SaveGameInPlay()
    {
        Board played;
        MakeGameInPlay(played, 1, 11);
        played.OwnImage = false;
        const TSavedGame saved = SavedGameFromBoard(played, picture);
        EXPECT_TRUE(WriteSavedGame(dir.filePath("game.jgy"), saved));
        return saved;
    }
    // The same, one join from its end (see MakeGameOneJoinFromTheEnd).
    TSavedGame SaveGameOneJoinFromTheEnd()
    {
        Board played;
        MakeGameOneJoinFromTheEnd(played, 1);
        played.OwnImage = false;
        const TSavedGame saved = SavedGameFromBoard(played, picture);
        EXPECT_TRUE(WriteSavedGame(dir.filePath("game.jgy"), saved));
        return saved;
    }
    // Picks piece 0 up and drops it where it lies, as the player would.
    void FinishByDroppingPiece0()
    {
        const Tpiece &p = win->board.Pieces[0];
        const TCutInfo &cut = win->board.Cut();
        const int mid = (cut.Margin + cut.CellSize) / 2;
        const QPoint at = win->game.View().ToWindow(QPointF(p.X + mid, p.Y + mid)).toPoint();
        win->Act(win->game.Press(play::TMouseBtn::Left, at));
        win->Act(win->game.Release(play::TMouseBtn::Left, at, QDate::currentDate()));
    }

    QString picture;
};

} // namespace

TEST_F(ResumeWindowTest, ClosingKeepsAnUnfinishedGameTheNextStartBringsItBackAndTheFinishRetiresIt)
{
    const TSavedGame saved = SaveGameOneJoinFromTheEnd();
    Start();
    ASSERT_TRUE(win->LoadGame(dir.filePath("game.jgy")));
    form->close();
    ASSERT_TRUE(QFileInfo::exists(Path()));

    Start();
    win->Timer1Timer(); // no game named on the command line
    TSavedGame resumed = saved;
    resumed.BgIndex = 0; // on the player's own background, not the file's
    ExpectSameGame(SavedGameFromBoard(win->board, picture), resumed);

    FinishByDroppingPiece0();
    EXPECT_FALSE(QFileInfo::exists(Path()));
    form->close();
    EXPECT_FALSE(QFileInfo::exists(Path()));
}

TEST_F(ResumeWindowTest, AHiddenOrPausedWindowAddsNoSeconds)
{
    Start();
    ASSERT_TRUE(WriteSavedGame(dir.filePath("game.jgy"), [&] {
        Board b;
        MakeGameInPlay(b, 1, 2);
        return SavedGameFromBoard(b, picture);
    }()));
    ASSERT_TRUE(win->LoadGame(dir.filePath("game.jgy")));
    const int64_t start = win->board.GameTime;
    win->Timer2Timer(); // never shown
    EXPECT_EQ(win->board.GameTime, start);
    form->show();
    win->SetPaused(true);
    win->Timer2Timer();
    EXPECT_EQ(win->board.GameTime, start);
    win->SetPaused(false);
    win->Timer2Timer();
    EXPECT_EQ(win->board.GameTime, start + 1);
}

TEST_F(ResumeWindowTest, AFullDiskAtTheFinishOrAtClosingIsToldWithTheFileName)
{
    TSmallDisk disk(512); // the player's state folder
    if (!disk.Mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here";
    LinkShapes(disk.Path(QString()));
    SaveGameOneJoinFromTheEnd();
    OpenForGames(disk.Path(QString()));
    ASSERT_TRUE(win->LoadGame(dir.filePath("game.jgy")));
    ASSERT_TRUE(disk.Fill());

    FinishByDroppingPiece0();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answer.Messages.isEmpty(); }, 2000));
    EXPECT_TRUE(answer.Messages.last().contains("records.ini")) << answer.Messages.last().toStdString();
    win->board.JoinCount = 0; // as if the game went on
    win->board.ShowFinished = false;
    form->close();
    EXPECT_TRUE(answer.Messages.last().contains("resume.jgy")) << answer.Messages.last().toStdString();
    win.reset(); // the window goes before its disk does
    form.reset();
}
