// The program entry: the splash for two seconds, then the main window, the
// picture browser, the new-game dialog and the background chooser, in that
// order; the splash goes before the message loop starts.
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/CommandLine.h"
#include "app/MainForm.h"
#include "app/QtRussian.h"
#include "app/ScreenFill.h"
#include "app/SingleGame.h"
#include "app/SplashForm.h"
#include "base/ProgramFiles.h"
#include "picture/Cutting.h"
#include "ui/BGChangeFrm.h"
#include "ui/NewGameFrm.h"
#include "ui/BrowseFrm.h"

namespace {

// Keeps the splash painted while the time passes.
void Pause(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        QThread::msleep(10);
    }
}

void CentreOnScreen(QWidget &w)
{
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        w.move(area.center() - QPoint(w.width() / 2, w.height() / 2));
    }
}

} // namespace

int main(int argc, char **argv)
{
    Q_INIT_RESOURCE(jigsy_art);
    // The name is also the window's class, which the desktop entry's
    // StartupWMClass names.
    QCoreApplication::setApplicationName(QStringLiteral("Jigsy"));
#ifdef JIGSY_VERSION
    QCoreApplication::setApplicationVersion(QStringLiteral(JIGSY_VERSION));
#endif
    if (AnswerWithoutDisplay(argc, argv))
        return 0;
    const std::unique_ptr<QApplication> application = OpenDisplay(argc, argv);
    QApplication &app = *application;
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/icon.png")));
#ifdef JIGSY_APP_ID
    // The desktop matches the window to its menu entry (and so its icon).
    QGuiApplication::setDesktopFileName(QStringLiteral(JIGSY_APP_ID));
#endif
    InstallQtRussian(app);

    QString commandLineGame;
    QString optionError;
    if (!GameFromCommandLine(argc, argv, commandLineGame, optionError)) {
        std::fprintf(stderr, "%s\n", optionError.toUtf8().constData());
        return 2;
    }

    // A broken installation (the shared folder gone) cannot cut a picture.
    if (!ProgramFilesFound()) {
        QMessageBox::critical(nullptr, QStringLiteral("Jigsy"),
                              AssetErrorMessage(TAssetResult::NoFolder, ShapeFolderName()));
        return 1;
    }

    // A game already runs on this state folder: it takes the file.
    if (TSingleGame::HandOver(commandLineGame))
        return 0;
    TSingleGame single;
    single.Listen();

    const QImage splashPicture(QStringLiteral(":/art/splash.png"));
    auto splash = std::make_unique<TSlashFrm>(splashPicture);
    if (splash->HasPicture()) {
        splash->ShowOverScreen();
        Pause(2000);
    }

    TMainForm form;
    if (!splash->HasPicture())
        form.NoteMissing(QStringLiteral("заставка splash.png"));
    TBrowseFrm browse(nullptr);
    CentreOnScreen(browse);
    TNewGameFrm newGame(&form);
    TBGChangeFrm bgChange(&form);
    form.SetDialogs(&browse, &newGame, &bgChange);
    form.SetCommandLineGame(commandLineGame);
    QObject::connect(&single, &TSingleGame::Handed, &form, &TMainForm::OpenHandedGame);

    splash->close();
    splash.reset();
    form.showMaximized();
    // Without a window manager (a bare X server) maximizing does nothing;
    // the window then still covers the screen's working area.  With one,
    // the window keeps its designed size for when it is restored.
    QTimer::singleShot(400, &form, [&form] {
        QScreen *screen = form.screen();
        if (!screen)
            return;
        const QRect area = screen->availableGeometry();
        if (StillGrowingToScreen(form.isMaximized(), form.frameGeometry().size(), area.size()))
            form.setGeometry(area);
    });
    // Files handed over while the splash was up, once the window is.
    QTimer::singleShot(0, &single, &TSingleGame::Ready);
    return app.exec();
}
