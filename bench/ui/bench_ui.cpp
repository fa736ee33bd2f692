// The picture browser's costs: making thumbnails of camera-sized photos
// (against the bare reduced-size JPEG decode of the same files), one
// picture after another and through the browser's pool of workers, and
// restoring 200 thumbnails from the cache.
//
// Run with QT_QPA_PLATFORM=offscreen.  The pictures are made once in
// /tmp/jigsy_bench_ui/ (40 JPEGs of 4000 x 3000) and reused.
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <turbojpeg.h>
#include <vector>

#include "base/ProgramFiles.h"
#include "ui/BrowseFrm.h"
#include "persist/ThumbCache.h"
#include "ui/ThumbQueue.h"
#include "ui/Thumbnail.h"

namespace {

constexpr int PhotoCount = 40;
constexpr int PhotoW = 4000;
constexpr int PhotoH = 3000;
const QString PhotoDir = QStringLiteral("/tmp/jigsy_bench_ui");

// A photo-like picture: smooth light, texture and fine noise, so that the
// entropy decoder has real work to do.
QStringList MakePhotos()
{
    QDir().mkpath(PhotoDir);
    QStringList files;
    tjhandle tj = tjInitCompress();
    std::vector<unsigned char> rgb(size_t(PhotoW) * PhotoH * 3);
    uint32_t seed = 12345;
    for (int n = 0; n < PhotoCount; ++n) {
        const QString path = PhotoDir + QStringLiteral("/photo%1.jpg").arg(n, 2, 10, QLatin1Char('0'));
        files << path;
        if (QFile::exists(path))
            continue;
        for (int y = 0; y < PhotoH; ++y) {
            unsigned char *row = rgb.data() + size_t(y) * PhotoW * 3;
            for (int x = 0; x < PhotoW; ++x) {
                seed = seed * 1664525u + 1013904223u;
                const int noise = int(seed >> 27) - 16;
                const double t = std::sin((x + n * 97) * 0.004) * std::cos(y * 0.003 + n) * 60;
                const double ripple = std::sin(x * 0.05 + y * 0.031) * 25;
                row[x * 3 + 0] = uchar(std::clamp(int(120 + t + ripple + noise), 0, 255));
                row[x * 3 + 1] = uchar(std::clamp(int(140 + t * 0.7 - ripple + noise), 0, 255));
                row[x * 3 + 2] = uchar(std::clamp(int(90 + y * 0.03 + noise), 0, 255));
            }
        }
        unsigned char *jpeg = nullptr;
        unsigned long size = 0;
        tjCompress2(tj, rgb.data(), PhotoW, 0, PhotoH, TJPF_RGB, &jpeg, &size, TJSAMP_420, 88, TJFLAG_FASTDCT);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(reinterpret_cast<const char *>(jpeg), qint64(size));
        tjFree(jpeg);
    }
    tjDestroy(tj);
    return files;
}

const QStringList &Photos()
{
    static const QStringList files = MakePhotos();
    return files;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
}

double g_bareMedian = 0;
double g_loopMedian = 0;
double g_poolMean = 0;
double g_poolRatio = 0;

// The bare decode of one file: read, then TurboJPEG at 1/8 scale into
// 24-bit pixels.  Its time in ms.
double BareDecodeEighth(tjhandle tj, const QString &path, std::vector<unsigned char> &out)
{
    QElapsedTimer t;
    t.start();
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    const QByteArray jpeg = f.readAll();
    int w = 0, h = 0, sub = 0, cs = 0;
    tjDecompressHeader3(tj, reinterpret_cast<const unsigned char *>(jpeg.constData()),
                        (unsigned long)jpeg.size(), &w, &h, &sub, &cs);
    const int sw = (w + 7) / 8, sh = (h + 7) / 8;
    out.resize(size_t(sw) * sh * 3);
    tjDecompress2(tj, reinterpret_cast<const unsigned char *>(jpeg.constData()), (unsigned long)jpeg.size(),
                  out.data(), sw, 0, sh, TJPF_BGR, 0);
    benchmark::DoNotOptimize(out.data());
    return t.nsecsElapsed() / 1e6;
}

void BM_BareDecodeEighth(benchmark::State &state)
{
    const QStringList &files = Photos();
    tjhandle tj = tjInitDecompress();
    std::vector<double> times;
    std::vector<unsigned char> out;
    for (auto _ : state)
        for (const QString &path : files)
            times.push_back(BareDecodeEighth(tj, path, out));
    tjDestroy(tj);
    g_bareMedian = Median(times);
    state.counters["median_ms_per_picture"] = g_bareMedian;
}
BENCHMARK(BM_BareDecodeEighth)->Unit(benchmark::kMillisecond)->Iterations(3);

// The thumbnail loop's work for one picture: decode, fit, smooth shrink,
// BMP write into a cache folder.
void BM_ThumbnailLoop(benchmark::State &state)
{
    const QStringList &files = Photos();
    QTemporaryDir cache;
    QImage thumb(ThumbWidth, ThumbHeight, QImage::Format_RGB32);
    QImage decoded;
    std::vector<double> times;
    for (auto _ : state) {
        for (int i = 0; i < files.size(); ++i) {
            QElapsedTimer t;
            t.start();
            MakeThumbnail(files.at(i), decoded, thumb);
            SaveThumb(thumb, ThumbPath(cache.path(), i));
            times.push_back(t.nsecsElapsed() / 1e6);
        }
    }
    g_loopMedian = Median(times);
    state.counters["median_ms_per_picture"] = g_loopMedian;
    if (g_bareMedian > 0)
        state.counters["ratio_to_bare_decode"] = g_loopMedian / g_bareMedian;
}
BENCHMARK(BM_ThumbnailLoop)->Unit(benchmark::kMillisecond)->Iterations(3);

// The whole rebuild of the browser on the 40 photos: the workers decode
// and shrink, the window takes each thumbnail in order, draws it and writes
// it to the cache.  Each round times the 40 bare decodes on this thread,
// then the rebuild, so a load that comes and goes on the machine weighs on
// both alike; the ratio is the median round's.
void BM_BrowserRebuildOnWorkers(benchmark::State &state)
{
    const QStringList &files = Photos();
    QTemporaryDir program;
    SetProgramDir(program.path());
    tjhandle tj = tjInitDecompress();
    std::vector<unsigned char> out;
    std::vector<double> perPicture, ratios;
    for (auto _ : state) {
        double bare = 0;
        for (const QString &path : files)
            bare += BareDecodeEighth(tj, path, out);
        TBrowseFrm b;
        QElapsedTimer t;
        t.start();
        b.LoadImg(PhotoDir);
        // An event loop that sleeps between events, as the shown window's does.
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!b.Rebuilding())
                loop.quit();
        });
        poll.start(5);
        loop.exec();
        const double rebuild = t.nsecsElapsed() / 1e6;
        perPicture.push_back(rebuild / double(files.size()));
        ratios.push_back(rebuild / bare);
        if (b.il.Count() != files.size())
            state.SkipWithError("not every photo listed");
    }
    tjDestroy(tj);
    SetProgramDir(QString());
    g_poolMean = Median(perPicture);
    g_poolRatio = Median(ratios);
    state.counters["ms_per_picture"] = g_poolMean;
    state.counters["workers"] = TThumbQueue::Workers();
    state.counters["ratio_to_bare_decode"] = g_poolRatio;
}
BENCHMARK(BM_BrowserRebuildOnWorkers)->Unit(benchmark::kMillisecond)->Iterations(5);

// A cache of 200 thumbnails of existing pictures.
struct Cache200 {
    QTemporaryDir dir;
    QStringList lines;
    Cache200()
    {
        QDir(dir.path()).mkdir(QStringLiteral("cache"));
        QImage thumb(ThumbWidth, ThumbHeight, QImage::Format_RGB32);
        QImage decoded;
        MakeThumbnail(Photos().first(), decoded, thumb);
        for (int i = 0; i < 200; ++i) {
            lines << Photos().at(i % PhotoCount);
            SaveThumb(thumb, ThumbPath(dir.path() + QStringLiteral("/cache"), i));
        }
        WriteCacheList(CacheListPath(dir.path() + QStringLiteral("/cache")), lines);
    }
};

Cache200 &TheCache()
{
    static Cache200 c;
    return c;
}

void BM_CacheRestore200(benchmark::State &state)
{
    Cache200 &c = TheCache();
    const QString cacheDir = c.dir.path() + QStringLiteral("/cache");
    for (auto _ : state) {
        const QStringList lines = ReadCacheList(CacheListPath(cacheDir));
        auto entries = RestoreCache(lines, cacheDir);
        benchmark::DoNotOptimize(entries.data());
        if (entries.size() != 200)
            state.SkipWithError("not all thumbnails restored");
    }
}
BENCHMARK(BM_CacheRestore200)->Unit(benchmark::kMillisecond);

// The same through the browser window: list, progress bar, grid layout.
void BM_BrowserLoadCache200(benchmark::State &state)
{
    Cache200 &c = TheCache();
    SetProgramDir(c.dir.path());
    for (auto _ : state) {
        TBrowseFrm b;
        b.LoadCache();
        if (b.il.Count() != 200)
            state.SkipWithError("not all thumbnails restored");
    }
    SetProgramDir(QString());
}
BENCHMARK(BM_BrowserLoadCache200)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_bareMedian > 0 && g_loopMedian > 0)
        std::printf("thumbnail loop: %.2f ms per picture, bare 1/8 decode: %.2f ms, ratio %.2f (target 1.3)\n",
                    g_loopMedian, g_bareMedian, g_loopMedian / g_bareMedian);
    if (g_poolRatio > 0)
        std::printf("browser rebuild on %d workers: %.2f ms per picture, ratio %.2f to the bare 1/8 decode "
                    "on one thread in the same rounds (target 0.6)\n",
                    TThumbQueue::Workers(), g_poolMean, g_poolRatio);
    return 0;
}
