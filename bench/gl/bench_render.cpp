// A full frame of the 187-piece game with a dragged group of every piece
// and all shadows on, at 1920 x 1080, against an empty frame (clear and
// present) of the same widget in the same run.  Each iteration paints and
// presents one frame synchronously, as the game's Draw does.
#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <QApplication>
#include <QOpenGLWidget>
#include <QScreen>
#include <cstdio>
#include <map>
#include <string>

#include "board/gl/Draw.h"
#include "board/gl/GLTextures.h"
#include "board/gl/Textures.h"

namespace {

class BenchPanel : public QOpenGLWidget {
public:
    Board board;
    Board empty;
    TTextureList textures;
    TTextureList none;
    bool full = true;
    bool background = true;

protected:
    void initializeGL() override
    {
        SetTableClearColour();
        InitGLState();
        BuildScene();
    }
    void resizeGL(int w, int h) override
    {
        const qreal dpr = devicePixelRatioF();
        SetupProjection(w, h, int(w * dpr), int(h * dpr));
    }
    void paintGL() override
    {
        if (full) {
            textures[0].Id = background ? bgName : -1;
            DrawFrame(board, textures, width(), height(), QStringLiteral("00:12:34"));
        }
        else
            DrawFrame(empty, none, width(), height(), QString());
        glFinish();
    }

private:
    int32_t bgName = -1;

    static QImage Solid(int w, int h, const QColor &c)
    {
        QImage img(w, h, QImage::Format_RGBA8888);
        img.fill(c);
        return img;
    }

    void BuildScene()
    {
        TGLTextures gl;
        QImage bg(256, 256, QImage::Format_RGB888);
        bg.fill(QColor(90, 120, 80));
        textures.clear();
        bgName = int32_t(
            TexFromPicture(textures, board, TPicture::FromImage(bg, TPicture::Bitmap), false, false, false, true, false));
        for (int k = 0; k < 15; ++k) {
            const QSize s = k < 2 ? QSize(256, 64) : k < 13 ? QSize(32, 32) : k == 13 ? QSize(128, 32) : QSize(64, 16);
            TexFromPNG(textures, Solid(s.width(), s.height(), QColor(200, 160, 40, 220)), false, true);
        }
        board.SizeIndex = 2;
        const TCutInfo &cut = board.Cut();
        TMyListItem &group = board.Groups.Add();
        for (int i = 0; i < PieceCount(cut); ++i) {
            QImage img = Solid(64, 64, QColor(40 + i % 200, 90, 160, 255));
            for (int y = 0; y < 64; ++y) // a soft edge, as a real piece has
                for (int x = 0; x < 64; ++x)
                    if (x < 2 || y < 2 || x > 61 || y > 61)
                        img.setPixelColor(x, y, Qt::transparent);
            Tpiece &p = board.Pieces.Add();
            p.ImgTex = gl.UploadRGBA(img);
            p.ShdTex = gl.UploadRGBA(Solid(64, 64, QColor(0, 0, 0, 110)));
            p.Row = i / cut.Cols;
            p.Col = i % cut.Cols;
            p.X = 100 + p.Col * 100;
            p.Y = 60 + p.Row * 90;
            p.Rotation = uint8_t(i % 4);
            p.Group = 0;
            board.DrawOrder << QString::number(i);
            group.Subitems << QString::number(i);
        }
        board.PiecesVisible = true;
        board.ShadowOn = true;
        board.Dragging = true;
        board.DragGroup = true;
        board.DragPiece = 0;
    }
};

BenchPanel *g_panel = nullptr;

void Frame(benchmark::State &state, bool full, bool background = true)
{
    g_panel->full = full;
    g_panel->background = background;
    for (auto _ : state)
        g_panel->repaint();
}

void BM_EmptyFrame(benchmark::State &state) { Frame(state, false); }
void BM_DrawFrame187PiecesDragShadows(benchmark::State &state) { Frame(state, true); }
void BM_DrawFrameNoBackground(benchmark::State &state) { Frame(state, true, false); }

// The X server and llvmpipe share the machine with everything else, so
// each is repeated and the medians are compared.
#define FRAME_BENCH(fn) BENCHMARK(fn)->Unit(benchmark::kMillisecond)->MinTime(0.5)->UseRealTime()->Repetitions(5)
FRAME_BENCH(BM_EmptyFrame);
FRAME_BENCH(BM_DrawFrame187PiecesDragShadows);
FRAME_BENCH(BM_DrawFrameNoBackground);

// Keeps each benchmark's time per frame for the closing ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> perFrame;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &r : runs)
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median") {
                const std::string name = r.benchmark_name();
                perFrame[name.substr(0, name.find('/'))] = r.GetAdjustedRealTime();
            }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    BenchPanel panel;
    panel.setWindowFlag(Qt::FramelessWindowHint);
    panel.resize(1920, 1080);
    panel.move(0, 0);
    panel.show();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    panel.repaint();
    if (QScreen *s = panel.screen())
        std::printf("screen %dx%d, panel %dx%d\n", s->size().width(), s->size().height(), panel.width(),
                    panel.height());
    g_panel = &panel;

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double empty = reporter.perFrame["BM_EmptyFrame"];
    for (const char *name : {"BM_DrawFrame187PiecesDragShadows", "BM_DrawFrameNoBackground"}) {
        const double full = reporter.perFrame[name];
        if (empty > 0 && full > 0)
            std::printf("%s: median %.2f ms against the empty frame's %.2f ms: ratio %.2f (drawing adds %.0f%%)\n", name,
                        full, empty, full / empty, (full / empty - 1) * 100);
    }
    benchmark::Shutdown();
    return 0;
}
