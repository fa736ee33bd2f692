// Saving and loading a 187-piece game: the file work and the checking only,
// not the cutting that follows a load.
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "persist/SaveGame.h"

namespace {

// A 17 x 11 game well under way: pieces spread and turned, a shuffled
// stacking order, groups of five.
Board BigGame()
{
    Board b;
    b.SizeIndex = 2;
    const TCutInfo &cut = b.Cut();
    const int n = PieceCount(cut);
    for (int i = 0; i < n; ++i) {
        Tpiece &p = b.Pieces.Add();
        p.Row = i / cut.Cols;
        p.Col = i % cut.Cols;
        p.X = (i * 7919) % 1500;
        p.Y = (i * 104729) % 900;
        p.Rotation = uint8_t(i % 4);
        p.Group = -1;
        b.DrawOrder.push_back((i * 37) % n); // 37 is prime to 187
    }
    for (int g = 0; g * 5 + 4 < 120; ++g) {
        std::vector<int> &members = b.Groups.emplace_back();
        for (int k = 0; k < 5; ++k) {
            members.push_back(g * 5 + k);
            b.Pieces[g * 5 + k].Group = g;
        }
    }
    b.JoinCount = 96;
    b.GameTime = 3 * 3600 + 25;
    return b;
}

struct TFixture {
    QTemporaryDir dir;
    QString picture = dir.filePath(QStringLiteral("picture.jpg"));
    QString save = dir.filePath(QStringLiteral("game.jgy"));
    Board board = BigGame();
    TFixture()
    {
        QFile f(picture);
        f.open(QIODevice::WriteOnly);
        f.write("x");
    }
};

void BM_SaveNewFile(benchmark::State &state)
{
    TFixture fx;
    const TSavedGame g = SavedGameFromBoard(fx.board, fx.picture);
    for (auto _ : state) {
        QFile::remove(fx.save);
        if (!WriteSavedGame(fx.save, g))
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_SaveNewFile)->Unit(benchmark::kMillisecond);

void BM_SaveOverOldGame(benchmark::State &state)
{
    TFixture fx;
    const TSavedGame g = SavedGameFromBoard(fx.board, fx.picture);
    WriteSavedGame(fx.save, g);
    for (auto _ : state)
        if (!WriteSavedGame(fx.save, SavedGameFromBoard(fx.board, fx.picture)))
            state.SkipWithError("write failed");
}
BENCHMARK(BM_SaveOverOldGame)->Unit(benchmark::kMillisecond);

void BM_LoadAndCheck(benchmark::State &state)
{
    TFixture fx;
    WriteSavedGame(fx.save, SavedGameFromBoard(fx.board, fx.picture));
    const Board table;
    for (auto _ : state) {
        TSavedGame g;
        if (ReadSavedGame(fx.save, table, g) != TSaveCheck::Ok)
            state.SkipWithError("load refused");
        benchmark::DoNotOptimize(g.Pieces.data());
    }
}
BENCHMARK(BM_LoadAndCheck)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
