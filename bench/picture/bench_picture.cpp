// Speed of turning a picture into pieces.
//   bench_board                      the timings (Google Benchmark)
//   bench_board --peak <file.jpg>    peak memory of the whole new-game path
//                                    for one picture, in its own process
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <turbojpeg.h>

#include "BenchPhoto.h"
#include "picture/ShapeGen.h"

#include "base/ProgramFiles.h"
#include "picture/Cutting.h"
#include "picture/PictureReader.h"
#include "picture/PictureSetup.h"

namespace {

// The whole path of a new game from the file to the last piece image:
// load, scale, crop, the finished picture, the shape bitmaps and every
// piece with its shadow.  Returns a checksum so nothing is skipped.
int NewGamePicturePath(const QString &path, int sizeIndex = 2)
{
    const TCutInfo &cut = CutTable[sizeIndex];
    QImage picture;
    if (LoadPictureForCut(path, false, cut, picture) != TSetimgResult::Ok)
        return -1;
    const QImage finished = FinishedTextureImage(picture);
    TCutAssets assets;
    QString file;
    if (LoadCutAssets(sizeIndex, 1, 1, true, assets, file) != TAssetResult::Ok)
        return -2;
    int sum = finished.constBits()[0];
    for (int r = 0; r < cut.Rows; ++r)
        for (int c = 0; c < cut.Cols; ++c) {
            sum += PieceImage(picture, assets, cut, c, r).constBits()[0];
            sum += PieceShadowImage(assets, cut, c, r).constBits()[3];
        }
    return sum;
}

// Every piece image and shadow of the cut, relief on.  Target for the
// 1000-piece cut: under 40 ms.
void BM_CutPieces(benchmark::State &state)
{
    const int sizeIndex = int(state.range(0));
    const TCutInfo &cut = CutTable[sizeIndex];
    TCutAssets assets;
    QString file;
    if (LoadCutAssets(sizeIndex, 1, 1, true, assets, file) != TAssetResult::Ok) {
        state.SkipWithError("shape bitmaps missing");
        return;
    }
    QImage picture(PictureWidth(cut), PictureHeight(cut), QImage::Format_BGR888);
    picture.fill(QColor(90, 140, 200));
    for (auto _ : state)
        for (int r = 0; r < cut.Rows; ++r)
            for (int c = 0; c < cut.Cols; ++c) {
                benchmark::DoNotOptimize(PieceImage(picture, assets, cut, c, r));
                benchmark::DoNotOptimize(PieceShadowImage(assets, cut, c, r));
            }
}
BENCHMARK(BM_CutPieces)->Arg(2)->Arg(5)->Unit(benchmark::kMillisecond);

void BM_LoadShapeBitmaps(benchmark::State &state)
{
    for (auto _ : state) {
        TCutAssets assets;
        QString file;
        benchmark::DoNotOptimize(LoadCutAssets(int(state.range(0)), 1, 1, true, assets, file));
    }
}
BENCHMARK(BM_LoadShapeBitmaps)->Arg(2)->Arg(5)->Unit(benchmark::kMillisecond);

// Drawing every shape bitmap of a cut as the build does (mask, shadow and
// the four reliefs), against reading the three a game needs above.
void BM_MakeShapes(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(MakeShapes(int(state.range(0))).Mask.constBits());
}
BENCHMARK(BM_MakeShapes)->Arg(2)->Arg(5)->Arg(6)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FinishedTexture(benchmark::State &state)
{
    const TCutInfo &cut = CutTable[state.range(0)];
    QImage picture(PictureWidth(cut), PictureHeight(cut), QImage::Format_BGR888);
    picture.fill(QColor(90, 140, 200));
    for (auto _ : state)
        benchmark::DoNotOptimize(FinishedTextureImage(picture));
}
BENCHMARK(BM_FinishedTexture)->Arg(2)->Arg(5)->Unit(benchmark::kMillisecond);

void BM_NewGamePicturePath(benchmark::State &state)
{
    const QString path = PhotoJpeg(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        if (NewGamePicturePath(path, int(state.range(2))) < 0) {
            state.SkipWithError("path failed");
            return;
        }
}
// {width, height, cut}; target for the 1000-piece cut from 4000 x 3000:
// under 250 ms (the uploads are in bench_render's new-game benchmark).
BENCHMARK(BM_NewGamePicturePath)
    ->Args({4000, 3000, 2})
    ->Args({12000, 8000, 2})
    ->Args({4000, 3000, 5})
    ->Unit(benchmark::kMillisecond);

// A thumbnail's read: shrunk while decoding, never below the thumbnail box.
void BM_ThumbnailRead4000x3000(benchmark::State &state)
{
    const QString path = PhotoJpeg(4000, 3000);
    for (auto _ : state) {
        QImage B;
        if (!ReadPicture(path, QSize(244, 174), B)) {
            state.SkipWithError("decode failed");
            return;
        }
        benchmark::DoNotOptimize(B.constBits());
    }
}
BENCHMARK(BM_ThumbnailRead4000x3000)->Unit(benchmark::kMillisecond);

// Plain TurboJPEG on the same file: read it, decode at a quarter.
void BM_PlainTurboJpeg4000x3000(benchmark::State &state)
{
    const QString path = PhotoJpeg(4000, 3000);
    for (auto _ : state) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            state.SkipWithError("no file");
            return;
        }
        const QByteArray data = f.readAll();
        tjhandle tj = tjInitDecompress();
        int w = 0, h = 0, ss = 0, cs = 0;
        const auto *jpeg = reinterpret_cast<const unsigned char *>(data.constData());
        tjDecompressHeader3(tj, jpeg, (unsigned long)data.size(), &w, &h, &ss, &cs);
        const tjscalingfactor quarter{1, 4};
        const int ow = TJSCALED(w, quarter), oh = TJSCALED(h, quarter);
        std::vector<unsigned char> out(size_t(ow) * oh * 3);
        tjDecompress2(tj, jpeg, (unsigned long)data.size(), out.data(), ow, 0, oh, TJPF_BGR, 0);
        tjDestroy(tj);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_PlainTurboJpeg4000x3000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    SetProgramDir(QStringLiteral(JIGSY_PROGRAM_DIR));
    if (argc == 3 && std::strcmp(argv[1], "--peak") == 0) {
        const int sum = NewGamePicturePath(QString::fromLocal8Bit(argv[2]));
        rusage ru{};
        getrusage(RUSAGE_SELF, &ru);
        std::printf("new-game path %s: %s, peak RSS %.1f MB\n", argv[2], sum < 0 ? "FAILED" : "ok",
                    double(ru.ru_maxrss) / 1024.0);
        return sum < 0 ? 1 : 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--make-files") == 0) {
        std::printf("%s\n%s\n", qPrintable(PhotoJpeg(4000, 3000)), qPrintable(PhotoJpeg(12000, 8000)));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
