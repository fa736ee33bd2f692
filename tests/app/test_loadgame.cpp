// Loading through the main window, without a display: the picture is set up
// and cut for real (textures are skipped while there is no table context),
// and a refused file leaves the game on the table exactly as it was.
#include <QImage>
#include <QScreen>
#include <gtest/gtest.h>

#include "MainWindowTest.h"
#include "SaveGameTestUtil.h"
#include "ui/BrowseFrm.h"
#include "ui/MySpeedButton.h"

namespace {

class LoadGameTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        picture = dir.filePath(QStringLiteral("picture.jpg"));
        QImage img(580, 420, QImage::Format_RGB32); // enough for 5 x 7, not for 17 x 11
        img.fill(QColor(120, 160, 90));
        ASSERT_TRUE(img.save(picture, "JPG"));

        OpenForGames(QStringLiteral(JIGSY_PROGRAM_DIR)); // the piece shapes live there
        form->SetDialogs(&browse, nullptr, nullptr);
    }

    QString Path(const QString &name) const { return dir.filePath(name); }

    QString picture;
    TBrowseFrm browse;
};

} // namespace

TEST_F(LoadGameTest, SavedGameComesBackOnTheTableAndRefusedFilesChangeNothing)
{
    Board played;
    MakeGameInPlay(played, 1, 21);
    played.OwnImage = false;
    played.RotateEnabled = false;
    const TSavedGame saved = SavedGameFromBoard(played, picture);
    const QString good = Path(QStringLiteral("good.jgy"));
    ASSERT_TRUE(WriteSavedGame(good, saved));

    ASSERT_TRUE(win->LoadGame(good)) << answer.Messages.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(answer.Messages.isEmpty());
    ExpectSameGame(SavedGameFromBoard(win->board, browse.ChosenFile), saved);
    EXPECT_EQ(win->board.PictureFile, picture); // what the next save names
    EXPECT_FALSE(win->board.Cutting);
    EXPECT_FALSE(win->board.ShowFinished);
    EXPECT_TRUE(win->board.PiecesVisible);
    EXPECT_EQ(win->board.PieceAlpha, 1.0f);
    EXPECT_EQ(win->board.TurnPiece, -1);
    EXPECT_TRUE(win->SaveBtn()->isEnabled());
    EXPECT_TRUE(win->Timer2.isActive());
    // The clock keeps running through the message boxes below; stopped
    // here so that its ticks do not count as a change of the game.
    win->Timer2.stop();

    // The game on the table is now the saved one; nothing below may touch it.
    const QByteArray text = ReadAll(good);
    const QString brokenPicture = Path(QStringLiteral("broken.jpg"));
    WriteAll(brokenPicture, QByteArray(64, 'x'));
    struct TCase {
        const char *what;
        QByteArray file;
        QStringList messages;
    };
    const QString badPath = Path(QStringLiteral("bad.jgy"));
    const QString refused = QStringLiteral("испорчен");
    const std::vector<TCase> cases = {
        {"no such cut", WithKey(text, "Set", "psind", QByteArray::number(CutCount + 1)), {refused}},
        {"no drawing order", WithKey(text, "Set", "PPosLst", "", true), {refused}},
        {"group list names no piece", WithKey(text, "Groups", "gr0", "3,4,99"), {refused}},
        {"piece out of its place", WithKey(text, "piece7", "FXC", "5"), {refused}},
        {"picture gone", WithKey(text, "Set", "ImgFileName", "/no/such.jpg"), {"Файл картинки не найден!"}},
        {"picture damaged",
         WithKey(WithKey(text, "Set", "ImgFileName", brokenPicture.toUtf8()), "Set", "RotateEnabled", "1"),
         {"Не могу загрузить эту картинку, файл либо отсутствует, либо испорчен!", "img not set"}},
        {"picture too small for 17 x 11",
         [&] {
             Board big;
             MakeGameInPlay(big, 2, 3);
             big.OwnImage = false;
             EXPECT_TRUE(WriteSavedGame(Path(QStringLiteral("big.jgy")), SavedGameFromBoard(big, picture)));
             return ReadAll(Path(QStringLiteral("big.jgy")));
         }(),
         {"Эта картинка слишком маленькая, выбери картинку побольше!", "img not set"}},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.what);
        WriteAll(badPath, c.file);
        answer.Messages.clear();
        EXPECT_FALSE(win->LoadGame(badPath));
        ASSERT_EQ(answer.Messages.size(), c.messages.size()) << answer.Messages.join(QLatin1Char('|')).toStdString();
        for (int k = 0; k < c.messages.size(); ++k)
            EXPECT_TRUE(answer.Messages[k].contains(c.messages[k])) << answer.Messages[k].toStdString();
        ExpectSameGame(SavedGameFromBoard(win->board, browse.ChosenFile), saved);
        EXPECT_EQ(browse.ChosenFile, picture);
        EXPECT_EQ(win->board.PictureFile, picture);
        EXPECT_EQ(win->board.Pieces.Count(), 35);
        EXPECT_FALSE(win->board.RotateEnabled);
        EXPECT_FALSE(win->board.Cutting);
    }
}

TEST_F(LoadGameTest, LoadedLargeCutOfAnInstalledPairLeavesTheBrowserOnItsAPicture)
{
    const QString a = Path(QStringLiteral("APair.jpg")), b = Path(QStringLiteral("BPair.jpg"));
    ASSERT_TRUE(QFile::copy(picture, a));
    QImage big(600, 420, QImage::Format_RGB32);
    big.fill(Qt::darkGreen);
    ASSERT_TRUE(big.save(b, "JPG"));
    Board played;
    MakeGameInPlay(played, 2, 4);
    played.OwnImage = true;
    const QString path = Path(QStringLiteral("pair.jgy"));
    ASSERT_TRUE(WriteSavedGame(path, SavedGameFromBoard(played, b)));

    ASSERT_TRUE(win->LoadGame(path)) << answer.Messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(browse.ChosenFile, a);
    EXPECT_EQ(win->board.PictureFile, b); // what the next save names
}

TEST_F(LoadGameTest, PiecesSavedBeyondASmallerWindowStayWhereTheyLayOnTheTable)
{
    Board played;
    MakeGameInPlay(played, 1, 5);
    played.OwnImage = false;
    played.Pieces[7].X = 5000; // loose, far beyond the window
    played.Pieces[7].Group = -1;
    const QString path = Path(QStringLiteral("far.jgy"));
    ASSERT_TRUE(WriteSavedGame(path, SavedGameFromBoard(played, picture)));

    win->DrawPanel()->resize(900, 600);
    ASSERT_TRUE(win->LoadGame(path)) << answer.Messages.join(QLatin1Char('|')).toStdString();
    const QSize table = win->game.View().Table();
    for (int i = 0; i < played.Pieces.Count(); ++i) {
        const Tpiece &p = win->board.Pieces[i];
        EXPECT_EQ(QPoint(p.X, p.Y), QPoint(played.Pieces[i].X, played.Pieces[i].Y)) << i;
        EXPECT_LT(p.X, table.width()) << i; // on the table the view can pan and zoom over
    }
}

TEST_F(LoadGameTest, CommandLineGameWaitsForTheWindowToFillTheScreen)
{
    Board played;
    MakeGameInPlay(played, 1, 8);
    played.OwnImage = false;
    played.Pieces[7].X = 600; // beyond the small window, on any screen
    played.Pieces[7].Y = 450;
    played.Pieces[7].Group = -1;
    const QString path = Path(QStringLiteral("named on the command line.jgy"));
    ASSERT_TRUE(WriteSavedGame(path, SavedGameFromBoard(played, picture)));

    // Asked to be maximized, still small (the window manager or the program
    // itself spreads it over the screen a moment later).
    form->SetCommandLineGame(path);
    form->resize(400, 300);
    form->setWindowState(Qt::WindowMaximized);
    win->DrawPanel()->resize(400, 300 - win->Panel1()->height());
    win->Timer1Timer();
    EXPECT_EQ(win->board.Pieces.Count(), 0);

    const QRect area = form->screen()->availableGeometry();
    form->setGeometry(area);
    win->DrawPanel()->resize(area.width(), area.height() - win->Panel1()->height());
    ASSERT_TRUE(QTest::qWaitFor([&] { return win->board.Pieces.Count() == 35; }, 3000))
        << answer.Messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(win->board.Pieces[7].X, 600);
    EXPECT_EQ(win->board.Pieces[7].Y, 450);
}
