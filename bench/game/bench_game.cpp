// One press, motion and release of a piece on a freshly cut game of 187 and
// 1000 pieces: through the game object (view, lid, pan and answer included)
// against the rules alone on a copy of the same board, in the same run.
// Then keeping a moved game for the next start, as far as the window's
// thread waits for it, against an ordinary save of the same game.
//   build/bench/game/bench_game
// Target: the game object adds at most a few per cent to the rules' time;
// keeping a 1000-piece game costs no more than saving it, well under a
// frame's time, and it runs from its own timer, never inside a frame.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <memory>

#include "BenchPhoto.h"
#include "BenchRandom.h"
#include "CountingSink.h"
#include "base/ProgramFiles.h"
#include "game/Game.h"
#include "persist/SaveGame.h"

namespace {

struct TCutGame {
    TCountingSink sink;
    TBenchRandom random;
    game::TGame game{random, {&sink, &sink, {}}};
    QPoint at; // the window point over piece 0
};

// A new game of the cut, at 100% so that window and board points agree.
TCutGame &CutGame(int sizeIndex)
{
    static std::map<int, std::unique_ptr<TCutGame>> games;
    std::unique_ptr<TCutGame> &g = games[sizeIndex];
    if (!g) {
        g = std::make_unique<TCutGame>();
        g->game.FitToWindow(QSize(1920, 1080));
        g->game.NewGame({PhotoJpeg(4000, 3000), false, sizeIndex, true});
        g->game.ZoomHome();
        const Tpiece &p = g->game.board().Pieces[0];
        const TCutInfo &cut = g->game.board().Cut();
        const int mid = (cut.Margin + cut.CellSize) / 2;
        g->at = g->game.View().ToWindow(QPointF(p.X + mid, p.Y + mid)).toPoint();
    }
    return *g;
}

void BM_GamePressMoveRelease(benchmark::State &state)
{
    TCutGame &g = CutGame(int(state.range(0)));
    const QDate today(2026, 12, 9);
    int dx = 7;
    for (auto _ : state) {
        g.game.Press(play::TMouseBtn::Left, g.at);
        g.game.MoveTo(g.at + QPoint(dx, 0));
        benchmark::DoNotOptimize(g.game.Release(play::TMouseBtn::Left, g.at + QPoint(dx, 0), today));
        dx = -dx;
    }
}
BENCHMARK(BM_GamePressMoveRelease)->Arg(2)->Arg(5)->Unit(benchmark::kMicrosecond);

void BM_RulesPressMoveRelease(benchmark::State &state)
{
    TCutGame &g = CutGame(int(state.range(0)));
    Board b = g.game.board();
    const QPoint at = g.game.View().BoardPixel(QPointF(g.at) + QPointF(0.5, 0.5));
    const QSize table = g.game.View().Table();
    int dx = 7;
    for (auto _ : state) {
        play::Press(b, play::TMouseBtn::Left, at.x(), at.y());
        play::DragTo(b, at.x() + dx, at.y());
        benchmark::DoNotOptimize(play::Drop(b, table.width(), table.height()));
        dx = -dx;
    }
}
BENCHMARK(BM_RulesPressMoveRelease)->Arg(2)->Arg(5)->Unit(benchmark::kMicrosecond);

// A drop, then the game kept for the next start (what the two-second timer
// does after a move): what of it the window's thread waits for, the file
// being written by a thread of its own.
void BM_KeepMovedGame(benchmark::State &state)
{
    TCutGame &g = CutGame(int(state.range(0)));
    const QDate today(2026, 12, 9);
    for (auto _ : state) {
        g.game.Press(play::TMouseBtn::Left, g.at);
        g.game.Release(play::TMouseBtn::Left, g.at, today);
        g.game.KeepForResume();
    }
}
BENCHMARK(BM_KeepMovedGame)->Arg(2)->Arg(5)->Unit(benchmark::kMillisecond);

// What the window's thread does to keep a game whatever the writer thread
// is doing: taking the game off the board.
void BM_TakeGameOffTheBoard(benchmark::State &state)
{
    TCutGame &g = CutGame(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(SavedGameFromBoard(g.game.board(), g.game.board().PictureFile));
}
BENCHMARK(BM_TakeGameOffTheBoard)->Arg(2)->Arg(5)->Unit(benchmark::kMillisecond);

void BM_SaveGame(benchmark::State &state)
{
    TCutGame &g = CutGame(int(state.range(0)));
    const QString path = QDir(PlayerStateDir()).filePath(QStringLiteral("saved.jgy"));
    for (auto _ : state)
        benchmark::DoNotOptimize(g.game.SaveGame(path));
}
BENCHMARK(BM_SaveGame)->Arg(2)->Arg(5)->Unit(benchmark::kMillisecond);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> time;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &r : runs)
            time[r.benchmark_name()] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // A program folder of its own, so that the games kept and saved here
    // land beside it and go with it.
    QTemporaryDir program;
    QFile::link(QStringLiteral(JIGSY_PROGRAM_DIR "/Image"), program.filePath(QStringLiteral("Image")));
    SetProgramDir(program.path());
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char *arg : {"2", "5"}) {
        const double keep = reporter.time[std::string("BM_TakeGameOffTheBoard/") + arg];
        const double save = reporter.time[std::string("BM_SaveGame/") + arg];
        if (save > 0)
            std::printf("cut %s: the window's part of keeping a game %.3f ms against saving it %.2f ms: ratio %.3f\n", arg, keep,
                        save, keep / save);
    }
    for (const char *arg : {"2", "5"}) {
        const double withGame = reporter.time[std::string("BM_GamePressMoveRelease/") + arg];
        const double rules = reporter.time[std::string("BM_RulesPressMoveRelease/") + arg];
        if (rules > 0)
            std::printf("cut %s: the game object %.1f us against the rules' %.1f us: ratio %.2f\n", arg, withGame,
                        rules, withGame / rules);
    }
    benchmark::Shutdown();
    return 0;
}
