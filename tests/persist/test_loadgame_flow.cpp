// The load flow with a stand-in for the main window: an unusable picture
// leaves the game on the table as it was; a good file is cut again and
// comes back with its clock running.  Refused files are the window's test.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "FakeFlowHost.h"
#include "SaveGameTestUtil.h"
#include "persist/LoadGameFlow.h"

namespace {

class FakeLoadHost : public TFakeFlowHost<TLoadGameHost> {
public:
    bool cutOk = true;
    int sizeAtSetimg = 0;

    void SetChosenFile(const QString &p) override { chosen = p; }
    bool Setimg(const QString &p) override
    {
        sizeAtSetimg = board->SizeIndex;
        return TFakeFlowHost::Setimg(p);
    }
    void StopAnimation() override { calls << "stopAnimation"; }
    void ShowInstalledBackground() override { calls << "background"; }
    bool CreateJigsy() override
    {
        calls << "cut";
        if (cutOk) { // as the cutting leaves the board
            MakeFreshlyCut(*board, board->SizeIndex);
            board->Cutting = false;
        }
        return cutOk;
    }
    void KeepPiecesOnTable() override { calls << "reach"; }
    void StopClock() override { calls << "stopClock"; clock = false; }
    void GameReplaced() override { calls << "replaced"; }
};

class LoadGameFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        picture = dir.filePath(QStringLiteral("picture.jpg"));
        WriteAll(picture, "read by the window's picture setup, not here");
        Board played;
        MakeGameInPlay(played, 2, 4);
        saved = SavedGameFromBoard(played, picture);
        path = dir.filePath(QStringLiteral("game.jgy"));
        ASSERT_TRUE(WriteSavedGame(path, saved));

        MakeGameInPlay(board, 1, 8); // the game on the table
        board.OwnImage = !saved.OwnImage;
        board.RotateEnabled = false;
        onTable = SavedGameFromBoard(board, QStringLiteral("table.jpg"));
        host.board = &board;
        host.chosen = onTable.ImgFileName;
        host.drawTimer = true;
        host.clock = true;
    }

    QTemporaryDir dir;
    QString picture, path;
    TSavedGame saved, onTable;
    Board board;
    FakeLoadHost host;
};

} // namespace

TEST_F(LoadGameFlow, PictureThatCannotBeSetGivesTheTableBack)
{
    host.setimgOk = false;
    EXPECT_EQ(RunLoadGame(board, host, path), TLoadOutcome::PictureNotSet);
    EXPECT_EQ(host.sizeAtSetimg, saved.SizeIndex); // read for the saved cut
    EXPECT_TRUE(host.cuttingAtSetimg);
    EXPECT_EQ(host.messages, QStringList{"img not set"});
    ExpectSameGame(SavedGameFromBoard(board, host.chosen), onTable);
    EXPECT_FALSE(board.Cutting);
    EXPECT_TRUE(host.drawTimer);
    EXPECT_TRUE(host.clock);
}

TEST_F(LoadGameFlow, SavedGameIsCutAgainAndRunsOn)
{
    host.clock = false;
    EXPECT_EQ(RunLoadGame(board, host, path), TLoadOutcome::Loaded);
    EXPECT_EQ(host.calls, (QStringList{"stopDrawTimer", "draw", "setimg " + picture, "stopAnimation", "background",
                                       "cut", "reach", "enableSave", "clock", "replaced", "draw"}));
    ExpectSameGame(SavedGameFromBoard(board, host.chosen), saved);
    EXPECT_FALSE(board.Cutting);
    EXPECT_TRUE(board.PiecesVisible);
    EXPECT_EQ(board.PieceAlpha, 1.0f);
    EXPECT_TRUE(host.messages.isEmpty());
}

TEST_F(LoadGameFlow, PiecesThatCannotBeCutLeaveNoClockRunning)
{
    host.cutOk = false;
    EXPECT_EQ(RunLoadGame(board, host, path), TLoadOutcome::CutFailed);
    EXPECT_FALSE(host.clock);
    EXPECT_FALSE(host.calls.contains("enableSave"));
    EXPECT_FALSE(board.Cutting);
}
