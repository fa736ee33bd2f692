// The folder picker: the separator rule, the remembered folder, the edit
// box and its buttons.  The modal window is answered from a timer.
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

#include "ModalAnswer.h"
#include "ui/OFFrm.h"
#include "ui/OpenFolder.h"

TEST(OpenFolder, SeparatorRule)
{
    QTemporaryDir tmp;
    EXPECT_EQ(TOpenFolder::WithSeparator("/home/pics", false), QString("/home/pics/"));
    EXPECT_EQ(TOpenFolder::WithSeparator("/home/pics/", false), QString("/home/pics/"));
    EXPECT_EQ(TOpenFolder::WithSeparator("/", false), QString("/"));
    // a typed path that names nothing still gets one
    EXPECT_EQ(TOpenFolder::WithSeparator("/no/such", false), QString("/no/such/"));
    // with files: only an existing folder gets one, a file stays as it is
    EXPECT_EQ(TOpenFolder::WithSeparator(tmp.path(), true), tmp.path() + "/");
    EXPECT_EQ(TOpenFolder::WithSeparator(tmp.path() + "/a.jpg", true), tmp.path() + "/a.jpg");
}

TEST(OpenFolder, OkReturnsTheFolderAndAnEmptyInitialFolderOpensAtTheRememberedOne)
{
    QTemporaryDir tmp;
    const QString pics = tmp.path() + "/Pics";
    ASSERT_TRUE(QDir().mkpath(pics));
    TOpenFolder of;
    QStringList shown;
    QString answerWith = "ok";
    ModalAnswer answer([&](QWidget *w) {
        auto *f = qobject_cast<TOFFrm *>(w);
        if (!f)
            return;
        shown << f->Edit1->text();
        if (answerWith == "ok")
            f->SpeedButton2->click();
        else if (answerWith == "cancel")
            f->SpeedButton3->click();
        else
            f->close();
    });
    ASSERT_TRUE(of.SelectFolder("Заголовок", pics));
    EXPECT_EQ(of.Folder, pics + "/");
    EXPECT_EQ(of.RememberedFolder, pics);
    // no initial folder: opens where the last call did
    ASSERT_TRUE(of.SelectFolder("", ""));
    EXPECT_EQ(shown.value(1), pics);
    EXPECT_EQ(of.Folder, pics + "/");
    // a cancel and the close box keep Folder
    of.Folder = "kept";
    answerWith = "cancel";
    EXPECT_FALSE(of.SelectFolder("", tmp.path()));
    answerWith = "close";
    EXPECT_FALSE(of.SelectFolder("", tmp.path()));
    EXPECT_EQ(of.Folder, QString("kept"));
    // a missing initial folder opens at home
    answerWith = "ok";
    EXPECT_TRUE(of.SelectFolder("", tmp.path() + "/missing"));
    EXPECT_EQ(shown.last(), QDir::homePath());
    EXPECT_EQ(of.RememberedFolder, tmp.path() + "/missing");
}

TEST(OpenFolder, ALongPromptPushesTheWindowDownInsteadOfBeingCut)
{
    TOFFrm f;
    const QRect editAt = f.Edit1->geometry();
    f.SetTitle(QStringLiteral("Выберите папку с картинками или фотографиями!"));
    EXPECT_GE(f.Label1->height(), f.Label1->heightForWidth(f.Label1->width()));
    EXPECT_GE(f.Edit1->y(), f.Label1->geometry().bottom());
    const int extra = f.Edit1->y() - editAt.y();
    EXPECT_EQ(f.size(), QSize(288, 335 + extra));
    EXPECT_EQ(f.SpeedButton2->y(), 308 + extra);
}

TEST(OpenFolder, WindowEditBoxEnterAndNewFolder)
{
    QTemporaryDir tmp;
    const QString a = tmp.path() + "/a";
    ASSERT_TRUE(QDir().mkpath(a));
    TOFFrm f;
    EXPECT_EQ(f.windowTitle(), QString("OpenFolder"));
    EXPECT_EQ(f.size(), QSize(288, 335));
    f.OpenAt = tmp.path();
    f.show();
    EXPECT_EQ(f.Edit1->text(), tmp.path());
    EXPECT_TRUE(f.SpeedButton1->isEnabled());

    // typing a path that names nothing disables "Создать папку"
    f.Edit1->setText(tmp.path() + "/zzz");
    EXPECT_FALSE(f.SpeedButton1->isEnabled());
    // Enter with such text is swallowed: nothing changes, nothing closes
    QTest::keyClick(f.Edit1, Qt::Key_Return);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.SelectedPath(), tmp.path());
    // Enter with an existing folder selects it in the tree
    f.Edit1->setText(a);
    QTest::keyClick(f.Edit1, Qt::Key_Return);
    EXPECT_EQ(f.SelectedPath(), a);
    EXPECT_EQ(f.Edit1->text(), a);
    EXPECT_TRUE(f.isVisible());

    // "Создать папку" asks for a name and selects the new folder
    ModalAnswer answer([](QWidget *w) {
        if (auto *in = qobject_cast<QInputDialog *>(w)) {
            EXPECT_EQ(in->windowTitle(), QString("Введите наименование папки"));
            in->setTextValue("новая");
            in->accept();
        }
    });
    f.SpeedButton1->click();
    EXPECT_TRUE(QFileInfo(a + "/новая").isDir());
    EXPECT_EQ(f.Edit1->text(), a + "/новая");
}
