// Sorting a big puzzle on the 1000-piece cut: spreading every loose piece,
// a rubber band over 500 pieces (the cell grid's build included) and the
// sort by colour, each beside one pass over the pieces (ShownPieces) as the
// baseline of the same run.  Targets: spread 50 ms, band 5 ms, colour sort
// 100 ms.
#include <benchmark/benchmark.h>

#include <QImage>
#include <random>

#include "board/EdgeFilter.h"
#include "play/CellGrid.h"
#include "play/ColourSort.h"
#include "play/Selection.h"
#include "play/Spread.h"
#include "play/Table.h"

namespace {

constexpr int kCut = 5;

// Every piece loose, scattered over the table of a 1280 x 980 window.
Board Scattered(QSize &table)
{
    Board b;
    b.SizeIndex = kCut;
    const TCutInfo &c = b.Cut();
    table = play::TableSize(kCut, 1280, 980);
    std::mt19937 rng(7);
    for (int i = 0; i < PieceCount(c); ++i) {
        Tpiece &p = b.Pieces.Add();
        p.Row = i / c.Cols;
        p.Col = i % c.Cols;
        p.X = int(rng() % unsigned(table.width() - c.CellSize));
        p.Y = int(rng() % unsigned(table.height() - c.CellSize));
        p.Group = -1;
        b.DrawOrder.push_back(i);
    }
    return b;
}

void BM_BaselineShownPieces(benchmark::State &state)
{
    QSize table;
    const Board b = Scattered(table);
    for (auto _ : state)
        benchmark::DoNotOptimize(ShownPieces(b));
}
BENCHMARK(BM_BaselineShownPieces)->Unit(benchmark::kMicrosecond);

void BM_Spread1000(benchmark::State &state)
{
    QSize table;
    const Board b = Scattered(table);
    const std::vector<int> loose = play::LoosePieces(b);
    for (auto _ : state)
        benchmark::DoNotOptimize(play::SpreadPlaces(b, loose, QRect(QPoint(0, 0), table)));
}
BENCHMARK(BM_Spread1000)->Unit(benchmark::kMicrosecond);

// A band over half the table holds about 500 of the pieces.
void BM_Band500(benchmark::State &state)
{
    QSize table;
    Board b = Scattered(table);
    const QRect band(0, 0, table.width() / 2, table.height());
    size_t taken = 0;
    for (auto _ : state) {
        b.Selected.clear();
        play::TCellGrid grid;
        grid.Build(b);
        play::SelectInBand(b, grid, band);
        taken = b.Selected.size();
    }
    state.counters["pieces"] = double(taken);
}
BENCHMARK(BM_Band500)->Unit(benchmark::kMicrosecond);

void BM_ColourSort1000(benchmark::State &state)
{
    QSize table;
    Board b = Scattered(table);
    const TCutInfo &c = b.Cut();
    QImage picture(PictureWidth(c), PictureHeight(c), QImage::Format_BGR888);
    std::mt19937 rng(3);
    for (int y = 0; y < picture.height(); ++y) {
        uchar *line = picture.scanLine(y);
        for (int x = 0; x < 3 * picture.width(); ++x)
            line[x] = uchar((x / 97 + y / 61) * 37 + rng() % 16);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(play::SortTraysByColour(b, picture));
}
BENCHMARK(BM_ColourSort1000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
