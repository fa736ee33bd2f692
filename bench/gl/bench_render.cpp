// Frames of the table at 1920 x 1080 on the table's own surface against an
// empty frame (clear and present) of the same surface in the same run, and
// a new game from the click to its first frame.  Each iteration paints and
// presents one frame, as the table does at a display refresh.
//   xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/gl/bench_render
// On a busy machine LP_NUM_THREADS=0 draws on the benchmark's own thread,
// so that the CPU column counts the drawing and nothing of the neighbours.
// Targets: a motion frame of a group of 300 dragged over 1000 pieces (with
// shadows) at most 1.3x the empty frame, the whole redraw on its drop at
// most 2x, a wheel step under 40 ms, a drag over 1000 pieces at most 1.15x
// one over 35; no slower at 25% than at 100%; a new game to its first
// frame under 0.3 s (187 pieces) and 0.6 s (1000 pieces).
#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <QFile>
#include <QScreen>
#include <cctype>
#include <cstdio>
#include <functional>
#include <map>
#include <random>
#include <string>

#include "BenchPhoto.h"
#include "BenchRandom.h"
#include "base/ProgramFiles.h"
#include "picture/Cutting.h"
#include "app/TableSurface.h"
#include "gl/Draw.h"
#include "gl/TableFrames.h"
#include "gl/GLTextures.h"
#include "picture/PictureSetup.h"
#include "gl/PieceAtlas.h"
#include "gl/Textures.h"
#include "play/Layout.h"
#include "play/Pacer.h"
#include "play/Table.h"
#include "play/View.h"
#include "game/Game.h"

namespace {

// Resident memory of the process in MB.
double ResidentMB()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> parts = f.readAll().split(' ');
    return parts.size() > 1 ? parts[1].toDouble() * 4096.0 / (1024 * 1024) : 0;
}

// What a benchmark's frame draws: nothing (a clear and the present), the
// whole frame every time, or the frames as the table makes them.
enum class TDraws { Empty, WholeFrame, Frames };

// The scenes' cuts: 1000 pieces (40 x 25) and the largest (56 x 36).
constexpr int Cut1000 = 5;

class BenchPanel : public TTableSurface {
public:
    BenchPanel()
    {
        OnInitialized = [this] { initializeGL(); };
        OnPaint = [this] {
            paintGL();
            return draws == TDraws::Frames ? frames.Changed() : QRect(0, 0, width(), height());
        };
    }
    Board board; // 1000 pieces
    Board big;   // the largest cut
    Board few;   // 35 pieces
    Board empty;
    TTextureList textures;
    TTextureList none;
    TPieceAtlas atlas;
    TGLTextures gl;
    TTableFrames frames;
    TTableView view;
    TDraws draws = TDraws::Frames;

    void makeCurrent() { MakeCurrent(); }
    void doneCurrent() { DoneCurrent(); }
    void repaint() { Render(true); }

    // A game of the cut in the atlas, scattered over the window, with a
    // solved block of 300 dragged (shadows on).
    void BuildScene(Board &b, int sizeIndex, unsigned seed)
    {
        b.SizeIndex = uint8_t(sizeIndex);
        const TCutInfo &cut = b.Cut();
        const int n = PieceCount(cut);
        std::mt19937 rng(seed);
        std::vector<int> &group = b.Groups.emplace_back();
        for (int i = 0; i < n; ++i) {
            QImage img(cut.TexSize, cut.TexSize, QImage::Format_RGBA8888);
            img.fill(QColor(40 + i % 200, 90, 160, 255));
            for (int y = 0; y < cut.TexSize; ++y) // a soft edge, as a real piece has
                for (int x = 0; x < cut.TexSize; ++x)
                    if (x < 2 || y < 2 || x >= cut.TexSize - 2 || y >= cut.TexSize - 2)
                        img.setPixelColor(x, y, Qt::transparent);
            QImage shadow(cut.TexSize, cut.TexSize, QImage::Format_RGBA8888);
            shadow.fill(QColor(0, 0, 0, 110));
            Tpiece &p = b.Pieces.Add();
            p.ImgTex = atlas.UploadRGBA(img);
            p.ShdTex = atlas.UploadRGBA(shadow);
            p.Row = i / cut.Cols;
            p.Col = i % cut.Cols;
            p.Rotation = uint8_t(i % 4);
            p.Group = -1;
            if (p.Row < 15 && p.Col < 20) { // the group: a solved block of 300
                p.X = 200 + p.Col * Pitch(cut);
                p.Y = 200 + p.Row * Pitch(cut);
                p.Rotation = 0;
                p.Group = 0;
                group.push_back(i);
            } else {
                p.X = int(rng() % unsigned(1920 - cut.TexSize));
                p.Y = int(rng() % unsigned(1080 - cut.TexSize));
                b.DrawOrder.push_back(i);
            }
        }
        // Picked up: the group on top of the stacking order.
        b.DrawOrder.insert(b.DrawOrder.end(), group.begin(), group.end());
        b.PiecesVisible = true;
        b.Dragging = true;
        b.DragGroup = true;
        b.DragPiece = 0;
    }
    void BuildScenes()
    {
        makeCurrent();
        atlas.Reserve(2 * (PieceCount(CutTable[Cut1000]) + PieceCount(CutTable[CutCount])), CutTable[Cut1000].TexSize);
        BuildScene(board, Cut1000, 3);
        BuildScene(big, CutCount, 5);
        BuildFew();
        OpenAsGame(opened1000, board);
        OpenAsGame(openedBig, big);
        doneCurrent();
    }
    Board &Scene(int sizeIndex) { return sizeIndex == CutCount ? big : board; }

    // The same game as it opens: scattered by the game over its table for
    // this window, the whole table fitted, the block of 300 lifted in the
    // middle of it.
    struct TOpened {
        Board B;
        TTableView View;
    };
    TOpened opened1000, openedBig;
    void OpenAsGame(TOpened &to, const Board &from)
    {
        Board &b = to.B;
        b = from;
        const TCutInfo &cut = b.Cut();
        const QSize table = play::TableSize(b.SizeIndex, 1920, 1080);
        TBenchRandom rng;
        play::ScatterPieces(b, rng, table.width(), table.height());
        b.Groups.clear();
        std::vector<int> &group = b.Groups.emplace_back();
        std::vector<int> rest;
        for (int i = 0; i < b.Pieces.Count(); ++i) {
            Tpiece &p = b.Pieces[i];
            if (p.Row < 15 && p.Col < 20) {
                p.X = table.width() / 2 - 10 * Pitch(cut) + p.Col * Pitch(cut);
                p.Y = table.height() / 2 - 8 * Pitch(cut) + p.Row * Pitch(cut);
                p.Rotation = 0;
                p.Group = 0;
                group.push_back(i);
            } else {
                rest.push_back(i);
            }
        }
        b.DrawOrder = rest;
        b.DrawOrder.insert(b.DrawOrder.end(), group.begin(), group.end());
        b.DragPiece = group.front();
        play::TView v;
        v.SetWindow(QSize(1920, 1080));
        v.SetTable(table);
        v.FitTable();
        const QPointF corner = v.ToBoard(QPointF(0, 0));
        to.View = TTableView{corner.x(), corner.y(), v.Zoom(), table.width(), table.height()};
        to.View.Reduced = to.View.Zoom < ReducedZoom && atlas.PrepareReduced();
    }
    TOpened &Opened(int sizeIndex) { return sizeIndex == CutCount ? openedBig : opened1000; }

    // The 35-piece game scattered the same way, one piece dragged.
    void BuildFew()
    {
        few.SizeIndex = 1;
        const TCutInfo &cut = few.Cut();
        std::mt19937 rng(4);
        for (int i = 0; i < PieceCount(cut); ++i) {
            QImage img(cut.TexSize, cut.TexSize, QImage::Format_RGBA8888);
            img.fill(QColor(200, 40 + i * 5, 60, 255));
            QImage shadow(cut.TexSize, cut.TexSize, QImage::Format_RGBA8888);
            shadow.fill(QColor(0, 0, 0, 110));
            Tpiece &p = few.Pieces.Add();
            p.ImgTex = gl.UploadRGBA(img);
            p.ShdTex = gl.UploadRGBA(shadow);
            p.Group = -1;
            p.X = int(rng() % unsigned(1920 - cut.TexSize));
            p.Y = int(rng() % unsigned(1080 - cut.TexSize));
            few.DrawOrder.push_back(i);
        }
        few.PiecesVisible = true;
    }

    // The new game of one cut from the photo, as the game makes it after
    // the dialog's click: picture, finished picture, shapes, the cutting
    // with its progress frames, the scattering, and the first frame.
    void NewGame(Board &b, const QString &photo, int sizeIndex)
    {
        b.SizeIndex = uint8_t(sizeIndex);
        b.Cutting = true;
        b.CutProgress = 0;
        repaint();
        QImage picture;
        if (LoadPictureForCut(photo, false, b.Cut(), picture) != TSetimgResult::Ok)
            return;
        b.FinishedTex = gl.ReplaceRGBA(b.FinishedTex, FinishedTextureImage(picture));
        b.PictureBmp = std::move(picture);
        TCutAssets assets;
        QString file;
        if (LoadCutAssets(sizeIndex, 1, 0, true, assets, file) != TAssetResult::Ok)
            return;
        makeCurrent();
        ClearPieces(b, atlas);
        QElapsedTimer clock;
        clock.start();
        play::TPacer pacer(play::ProgressFrameMs);
        pacer.Done(0); // the frame above shows the bar at its start
        CutPieces(b, assets, atlas, [&] {
            if (pacer.Due(clock.elapsed())) {
                repaint();
                pacer.Done(clock.elapsed());
            }
        });
        b.Cutting = false;
        const QSize table = play::TableSize(sizeIndex, width(), height());
        TBenchRandom rng;
        play::ScatterPieces(b, rng, table.width(), table.height());
        b.PiecesVisible = true;
        repaint();
    }

    const Board *scene = &board;

    void initializeGL()
    {
        SetTableClearColour();
        InitGLState();
        QImage bg(256, 256, QImage::Format_RGB888);
        bg.fill(QColor(90, 120, 80));
        textures.clear();
        TexFromPicture(textures, board, TPicture::FromImage(bg, TPicture::Bitmap), false, false, false, true, false);
        for (int k = 0; k < 15; ++k) {
            const QSize s = k < 2 ? QSize(256, 64) : k < 13 ? QSize(32, 32) : k == 13 ? QSize(128, 32) : QSize(64, 16);
            QImage img(s, QImage::Format_RGBA8888);
            img.fill(QColor(200, 160, 40, 220));
            TexFromPNG(textures, img, false, true);
        }
    }
    void paintGL()
    {
        const int w = width(), h = height();
        SetupProjection(w, h, w, h);
        const QString caption = QStringLiteral("00:12:34");
        if (draws == TDraws::Empty)
            DrawFrame(empty, none, w, h, QString());
        else if (draws == TDraws::WholeFrame)
            DrawFrame(*scene, textures, w, h, caption, view, atlas.Layout());
        else {
            frames.SetWindowKeeps(KeepsFrame());
            if (TakeResized())
                frames.Invalidate();
            frames.Paint({*scene, textures, w, h, w, h, caption, view, atlas.Layout()}, 0);
        }
        glFinish();
    }
};

BenchPanel *g_panel = nullptr;

// The scene of the benchmark's cut (its argument).
Board &SceneOf(const benchmark::State &state) { return g_panel->Scene(int(state.range(0))); }

// Frames of the scene, `step` changing it before each.
void Frames(benchmark::State &state, TDraws draws, Board &scene, const std::function<void(int)> &step)
{
    g_panel->draws = draws;
    g_panel->scene = &scene;
    g_panel->view = TTableView{0, 0, 1.0, 0, 0};
    g_panel->repaint(); // the drag's first frame, which draws the cached table
    int k = 0;
    for (auto _ : state) {
        step(k++);
        g_panel->repaint();
    }
    g_panel->scene = &g_panel->board;
    scene.Dragging = true;
}

// The dragged group a pixel on, and back.
void Nudge(Board &b, int k)
{
    const int d = k % 2 ? -1 : 1;
    const int g = b.Pieces[b.DragPiece].Group;
    for (int m : g >= 0 ? b.Members(g) : std::vector<int>{b.DragPiece}) {
        b.Pieces[m].X += d;
        b.Pieces[m].Y += d;
    }
}

// One loose piece of the board dragged instead of its group.
struct TLooseDrag {
    Board &b;
    int piece, group;
    TLooseDrag(Board &board, int p) : b(board), piece(board.DragPiece), group(board.Pieces[p].Group)
    {
        b.Pieces[p].Group = -1;
        b.DragPiece = p;
        b.Dragging = true;
    }
    ~TLooseDrag()
    {
        b.Pieces[b.DragPiece].Group = group;
        b.DragPiece = piece;
    }
};

void BM_EmptyFrame(benchmark::State &state) { Frames(state, TDraws::Empty, g_panel->empty, [](int) {}); }
// The table with no piece on it drawn whole: the felt and the corner plate.
void BM_EmptyTable(benchmark::State &state)
{
    Frames(state, TDraws::WholeFrame, g_panel->empty, [](int) { g_panel->frames.Invalidate(); });
}
// The whole frame every time, as every frame was drawn before the cache.
void BM_WholeFrame300DraggedWithShadows(benchmark::State &state)
{
    Board &b = SceneOf(state);
    Frames(state, TDraws::WholeFrame, b, [&b](int k) { Nudge(b, k); });
}
void BM_MotionFrame300DraggedWithShadows(benchmark::State &state)
{
    Board &b = SceneOf(state);
    Frames(state, TDraws::Frames, b, [&b](int k) { Nudge(b, k); });
}
// The group dropped where the cached table cannot serve (a join moved a
// resting piece): the frame is drawn whole.
void BM_FullRedrawOnDrop(benchmark::State &state)
{
    Board &b = SceneOf(state);
    b.Dragging = false;
    Frames(state, TDraws::Frames, b, [&b](int k) {
        b.Pieces[b.DragPiece].X += k % 2 ? -1 : 1;
        g_panel->frames.Invalidate();
    });
}
// The group dropped on top of the table it moved over: laid on the cached
// table.
void BM_DropOntoCachedTable(benchmark::State &state)
{
    Board &b = SceneOf(state);
    g_panel->draws = TDraws::Frames;
    g_panel->scene = &b;
    g_panel->view = TTableView{0, 0, 1.0, 0, 0};
    g_panel->repaint(); // the drag, its cached table drawn
    b.Dragging = false;
    int k = 0;
    for (auto _ : state) {
        Nudge(b, k++);
        g_panel->repaint();
    }
    b.Dragging = true;
    g_panel->scene = &g_panel->board;
}
// A notch of the wheel: the table at the next zoom, drawn whole.
void BM_WheelStep(benchmark::State &state)
{
    Board &b = SceneOf(state);
    b.Dragging = false;
    g_panel->draws = TDraws::Frames;
    g_panel->scene = &b;
    int k = 0;
    for (auto _ : state) {
        g_panel->view = TTableView{0, 0, k++ % 2 ? 0.5 : 0.6, 0, 0};
        // As the game draws it: the atlas's reduced copies below their zoom.
        g_panel->view.Reduced = g_panel->view.Zoom < ReducedZoom && g_panel->atlas.PrepareReduced();
        g_panel->repaint();
    }
    b.Dragging = true;
    g_panel->scene = &g_panel->board;
}
// A step of a pan at 100% (the pointer 12 px right and 6 down, and back)
// over the resting pieces: the last frame moved and the strips that came
// into view drawn, against the whole frame drawn at each step.
void PanSteps(benchmark::State &state, TDraws draws)
{
    Board &b = SceneOf(state);
    b.Dragging = false;
    Frames(state, draws, b, [](int k) {
        g_panel->view.Left = k % 2 ? 0 : -12;
        g_panel->view.Top = k % 2 ? 0 : -6;
    });
}
void BM_PanStep(benchmark::State &state) { PanSteps(state, TDraws::Frames); }
void BM_PanStepWhole(benchmark::State &state) { PanSteps(state, TDraws::WholeFrame); }
void BM_DragOne(benchmark::State &state)
{
    Board &b = SceneOf(state);
    const TLooseDrag drag(b, 500);
    Frames(state, TDraws::Frames, b, [&b](int k) { Nudge(b, k); });
}
// One piece dragged while the table scrolls under it at 100% (the edge's
// scroll, 12 px a step and back): the cached table moved and what came into
// view drawn, each frame.
void BM_DragOneWhileScrolling(benchmark::State &state)
{
    Board &b = SceneOf(state);
    const TLooseDrag drag(b, 500);
    Frames(state, TDraws::Frames, b, [&b](int k) {
        g_panel->view.Left = k % 2 ? 0 : -12;
        Nudge(b, k);
    });
}
void BM_DragOneOver35Pieces(benchmark::State &state)
{
    Board &b = g_panel->few;
    b.Dragging = true;
    b.DragPiece = 17;
    Frames(state, TDraws::Frames, b, [&b](int k) { Nudge(b, k); });
}
// The whole frame at a zoom (percent, the second argument).
void BM_WholeFrameAtZoom(benchmark::State &state)
{
    Board &b = SceneOf(state);
    b.Dragging = false;
    g_panel->draws = TDraws::Frames;
    g_panel->scene = &b;
    const double zoom = double(state.range(1)) / 100.0;
    int k = 0;
    for (auto _ : state) {
        b.Pieces[0].X += k++ % 2 ? -1 : 1;
        g_panel->frames.Invalidate();
        g_panel->view = TTableView{0, 0, zoom, 0, 0};
        g_panel->view.Reduced = zoom < ReducedZoom && g_panel->atlas.PrepareReduced();
        g_panel->repaint();
    }
    b.Dragging = true;
    g_panel->scene = &g_panel->board;
}

// Frames of the game as it opens (the fitted table): a motion frame of the
// block of 300, the full redraw when it is dropped, its drop with a join
// (the block snapped a pixel and a resting piece raised onto it), and a
// wheel step from the fitted zoom to the next and back.
enum class TOpenedFrame { Motion, FullRedraw, Join, WheelStep };
void OpenedFrames(benchmark::State &state, TOpenedFrame what)
{
    BenchPanel::TOpened &o = g_panel->Opened(int(state.range(0)));
    Board &b = o.B;
    b.Dragging = what == TOpenedFrame::Motion;
    g_panel->draws = TDraws::Frames;
    g_panel->scene = &b;
    g_panel->view = o.View;
    g_panel->repaint();
    const std::vector<double> &steps = play::TView::Steps();
    const double next = *std::upper_bound(steps.begin(), steps.end(), o.View.Zoom);
    int k = 0;
    for (auto _ : state) {
        if (what == TOpenedFrame::Motion) {
            Nudge(b, k);
        } else if (what == TOpenedFrame::FullRedraw) {
            b.Pieces[b.DragPiece].X += k % 2 ? -1 : 1;
            g_panel->frames.Invalidate();
        } else if (what == TOpenedFrame::Join) {
            Nudge(b, k);
            BringToTop(b, b.DrawOrder[size_t(k) % 100]);
        } else {
            g_panel->view.Zoom = k % 2 ? o.View.Zoom : next;
            g_panel->view.Reduced = g_panel->view.Zoom < ReducedZoom && g_panel->atlas.PrepareReduced();
        }
        ++k;
        g_panel->repaint();
    }
    b.Dragging = true;
    g_panel->scene = &g_panel->board;
}
void BM_OpenedMotionFrame(benchmark::State &state) { OpenedFrames(state, TOpenedFrame::Motion); }
void BM_OpenedFullRedraw(benchmark::State &state) { OpenedFrames(state, TOpenedFrame::FullRedraw); }
void BM_OpenedJoin(benchmark::State &state) { OpenedFrames(state, TOpenedFrame::Join); }
void BM_OpenedWheelStep(benchmark::State &state) { OpenedFrames(state, TOpenedFrame::WheelStep); }

// The X server and llvmpipe share the machine with everything else, so
// each is repeated and the medians are compared.
#define FRAME_BENCH(fn) BENCHMARK(fn)->Unit(benchmark::kMillisecond)->MinTime(0.5)->UseRealTime()->Repetitions(5)
#define CUTS_BENCH(fn) FRAME_BENCH(fn)->Arg(Cut1000)->Arg(CutCount)
FRAME_BENCH(BM_EmptyFrame);
FRAME_BENCH(BM_EmptyTable);
CUTS_BENCH(BM_WholeFrame300DraggedWithShadows);
CUTS_BENCH(BM_MotionFrame300DraggedWithShadows);
CUTS_BENCH(BM_FullRedrawOnDrop);
CUTS_BENCH(BM_DropOntoCachedTable);
CUTS_BENCH(BM_WheelStep);
FRAME_BENCH(BM_PanStep)->Arg(Cut1000);
FRAME_BENCH(BM_PanStepWhole)->Arg(Cut1000);
CUTS_BENCH(BM_DragOne);
FRAME_BENCH(BM_DragOneWhileScrolling)->Arg(Cut1000);
FRAME_BENCH(BM_DragOneOver35Pieces);
FRAME_BENCH(BM_WholeFrameAtZoom)->Args({CutCount, 100})->Args({CutCount, 25});
CUTS_BENCH(BM_OpenedMotionFrame);
CUTS_BENCH(BM_OpenedFullRedraw);
CUTS_BENCH(BM_OpenedJoin);
CUTS_BENCH(BM_OpenedWheelStep);

// From the click to the first frame of the scattered table, from a
// 4000 x 3000 photo: the pixel work alone, then the same through the game
// object as the window runs it.
void BM_NewGameBarePixelWork(benchmark::State &state)
{
    const QString photo = PhotoJpeg(4000, 3000);
    Board b;
    g_panel->draws = TDraws::Frames;
    g_panel->view = TTableView{};
    g_panel->scene = &b;
    for (auto _ : state)
        g_panel->NewGame(b, photo, int(state.range(0)));
    g_panel->makeCurrent();
    ClearPieces(b, g_panel->atlas);
    g_panel->gl.DeleteTexture(uint32_t(b.FinishedTex));
    g_panel->scene = &g_panel->board;
}
void BM_NewGameToFirstFrame(benchmark::State &state)
{
    const QString photo = PhotoJpeg(4000, 3000);
    TBenchRandom random;
    game::TGame game(random, {&g_panel->atlas, &g_panel->gl, [] { g_panel->repaint(); }});
    game.FitToWindow(g_panel->size());
    g_panel->draws = TDraws::Frames;
    g_panel->view = TTableView{};
    g_panel->scene = &game.board();
    for (auto _ : state) {
        g_panel->makeCurrent();
        game.NewGame({photo, false, int(state.range(0)), true});
        g_panel->repaint();
    }
    g_panel->makeCurrent();
    ClearPieces(game.Scene(), g_panel->atlas);
    g_panel->gl.DeleteTexture(uint32_t(game.board().FinishedTex));
    g_panel->scene = &g_panel->board;
}
#define NEW_GAME_BENCH(fn) \
    BENCHMARK(fn)->Arg(2)->Arg(5)->Arg(CutCount)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5)->Repetitions(3)
NEW_GAME_BENCH(BM_NewGameBarePixelWork);
NEW_GAME_BENCH(BM_NewGameToFirstFrame);

// Keeps each benchmark's time per frame for the closing ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> perFrame;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &r : runs)
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median") {
                // The function's name and its number arguments, if any.
                const std::string name = r.benchmark_name();
                std::string key = name.substr(0, name.find('/'));
                for (size_t at = key.size() + 1; at < name.size() && std::isdigit(static_cast<unsigned char>(name[at]));) {
                    const size_t end = std::min(name.find('/', at), name.size());
                    key += '/' + name.substr(at, end - at);
                    at = end + 1;
                }
                perFrame[key] = r.GetAdjustedRealTime();
            }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SetProgramDir(QStringLiteral(JIGSY_PROGRAM_DIR));
    BenchPanel panel;
    panel.setFlag(Qt::FramelessWindowHint);
    panel.resize(1920, 1080);
    panel.setPosition(0, 0);
    panel.show();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    panel.repaint();
    if (QScreen *s = panel.screen())
        std::printf("screen %dx%d, panel %dx%d\n", s->size().width(), s->size().height(), panel.width(),
                    panel.height());
    g_panel = &panel;

    // What a game of the largest cut adds to the idle process, textures
    // included.
    {
        const QString photo = PhotoJpeg(4000, 3000);
        const double before = ResidentMB();
        Board game;
        panel.scene = &game;
        panel.NewGame(game, photo, CutCount);
        QApplication::processEvents();
        std::printf("a %d-piece game adds %.1f MB to the process (%.1f MB -> %.1f MB)\n", PieceCount(CutTable[CutCount]),
                    ResidentMB() - before, before, ResidentMB());
        panel.makeCurrent();
        ClearPieces(game, panel.atlas);
        panel.gl.DeleteTexture(uint32_t(game.FinishedTex));
        panel.scene = &panel.board;
    }
    panel.BuildScenes();

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // Each frame against the empty frame (a clear and the present) and the
    // empty table drawn whole.
    const double empty = reporter.perFrame["BM_EmptyFrame"];
    const double table = reporter.perFrame["BM_EmptyTable"];
    const auto ratio = [&](const std::string &key, const char *what) {
        const double t = reporter.perFrame[key];
        if (empty > 0 && table > 0 && t > 0)
            std::printf("%s: median %.2f ms, %.2fx the empty frame (%.2f ms), %.2fx the empty table (%.2f ms)\n", what, t,
                        t / empty, empty, t / table, table);
    };
    for (const int cut : {Cut1000, CutCount}) {
        const std::string arg = "/" + std::to_string(cut);
        std::printf("%d pieces, scattered over the window at 100%%:\n", PieceCount(CutTable[cut]));
        ratio("BM_WholeFrame300DraggedWithShadows" + arg, "  the whole frame, 300 dragged");
        ratio("BM_MotionFrame300DraggedWithShadows" + arg, "  a motion frame, 300 dragged");
        ratio("BM_FullRedrawOnDrop" + arg, "  the full redraw on the drop");
        ratio("BM_DropOntoCachedTable" + arg, "  the drop laid on the cached table");
        ratio("BM_WheelStep" + arg, "  a wheel step");
        ratio("BM_DragOne" + arg, "  a drag step of one piece");
        std::printf("  as the game opens, the table fitted at %.0f%%:\n", g_panel->Opened(cut).View.Zoom * 100);
        ratio("BM_OpenedMotionFrame" + arg, "    a motion frame, 300 dragged");
        ratio("BM_OpenedFullRedraw" + arg, "    the full redraw on the drop");
        ratio("BM_OpenedJoin" + arg, "    the drop with a join, repainted round what changed");
        ratio("BM_OpenedWheelStep" + arg, "    a wheel step");
    }
    const auto against = [&](const std::string &a, const std::string &b, const char *what) {
        const double x = reporter.perFrame[a], y = reporter.perFrame[b];
        if (x > 0 && y > 0)
            std::printf("%s: median %.2f ms against %.2f ms: ratio %.2f\n", what, x, y, x / y);
    };
    const std::string big = "/" + std::to_string(CutCount), k1000 = "/" + std::to_string(Cut1000);
    against("BM_DragOne" + k1000, "BM_DragOneOver35Pieces", "a drag step over 1000 pieces against one over 35");
    against("BM_DragOne" + big, "BM_DragOneOver35Pieces", "a drag step over the largest cut against one over 35");
    against("BM_PanStep" + k1000, "BM_PanStepWhole" + k1000, "a pan step over 1000 pieces against the whole frame");
    against("BM_DragOneWhileScrolling" + k1000, "BM_PanStepWhole" + k1000,
            "a drag step with the table scrolling (1000 pieces) against a pan step drawn whole");
    against("BM_WholeFrameAtZoom" + big + "/25", "BM_WholeFrameAtZoom" + big + "/100",
            "the largest cut's whole frame at 25% against 100%");
    for (const std::string &arg : std::vector<std::string>{"/2", "/5", "/" + std::to_string(CutCount)}) {
        const double bare = reporter.perFrame["BM_NewGameBarePixelWork" + arg];
        const double game = reporter.perFrame["BM_NewGameToFirstFrame" + arg];
        if (bare > 0 && game > 0)
            std::printf("new game of cut %s: median %.0f ms through the game against %.0f ms of bare pixel work: "
                        "ratio %.2f\n", arg.c_str() + 1, game, bare, game / bare);
    }
    benchmark::Shutdown();
    return 0;
}
