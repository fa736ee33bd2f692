// What the window itself does with a move: presses over the box lid reach
// the table, and the dialogs it runs change nothing when cancelled.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFileDialog>
#include <QSignalSpy>

#include "MainWindowTest.h"
#include "ui/BrowseFrm.h"
#include "ui/NewGameFrm.h"

namespace {

class WindowMoves : public MainWindowTest {
protected:
    void SetUp() override { OpenTable(); }
};

} // namespace

TEST_F(WindowMoves, APressOverTheLidReachesTheTable)
{
    win->board.PictureBmp = QImage(560, 400, QImage::Format_RGB32);
    win->Act(win->game.SetLidShown(true));
    ASSERT_TRUE(win->LidPanel()->isVisible());
    const QPoint onLid = win->LidPanel()->geometry().center();
    QSignalSpy pressed(win->DrawPanel(), &TDrawPanel::Pressed);
    QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, win->DrawPanel()->mapTo(form.get(), onLid));
    ASSERT_EQ(pressed.size(), 1);
    EXPECT_EQ(QPoint(pressed[0][1].toInt(), pressed[0][2].toInt()), onLid);
}

TEST_F(WindowMoves, CancellingTheNewGameDialogChangesNothing)
{
    const QString picture = dir.filePath("own.jpg");
    QImage(700, 500, QImage::Format_RGB32).save(picture, "JPG");
    TBrowseFrm browse;
    TNewGameFrm newGame;
    form->SetDialogs(&browse, &newGame, nullptr);
    bool asked = false;
    onModal = [&](QWidget *w) {
        if (w == &browse) {
            browse.ChosenFile = picture;
            browse.done(1);
        } else if (w == &newGame) {
            asked = true;
            newGame.CheckBox1->setChecked(false);
            newGame.done(2);
        }
    };
    ASSERT_TRUE(win->board.RotateEnabled);
    win->NewGameBtnClick();
    ASSERT_TRUE(asked);
    EXPECT_TRUE(win->board.RotateEnabled);
    EXPECT_TRUE(win->board.PictureFile.isEmpty());
    form->SetDialogs(nullptr, nullptr, nullptr);
}

TEST_F(WindowMoves, CancellingTheSaveDialogLeavesNoGamesFolderBehind)
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(".config").toLocal8Bit());
    onModal = [](QWidget *w) {
        if (auto *d = qobject_cast<QFileDialog *>(w))
            d->reject();
    };
    win->SaveBtnClick();
    EXPECT_FALSE(QFileInfo::exists(home.filePath("Documents/Jigsy")));
    qputenv("HOME", oldHome);
    oldConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
}
