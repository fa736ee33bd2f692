// The new-game dialog's answers, and the new-game button's flow with a
// stand-in for the main window (which needs OpenGL).
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "FakeFlowHost.h"
#include "ModalAnswer.h"
#include "board/Board.h"
#include "board/InstalledPicture.h"
#include "ui/NewGameFrm.h"
#include "ui/MySpeedButton.h"
#include "play/NewGameFlow.h"

TEST(NewGameDialog, AnswersAndKeepsTheCheckBox)
{
    TNewGameFrm f;
    EXPECT_EQ(f.windowTitle(), QString("Новая игра"));
    EXPECT_EQ(f.width(), 314);
    EXPECT_EQ(f.CheckBox1->text(), QString("Вращение вилоры "));
    EXPECT_TRUE(f.CheckBox1->isChecked());

    std::function<void(TNewGameFrm *)> act;
    ModalAnswer answer([&](QWidget *w) {
        if (auto *d = qobject_cast<TNewGameFrm *>(w))
            act(d);
    });
    act = [](TNewGameFrm *d) { QTest::mouseClick(d->MySpeedButton1, Qt::LeftButton); };
    EXPECT_EQ(f.exec(), 3);
    act = [](TNewGameFrm *d) { QTest::mouseClick(d->MySpeedButton2, Qt::LeftButton); };
    EXPECT_EQ(f.exec(), 4);
    for (int k = 0; k < 3; ++k) {
        act = [k](TNewGameFrm *d) { QTest::mouseClick(d->BigCutButtons[size_t(k)], Qt::LeftButton); };
        EXPECT_EQ(f.exec(), 5 + k);
    }
    act = [](TNewGameFrm *d) {
        d->CheckBox1->setChecked(false);
        d->SpeedButton1->click();
    };
    EXPECT_EQ(f.exec(), 2);
    EXPECT_FALSE(f.CheckBox1->isChecked());
    act = [](TNewGameFrm *d) {
        QTest::keyClick(d, Qt::Key_Escape); // no key of its own for cancelling
        EXPECT_TRUE(d->isVisible());
        d->close(); // the close box
    };
    EXPECT_EQ(f.exec(), 2);
    EXPECT_FALSE(f.CheckBox1->isChecked()); // kept between showings
}

TEST(NewGameDialog, BigCutsSitInOneRowBetweenTheCheckBoxAndCancel)
{
    TNewGameFrm f;
    const QStringList captions = {"384", "600", "1000"};
    for (size_t k = 0; k < f.BigCutButtons.size(); ++k) {
        const TMySpeedButton *b = f.BigCutButtons[k];
        EXPECT_EQ(b->Caption(), captions[int(k)]);
        EXPECT_EQ(b->y(), f.BigCutButtons[0]->y());
        EXPECT_GE(b->y(), f.CheckBox1->geometry().bottom());
        EXPECT_LE(b->geometry().bottom(), f.SpeedButton1->y());
    }
    EXPECT_EQ(f.BigCutButtons[0]->toolTip(), QString("Вилора 24 x 16"));
    EXPECT_EQ(f.MySpeedButton1->pos(), QPoint(17, 36)); // the classic cuts stay where they were
    EXPECT_EQ(f.CheckBox1->y(), 176);
    EXPECT_EQ(f.height() - (f.SpeedButton1->y() + f.SpeedButton1->height()), 10);
}

namespace {

// The new game's own steps over the shared stand-in for the main window.
class FakeHost : public TFakeFlowHost<TNewGameHost> {
public:
    int browserResult = 1;
    bool selfImg = false;
    int dialogResult = 3;
    bool rotation = true;
    bool cutOk = true;

    int ShowBrowser() override { calls << "browser"; return browserResult; }
    bool SelfImg() const override { return selfImg; }
    int ShowNewGameDialog() override { calls << "dialog"; return dialogResult; }
    bool RotationChecked() const override { return rotation; }
    bool NewGame() override { calls << "newGame"; return cutOk; }
    void StartRandomTrack() override { calls << "music"; }
};

class NewGameFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = tmp.path();
        for (const char *n : {"/ASea.jpg", "/BSea.jpg", "/ALone.jpg", "/own.jpg"}) {
            QFile f(dir + n);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        host.board = &board;
        board.SizeIndex = 1;
        board.ShowFinished = true;
        board.RotateEnabled = true;
        board.JoinCount = 7;
        board.GameTime = 99;
    }
    QTemporaryDir tmp;
    QString dir;
    Board board;
    FakeHost host;
};

} // namespace

TEST(NewGameTwin, TheTwinTakesBAndTheChoiceIsTheAPicture)
{
    struct {
        const char *path, *twin, *choice;
    } rows[] = {
        {"/opt/jigsy/img/ASea.jpg", "/opt/jigsy/img/BSea.jpg", "/opt/jigsy/img/ASea.jpg"},
        {"/opt/jigsy/img/BSea.jpg", "/opt/jigsy/img/BSea.jpg", "/opt/jigsy/img/ASea.jpg"},
        {"/opt/jigsy/img/CSea.jpg", "/opt/jigsy/img/BSea.jpg", "/opt/jigsy/img/ASea.jpg"},
        {"/x/Zebra.jpg", "/x/Bebra.jpg", "/x/Zebra.jpg"},
        {"/B/own.jpg", "/B/Bwn.jpg", "/B/own.jpg"}, // only the name's letter counts
        {"A.jpg", "B.jpg", "A.jpg"},
    };
    for (const auto &r : rows) {
        EXPECT_EQ(InstalledTwin(r.path), QString(r.twin)) << r.path;
        EXPECT_EQ(InstalledChoice(r.path), QString(r.choice)) << r.path;
    }
}

TEST_F(NewGameFlow, BrowserClosedChangesOnlyTheFinishedDisplay)
{
    host.browserResult = 0;
    EXPECT_EQ(RunNewGame(board, host), TNewGameOutcome::BrowserClosed);
    EXPECT_FALSE(board.ShowFinished);
    EXPECT_EQ(host.calls, QStringList{"browser"});
    EXPECT_TRUE(host.messages.isEmpty());
}

TEST_F(NewGameFlow, MissingPictureIsReported)
{
    host.chosen = dir + "/gone.jpg";
    host.selfImg = true;
    EXPECT_EQ(RunNewGame(board, host), TNewGameOutcome::PictureMissing);
    EXPECT_EQ(host.messages, QStringList{"Не могу загрузить эту картинку, файл отсутствует!"});
    EXPECT_FALSE(board.OwnImage); // the game on the table keeps its own
    EXPECT_EQ(host.calls, QStringList{"browser"});
}

TEST_F(NewGameFlow, CancelledDialogStillTakesTheRotationSwitch)
{
    host.chosen = dir + "/own.jpg";
    host.dialogResult = 2;
    host.rotation = false;
    EXPECT_EQ(RunNewGame(board, host), TNewGameOutcome::DialogCancelled);
    EXPECT_FALSE(board.RotateEnabled);
    EXPECT_EQ(board.SizeIndex, 1);
    EXPECT_EQ(host.calls, (QStringList{"browser", "dialog"}));
}

TEST_F(NewGameFlow, EveryWayOfNotStartingKeepsWhetherTheTablePictureIsInstalled)
{
    // A save made afterwards must still describe the game on the table.
    for (bool installedOnTable : {false, true}) {
        SCOPED_TRACE(installedOnTable);
        board.OwnImage = installedOnTable;
        host.selfImg = !installedOnTable;

        host.chosen = dir + "/gone.jpg";
        EXPECT_EQ(RunNewGame(board, host), TNewGameOutcome::PictureMissing);
        EXPECT_EQ(board.OwnImage, installedOnTable);

        host.chosen = dir + "/ALone.jpg";
        host.dialogResult = 2;
        EXPECT_EQ(RunNewGame(board, host), TNewGameOutcome::DialogCancelled);
        EXPECT_EQ(board.OwnImage, installedOnTable);

        host.dialogResult = 4;
        host.setimgOk = false;
        const TNewGameOutcome failed = RunNewGame(board, host);
        EXPECT_TRUE(failed == TNewGameOutcome::TwinMissing || failed == TNewGameOutcome::PictureNotSet);
        EXPECT_EQ(board.OwnImage, installedOnTable);
        host.setimgOk = true;
    }
}

TEST_F(NewGameFlow, MissingTwinOfAnInstalledPictureKeepsTheCut)
{
    host.chosen = dir + "/ALone.jpg";
    host.selfImg = true;
    host.dialogResult = 4;
    EXPECT_EQ(RunNewGame(board, host), TNewGameOutcome::TwinMissing);
    EXPECT_EQ(host.messages, QStringList{"К сожалению файл не найден! Выбери другую картинку."});
    EXPECT_EQ(board.SizeIndex, 1);
    EXPECT_EQ(host.chosen, dir + "/ALone.jpg");
    EXPECT_EQ(host.calls, (QStringList{"browser", "dialog"}));
}

TEST_F(NewGameFlow, SmallCutOfAnInstalledPictureUsesItsTwinAndKeepsTheChoice)
{
    host.chosen = dir + "/ASea.jpg";
    host.selfImg = true;
    host.dialogResult = 4;
    host.drawTimer = true;
    EXPECT_EQ(RunNewGame(board, host), TNewGameOutcome::Started);
    EXPECT_EQ(board.SizeIndex, 2);
    EXPECT_TRUE(host.cuttingAtSetimg);
    EXPECT_EQ(host.calls, (QStringList{"browser", "dialog", "stopDrawTimer", "draw", "setimg " + dir + "/BSea.jpg",
                                       "newGame", "enableSave", "music", "clock", "draw"}));
    EXPECT_EQ(board.JoinCount, 0);
    EXPECT_EQ(board.GameTime, 0);
    EXPECT_TRUE(host.messages.isEmpty());

    // The same choice again at once, at the other size.
    EXPECT_EQ(host.chosen, dir + "/ASea.jpg");
    host.calls.clear();
    host.dialogResult = 3;
    EXPECT_EQ(RunNewGame(board, host), TNewGameOutcome::Started);
    EXPECT_TRUE(host.calls.contains("setimg " + dir + "/ASea.jpg"));
}

TEST_F(NewGameFlow, BigCutOfAnInstalledPictureUsesItsLargeVersionOrElseItsTwin)
{
    struct TRow {
        bool large;
        const char *source;
    };
    for (const TRow &row : {TRow{true, "/CSea.jpg"}, TRow{false, "/BSea.jpg"}}) {
        SCOPED_TRACE(row.source);
        if (row.large) {
            QFile f(dir + "/CSea.jpg");
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        } else {
            ASSERT_TRUE(QFile::remove(dir + "/CSea.jpg"));
        }
        host.chosen = dir + "/ASea.jpg";
        host.selfImg = true;
        host.dialogResult = 2 + CutCount;
        EXPECT_EQ(RunNewGame(board, host), TNewGameOutcome::Started);
        EXPECT_EQ(board.SizeIndex, CutCount);
        EXPECT_TRUE(host.calls.contains("setimg " + dir + row.source));
        EXPECT_EQ(host.chosen, dir + "/ASea.jpg");
        host.calls.clear();
    }
}

TEST_F(NewGameFlow, OwnPictureIsUsedForEveryCut)
{
    for (int result = 4; result <= 2 + CutCount; ++result) {
        host.chosen = dir + "/own.jpg";
        host.selfImg = false;
        host.dialogResult = result;
        EXPECT_EQ(RunNewGame(board, host), TNewGameOutcome::Started);
        EXPECT_EQ(board.SizeIndex, result - 2);
        EXPECT_TRUE(host.calls.contains("setimg " + dir + "/own.jpg"));
    }
}

TEST_F(NewGameFlow, PictureThatCannotBeSetLeavesTheOldGameRunning)
{
    board.Pieces.Add();
    host.chosen = dir + "/own.jpg";
    host.dialogResult = 4;
    host.setimgOk = false;
    host.drawTimer = true;
    EXPECT_EQ(RunNewGame(board, host), TNewGameOutcome::PictureNotSet);
    EXPECT_EQ(host.messages, QStringList{"img not set"});
    EXPECT_EQ(board.SizeIndex, 1);
    EXPECT_FALSE(board.Cutting);
    EXPECT_TRUE(host.drawTimer);
    EXPECT_FALSE(host.calls.contains("newGame"));
    EXPECT_EQ(host.calls.last(), QString("draw"));
    EXPECT_EQ(board.JoinCount, 7);
    EXPECT_FALSE(host.clock);
}

TEST_F(NewGameFlow, PictureThatCannotBeSetOnAnEmptyTableKeepsTheRedrawOff)
{
    host.chosen = dir + "/own.jpg";
    host.setimgOk = false;
    EXPECT_EQ(RunNewGame(board, host), TNewGameOutcome::PictureNotSet);
    EXPECT_FALSE(board.Cutting);
    EXPECT_FALSE(host.drawTimer);
}

TEST_F(NewGameFlow, PiecesThatCannotBeCutStartNoGame)
{
    // The cutting has emptied the table and said why; nothing may then
    // pretend a game runs: no save, no music, no clock.
    host.chosen = dir + "/own.jpg";
    host.cutOk = false;
    EXPECT_EQ(RunNewGame(board, host), TNewGameOutcome::CutFailed);
    EXPECT_FALSE(host.calls.contains("enableSave"));
    EXPECT_FALSE(host.calls.contains("music"));
    EXPECT_FALSE(host.clock);
    EXPECT_EQ(board.JoinCount, 7);
}
