// A drop on the 187- and 1000-piece cuts with one group of all pieces but
// one, and a whole press-move-release cycle of that group; the hit test by
// the pieces' shapes against the one by their squares; an undo step.
#include <benchmark/benchmark.h>

#include "board/Board.h"
#include "play/Drag.h"
#include "play/Fitting.h"
#include "play/HitTest.h"
#include "play/Undo.h"

namespace {

// All pieces but the last joined in the finished picture at (100, 100); the
// last one alone, far away.
Board BigBoard(int sizeIndex)
{
    Board b;
    b.SizeIndex = uint8_t(sizeIndex);
    const TCutInfo &c = b.Cut();
    const int n = PieceCount(c);
    std::vector<int> &g = b.Groups.emplace_back();
    for (int i = 0; i < n; ++i) {
        Tpiece &p = b.Pieces.Add();
        p.Row = i / c.Cols;
        p.Col = i % c.Cols;
        p.X = 100 + p.Col * Pitch(c);
        p.Y = 100 + p.Row * Pitch(c);
        p.Group = 0;
        b.DrawOrder.push_back(i);
        if (i < n - 1)
            g.push_back(i);
    }
    Tpiece &last = b.Pieces[n - 1];
    last.Group = -1;
    last.X = 3000;
    last.Y = 2000;
    b.JoinCount = n - 2;
    return b;
}

// The big group dropped where nothing fits: every member is tested.
void BM_TestPsAddGroupNoFit(benchmark::State &state)
{
    Board b = BigBoard(int(state.range(0)));
    b.DragPiece = 0;
    for (auto _ : state) {
        const play::TPlayResult r = play::TestPsAdd(b);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_TestPsAddGroupNoFit)->Arg(2)->Arg(5)->Unit(benchmark::kMicrosecond);

// The lone piece dropped beside the big group: it joins and every member
// is stacked on top again (the finishing join).
void BM_TestPsAddJoinIntoBigGroup(benchmark::State &state)
{
    const Board start = [&] {
        Board b = BigBoard(int(state.range(0)));
        const TCutInfo &c = b.Cut();
        const int n = PieceCount(c);
        Tpiece &last = b.Pieces[n - 1];
        last.X = 100 + (c.Cols - 1) * Pitch(c) + 2;
        last.Y = 100 + (c.Rows - 1) * Pitch(c) - 1;
        b.DragPiece = n - 1;
        return b;
    }();
    for (auto _ : state) {
        state.PauseTiming();
        Board b = start;
        state.ResumeTiming();
        const play::TPlayResult r = play::TestPsAdd(b);
        benchmark::DoNotOptimize(r);
        if (!r.Finished)
            state.SkipWithError("the drop did not join");
    }
}
BENCHMARK(BM_TestPsAddJoinIntoBigGroup)->Arg(2)->Arg(5)->Unit(benchmark::kMicrosecond);

// Press on the big group, one motion, release (fitting included).  Target
// for the 1000-piece cut: under 1 ms.
void BM_PressMoveRelease(benchmark::State &state)
{
    Board b = BigBoard(int(state.range(0)));
    int dx = 7;
    for (auto _ : state) {
        const Tpiece &p = b.Pieces[0];
        const int x = p.X + 30, y = p.Y + 30;
        play::Press(b, play::TMouseBtn::Left, x, y);
        play::DragTo(b, x + dx, y);
        const play::TPlayResult r = play::Drop(b, 4000, 3000);
        benchmark::DoNotOptimize(r);
        dx = -dx;
    }
}
BENCHMARK(BM_PressMoveRelease)->Arg(2)->Arg(5)->Unit(benchmark::kMicrosecond);

// Every piece apart on a grid, drawn shapes known (each tile's body) or not
// (arg 1 / 0); the press lands on the bottom piece, so the walk passes all.
void BM_PieceAtBottom(benchmark::State &state)
{
    Board b = BigBoard(5);
    const TCutInfo &c = b.Cut();
    for (Tpiece &p : b.Pieces) {
        p.X = p.Col * 70;
        p.Y = p.Row * 70;
        p.Group = -1;
    }
    if (state.range(0) != 0) {
        b.Shapes = TShapeBits(c.Cols * c.CellSize, c.Rows * c.CellSize);
        for (int y = 0; y < b.Shapes.Height(); ++y)
            for (int x = 0; x < b.Shapes.Width(); ++x)
                if (x % c.CellSize >= c.Margin - TexInset(c) && y % c.CellSize >= c.Margin - TexInset(c))
                    b.Shapes.Set(x, y);
    }
    const Tpiece &bottom = b.Pieces[b.DrawOrder.front()];
    const int x = bottom.X + 30, y = bottom.Y + 30;
    for (auto _ : state)
        benchmark::DoNotOptimize(play::PieceAt(b, x, y));
}
BENCHMARK(BM_PieceAtBottom)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One step back and one forward at 1000 pieces, with the history full.
void BM_UndoRedoStep(benchmark::State &state)
{
    Board b = BigBoard(5);
    play::TUndo undo;
    for (size_t k = 0; k < play::TUndo::kSteps; ++k) {
        undo.Record(play::TakeTable(b));
        b.Pieces[int(k)].X += 5;
    }
    for (auto _ : state) {
        undo.Undo(b);
        undo.Redo(b);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 2);
}
BENCHMARK(BM_UndoRedoStep)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
