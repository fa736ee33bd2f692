// Loading through the main window, without a display: the picture is set up
// and cut for real (textures are skipped while there is no table context),
// and a refused file leaves the game on the table exactly as it was.
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "SaveGameTestUtil.h"
#include "app/DrawPanel.h"
#include "app/MainForm.h"
#include "base/ProgramFiles.h"
#include "ui/BrowseFrm.h"
#include "ui/MySpeedButton.h"

namespace {

// Answers every message box that opens and remembers its text.
class TMessageCatcher {
public:
    TMessageCatcher()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                Texts << box->text();
                box->done(QMessageBox::Ok);
            }
        });
        m_timer.start();
    }
    QStringList Texts;

private:
    QTimer m_timer;
};

class LoadGameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SetProgramDir(QStringLiteral(JIGSY_PROGRAM_DIR)); // the piece shapes live there
        picture = dir.filePath(QStringLiteral("picture.jpg"));
        QImage img(580, 420, QImage::Format_RGB32); // enough for 5 x 7, not for 17 x 11
        img.fill(QColor(120, 160, 90));
        ASSERT_TRUE(img.save(picture, "JPG"));

        form = std::make_unique<TMainForm>();
        for (QTimer *t : {&form->Timer1, &form->PlayerTimer, &form->ReSizeTimer})
            t->stop();
        form->SetDialogs(&browse, nullptr, nullptr);
        // A table large enough for every saved position, as on the screen
        // the games were saved on.
        form->DrawPanel->resize(1600, 1000);
    }
    void TearDown() override { form.reset(); }

    QString Path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QString picture;
    TBrowseFrm browse;
    std::unique_ptr<TMainForm> form;
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

    TMessageCatcher messages;
    ASSERT_TRUE(form->LoadGame(good)) << messages.Texts.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(messages.Texts.isEmpty());
    ExpectSameGame(SavedGameFromBoard(form->board, browse.ChosenFile), saved);
    EXPECT_EQ(form->board.PictureFile, picture); // what the next save names
    EXPECT_FALSE(form->board.Cutting);
    EXPECT_FALSE(form->board.ShowFinished);
    EXPECT_TRUE(form->board.PiecesVisible);
    EXPECT_EQ(form->board.PieceAlpha, 1.0f);
    EXPECT_EQ(form->board.TurnPiece, -1);
    EXPECT_TRUE(form->SaveBtn->isEnabled());
    EXPECT_TRUE(form->Timer2.isActive());
    EXPECT_TRUE(form->DrawTimer.isActive());
    // The clock keeps running through the message boxes below; stopped
    // here so that its ticks do not count as a change of the game.
    form->Timer2.stop();

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
        messages.Texts.clear();
        EXPECT_FALSE(form->LoadGame(badPath));
        ASSERT_EQ(messages.Texts.size(), c.messages.size()) << messages.Texts.join(QLatin1Char('|')).toStdString();
        for (int k = 0; k < c.messages.size(); ++k)
            EXPECT_TRUE(messages.Texts[k].contains(c.messages[k])) << messages.Texts[k].toStdString();
        ExpectSameGame(SavedGameFromBoard(form->board, browse.ChosenFile), saved);
        EXPECT_EQ(browse.ChosenFile, picture);
        EXPECT_EQ(form->board.PictureFile, picture);
        EXPECT_EQ(form->board.Pieces.Count(), 35);
        EXPECT_FALSE(form->board.RotateEnabled);
        EXPECT_FALSE(form->board.Cutting);
        EXPECT_TRUE(form->DrawTimer.isActive());
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

    TMessageCatcher messages;
    ASSERT_TRUE(form->LoadGame(path)) << messages.Texts.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(browse.ChosenFile, a);
    EXPECT_EQ(form->board.PictureFile, b); // what the next save names
}

TEST_F(LoadGameTest, PiecesSavedBeyondASmallerTableComeBackWithinReach)
{
    Board played;
    MakeGameInPlay(played, 1, 5);
    played.OwnImage = false;
    played.Pieces[7].X = 5000; // loose, wholly off any table
    played.Pieces[7].Group = -1;
    const QString path = Path(QStringLiteral("far.jgy"));
    ASSERT_TRUE(WriteSavedGame(path, SavedGameFromBoard(played, picture)));

    TMessageCatcher messages;
    form->DrawPanel->resize(900, 600);
    ASSERT_TRUE(form->LoadGame(path)) << messages.Texts.join(QLatin1Char('|')).toStdString();
    const TCutInfo &cut = form->board.Cut();
    for (const Tpiece &p : form->board.Pieces) {
        // some part of every hit square lies on the table
        EXPECT_LT(p.X + cut.Margin, 900);
        EXPECT_GT(p.X + cut.CellSize, 0);
        EXPECT_LT(p.Y + cut.Margin, 600);
        EXPECT_GT(p.Y + cut.CellSize, 0);
    }
    // a loose piece already within reach stays exactly where it was saved
    int checked = 0;
    for (int i = 0; i < played.Pieces.Count(); ++i) {
        const Tpiece &was = played.Pieces[i];
        const bool reachable = was.X + cut.Margin < 900 && was.X + cut.CellSize > 0 && was.Y + cut.Margin < 600 &&
                               was.Y + cut.CellSize > 0;
        if (was.Group >= 0 || !reachable)
            continue;
        EXPECT_EQ(form->board.Pieces[i].X, was.X) << i;
        EXPECT_EQ(form->board.Pieces[i].Y, was.Y) << i;
        ++checked;
    }
    EXPECT_GT(checked, 5);
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
    TMessageCatcher messages;
    form->SetCommandLineGame(path);
    form->resize(400, 300);
    form->setWindowState(Qt::WindowMaximized);
    form->DrawPanel->resize(400, 300 - form->Panel1->height());
    form->Timer1Timer();
    EXPECT_EQ(form->board.Pieces.Count(), 0);

    const QRect area = form->screen()->availableGeometry();
    form->setGeometry(area);
    form->DrawPanel->resize(area.width(), area.height() - form->Panel1->height());
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->board.Pieces.Count() == 35; }, 3000))
        << messages.Texts.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(form->board.Pieces[7].X, 600);
    EXPECT_EQ(form->board.Pieces[7].Y, 450);
}
