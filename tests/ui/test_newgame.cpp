// The new-game dialog's answers and the installed pictures' twins.
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "ModalAnswer.h"
#include "board/Board.h"
#include "board/InstalledPicture.h"
#include "ui/NewGameFrm.h"
#include "ui/MySpeedButton.h"

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
    for (int k = 0; k < int(f.BigCutButtons.size()); ++k) {
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

TEST(NewGameDialog, ACutTheTableCannotShowIsRefusedAndTheDialogStaysOpen)
{
    TNewGameFrm f;
    f.CutShown = [](int sizeIndex) { return sizeIndex != CutCount; };
    ModalAnswer answer([](QWidget *w) {
        if (auto *d = qobject_cast<TNewGameFrm *>(w))
            QTimer::singleShot(0, d, [d] {
                QTest::mouseClick(d->BigCutButtons.back(), Qt::LeftButton); // its message answered meanwhile
                EXPECT_TRUE(d->isVisible());
                QTest::mouseClick(d->BigCutButtons.front(), Qt::LeftButton);
            });
    });
    EXPECT_EQ(f.exec(), 2 + FirstBigCut);
    ASSERT_EQ(answer.Messages.size(), 1);
    EXPECT_TRUE(answer.Messages[0].contains(QString("поменьше")));
}

TEST(NewGameDialog, BigCutsSitInOneRowBetweenTheCheckBoxAndCancel)
{
    TNewGameFrm f;
    const QStringList captions = {"384", "600", "1000", "2016"};
    ASSERT_EQ(f.BigCutButtons.size(), size_t(captions.size()));
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
