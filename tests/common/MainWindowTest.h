// The main window for the window's own tests: made over a program folder
// of the test's choosing, reached through TMainFormProbe, its message boxes
// answered and their texts kept in `answer.Messages`, any other modal
// window handed to `onModal`.  The window's tests run under the suite's X
// server.
#pragma once

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "MainFormProbe.h"
#include "ModalAnswer.h"
#include "base/ProgramFiles.h"

class MainWindowTest : public ::testing::Test {
protected:
    // The window over `programDir`, the start-up timer (command-line game
    // and start-up sound) stopped.
    void Open(const QString &programDir)
    {
        Q_INIT_RESOURCE(jigsy_art); // the artwork lives in the program's library
        win.reset(); // a test may open the window again: the old one goes first
        form.reset();
        SetProgramDir(programDir);
        form = std::make_unique<TMainForm>();
        win = std::make_unique<TMainFormProbe>(*form);
        win->Timer1.stop();
    }
    // The window for loading games over `programDir` (which must reach the
    // piece shapes), unshown, its background timers stopped, its table large
    // enough for every saved position, as on the screen the games were
    // saved on.
    void OpenForGames(const QString &programDir)
    {
        Open(programDir);
        for (QTimer *t : {&win->PlayerTimer, &win->ReSizeTimer, &win->ResumeTimer})
            t->stop();
        win->DrawPanel()->resize(1600, 1000);
    }
    // The window over a bare program folder of its own (no settings,
    // backgrounds or music), shown at 640 x 480 on a real table.
    void OpenTable()
    {
        ASSERT_TRUE(dir.isValid());
        Open(dir.path());
        form->resize(640, 480);
        ShowTable();
    }
    // Shows the window and waits for the table's OpenGL context; skips the
    // test on a platform that cannot give one.
    void ShowTable()
    {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            GTEST_SKIP() << "needs an X server for the table's OpenGL context";
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return win->TableGLReady(); }, 5000));
    }
    void TearDown() override
    {
        win.reset();
        form.reset();
        SetProgramDir(QString()); // the test's folder goes with it
    }

    QTemporaryDir dir;
    std::function<void(QWidget *)> onModal;
    ModalAnswer answer{[this](QWidget *w) {
        if (onModal)
            onModal(w);
    }};
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<TMainFormProbe> win;
};
