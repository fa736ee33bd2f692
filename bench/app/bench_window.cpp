// The window's frames as the player meets them, at 1280 x 1024: one piece
// dragged round a circle by a pointer that moves 250 times a second, over
// a 1000-piece game and over a 35-piece one, and the window at rest with
// the 1000-piece game open.  Frames are counted as the table shows them;
// the CPU time is the whole process's (llvmpipe's threads included, the X
// server's not), with the music off.  The frames a second are bounded by the display's
// refresh, which the table never outruns.
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/app/bench_window
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>

#include "BenchPhoto.h"
#include "MainFormProbe.h"
#include "TempXdg.h"
#include "base/ProgramFiles.h"
#include "board/EdgeFilter.h"

namespace {

double ProcessSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Runs the event loop for `ms`, as the game runs it.
void Run(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Send(QWidget *w, QEvent::Type type, QPointF at, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, at, w->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

struct TMeasure {
    int Frames = 0;
    double Seconds = 0, Cpu = 0;
    double PerSecond() const { return Frames / Seconds; }
    double Cores() const { return Cpu / Seconds; }
    double CpuPerFrame() const { return Frames > 0 ? Cpu / Frames * 1000 : 0; }
};

class TBench {
public:
    explicit TBench(TMainFormProbe &win) : m_win(win)
    {
        QObject::connect(win.DrawPanel(), &TDrawPanel::Painted, [this] { ++m_frames; });
    }
    bool NewGame(const QString &photo, int sizeIndex)
    {
        m_win.Act(m_win.game.NewGame({photo, false, sizeIndex, false}));
        Run(1500);
        return !m_win.board.Cutting && m_win.board.Pieces.Count() > 0;
    }
    // The top-most loose piece whose middle lies well inside the table.
    bool PickPiece(QPointF &at) const
    {
        const Board &b = m_win.board;
        const std::vector<char> shown = ShownPieces(b);
        const QRectF inside = QRectF(m_win.DrawPanel()->rect()).adjusted(250, 250, -250, -250);
        for (auto u = b.DrawOrder.rbegin(); u != b.DrawOrder.rend(); ++u) {
            const Tpiece &p = b.Pieces[*u];
            if (p.Group >= 0 || !shown[size_t(*u)])
                continue;
            const double half = b.Cut().TexSize / 2.0;
            at = m_win.game.View().ToWindow(QPointF(p.X + half, p.Y + half));
            if (inside.contains(at))
                return true;
        }
        return false;
    }
    TMeasure Drag(QPointF from, int ms)
    {
        QWidget *panel = m_win.DrawPanel();
        Send(panel, QEvent::MouseButtonPress, from, Qt::LeftButton);
        Run(200);
        const TMeasure m = Measure(ms, [&](int k) {
            const double a = k * 0.05;
            Send(panel, QEvent::MouseMove, from + QPointF(100 * std::cos(a) - 100, 100 * std::sin(a)), Qt::LeftButton);
        });
        Send(panel, QEvent::MouseButtonRelease, from, Qt::NoButton);
        Run(300);
        return m;
    }
    TMeasure Idle(int ms) { return Measure(ms, nullptr); }

private:
    // The event loop for `ms` with `step` (if any) every 4 ms.
    TMeasure Measure(int ms, const std::function<void(int)> &step)
    {
        QTimer input;
        input.setTimerType(Qt::PreciseTimer);
        int k = 0;
        QObject::connect(&input, &QTimer::timeout, [&] { step(k++); });
        m_frames = 0;
        const double cpu = ProcessSeconds();
        QElapsedTimer wall;
        wall.start();
        if (step)
            input.start(4);
        Run(ms);
        input.stop();
        TMeasure m;
        m.Frames = m_frames;
        m.Seconds = double(wall.nsecsElapsed()) * 1e-9;
        m.Cpu = ProcessSeconds() - cpu;
        return m;
    }

    TMainFormProbe &m_win;
    int m_frames = 0;
};

void Print(const char *what, const TMeasure &m)
{
    std::printf("%s: %d frames in %.2f s, %.1f a second, %.3f cores, %.2f ms of CPU a frame\n", what, m.Frames,
                m.Seconds, m.PerSecond(), m.Cores(), m.CpuPerFrame());
}

// A program folder of the bench's own over the built one's artwork and
// shapes, so that its settings and saved games go nowhere else; the music
// off (SDL's mixer would decode it even with no sound card).
bool LinkProgramFolder(const QString &from, const QString &to)
{
    QFile settings(QDir(to).filePath(QStringLiteral("Settings.ini")));
    if (!settings.open(QIODevice::WriteOnly) || settings.write("[Set]\nPlayMusic=0\n") < 0)
        return false;
    settings.close();
    for (const QString &name : QDir(from).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (name.compare(QLatin1String("Settings.ini"), Qt::CaseInsensitive) == 0 || name == QLatin1String("jigsy"))
            continue;
        if (!QFile::link(QDir(from).filePath(name), QDir(to).filePath(name)))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    TTempXdg xdg;
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(jigsy_art);
    QTemporaryDir folder;
    if (!folder.isValid() || !LinkProgramFolder(QStringLiteral(JIGSY_PROGRAM_DIR), folder.path()))
        return 1;
    SetProgramDir(folder.path());
    const QString photo = PhotoJpeg(4000, 3000);
    {
        TMainForm form;
        TMainFormProbe win(form);
        win.Timer1.stop();
        win.PassOverMissing();
        form.resize(1280, 1024);
        form.show();
        if (!QTest::qWaitForWindowExposed(&form) || !QTest::qWaitFor([&] { return win.TableGLReady(); }, 5000))
            return 1;
        const QScreen *screen = form.screen();
        std::printf("screen %dx%d at %.0f Hz, table %dx%d\n", screen->size().width(), screen->size().height(),
                    screen->refreshRate(), win.DrawPanel()->width(), win.DrawPanel()->height());
        TBench bench(win);
        QPointF at;
        TMeasure over1000, over35, idle;
        if (!bench.NewGame(photo, 5) || !bench.PickPiece(at))
            return 1;
        std::printf("1000 pieces at %.0f%%\n", win.game.View().Zoom() * 100);
        over1000 = bench.Drag(at, 3000);
        Print("a piece dragged over 1000 pieces", over1000);
        // Once the game is kept for resuming, only the clock ticks.
        if (!QTest::qWaitFor([&] { return !win.ResumeTimer.isActive(); }, 30000))
            std::printf("(the game was still not kept for resuming after 30 s)\n");
        Run(1000);
        idle = bench.Idle(10000);
        Print("at rest with the 1000-piece game open", idle);
        if (!bench.NewGame(photo, 1) || !bench.PickPiece(at))
            return 1;
        over35 = bench.Drag(at, 3000);
        Print("a piece dragged over 35 pieces", over35);
        std::printf("a frame of the drag over 1000 pieces against one over 35: %.2f ms of CPU against %.2f: ratio %.2f\n",
                    over1000.CpuPerFrame(), over35.CpuPerFrame(), over1000.CpuPerFrame() / over35.CpuPerFrame());
        win.Act(win.game.SetPaused(true)); // nothing left to resume
    }
    return 0;
}
