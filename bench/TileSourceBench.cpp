// A tile source against the test tile server on 127.0.0.1 (tests/map/tile_server.py, started
// here, warm: every tile is one PNG it holds, cut from the demo town): the first complete frame
// of an area never seen (its tiles fetched, decoded and drawn), a frame over tiles already
// there, the same with a scan over the world map (still, and moving a pixel each frame, as when
// it follows the GPS: the whole frame composed again), the server's own pace, and an area of
// 10 000 tiles saved as MBTiles with the resident memory before, during and after.
#include "demo/DemoMap.h"
#include "map/pyramid/WebMercator.h"
#include "map/tiles/SaveArea.h"
#include "map/tiles/TileFetcher.h"
#include "map/tiles/TileSource.h"
#include "platform/SettingsStore.h"
#include "view/MapLoader.h"
#include "view/MapView.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const QSize kWindow(1280, 800);
constexpr int kZoom = 14;

std::string gFolder; // the run's temporary folder
std::string gUrl;    // the server's template
pid_t gServer = -1;

double ResidentMb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / 1e6;
}

double PeakMb() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void StartServer() {
    const std::string tiles = gFolder + "/served";
    fs::create_directories(tiles);
    // A corner of the demo town: a tile of streets and names, as a town's PNG tiles are.
    if (!demo::PaintDemoMap()
             .copy(600, 400, 256, 256)
             .save(QString::fromStdString(tiles + "/same.png")))
        std::abort();
    int fds[2];
    if (::pipe(fds) != 0)
        std::abort();
    gServer = ::fork();
    if (gServer == 0) {
        ::dup2(fds[1], 1);
        ::execl("/usr/bin/python3", "python3", "-u", QUILO_TILE_SERVER, tiles.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string port;
    char c = 0;
    while (::read(fds[0], &c, 1) == 1 && c != '\n')
        port += c;
    ::close(fds[0]);
    if (port.empty())
        std::abort();
    gUrl = "http://127.0.0.1:" + port + "/same/{z}/{x}/{y}.png";
}

// The view showing the source, or a scan of the demo town with the source under it.
view::MapView& SharedView(bool scan) {
    static const MemorySettingsStore store;
    static view::MapView* views[2] = {nullptr, nullptr};
    view::MapView*& v = views[scan ? 1 : 0];
    if (v != nullptr)
        return *v;
    v = new view::MapView(store);
    v->resize(kWindow);
    v->show();
    QString error;
    QString map = QString::fromStdString(gUrl);
    if (scan) {
        if (!demo::WriteDemoMap(QString::fromStdString(gFolder + "/demo"), &error))
            qFatal("%s", qPrintable(error));
        map = demo::DemoMapImagePath(QString::fromStdString(gFolder + "/demo"));
    }
    if (!view::MapLoader(*v).Load(map, &error))
        qFatal("the map did not open: %s", qPrintable(error));
    if (scan) {
        v->OpenWorldMap(QString::fromStdString(gUrl), true, [](const QString& why) {
            if (!why.isEmpty())
                qFatal("the world map did not open: %s", qPrintable(why));
        });
        // A quarter: the town in the middle, the world round it, seen through it.
        v->SetZoom(0.25);
        v->SetScanOpacity(0.5);
    }
    return *v;
}

void Paint(view::MapView& v) {
    static QImage frame(kWindow, QImage::Format_RGB32);
    QPainter painter(&frame);
    v.PaintFrame(painter);
}

// Each iteration a place two views east of the last: every tile of it is new.
void FirstFrameOfANewArea(benchmark::State& state) {
    view::MapView& v = SharedView(false);
    double lon = 6.0;
    for (auto _ : state) {
        lon += 2.0 * kWindow.width() * 360.0 / std::ldexp(256.0, kZoom);
        v.OpenAt(MapPos(lon, 46.9), kZoom);
        v.WaitForTilesInView();
        Paint(v);
    }
}
BENCHMARK(FirstFrameOfANewArea)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void FrameOverCachedTiles(benchmark::State& state) {
    view::MapView& v = SharedView(state.range(0) != 0);
    if (state.range(0) == 0)
        v.OpenAt(MapPos(7.1, 46.9), kZoom);
    v.WaitForTilesInView();
    const bool moving = state.range(0) == 2;
    const view::ViewPoint start = v.Geometry().ScrollOffset();
    int step = 0;
    for (auto _ : state) {
        // A pixel a frame, back and forth over 8 pixels: the same tiles stay in view.
        if (moving)
            v.ScrollTo({start.x + std::abs(step++ % 16 - 8), start.y});
        Paint(v);
    }
}
// 0: the source as the map; 1: a scan at 25 % and half opacity over it; 2: the same moving.
BENCHMARK(FrameOverCachedTiles)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The server's pace: one connection fetching tile after tile, nothing kept.
void ServerPace(benchmark::State& state) {
    map::TileFetcher fetcher("QUILO/bench");
    int column = 0;
    for (auto _ : state) {
        const std::string url = "http://" + gUrl.substr(7, gUrl.find("/same/") - 7) + "/same/16/" +
                                std::to_string(column++) + "/0.png";
        benchmark::DoNotOptimize(fetcher.Get(url));
    }
    state.counters["tiles/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(ServerPace)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2000);

// 100 x 100 tiles of zoom 16 into a fresh MBTiles file.
void SaveTenThousandTiles(benchmark::State& state) {
    const map::TileSourceResult source = map::FindTileSource(gUrl, {});
    if (!source.source)
        qFatal("%s", source.error.c_str());
    map::TileArea area;
    area.minZoom = area.maxZoom = 16;
    area.west = map::MercatorLongitude(34000, 16) + 1e-9;
    area.east = map::MercatorLongitude(34100, 16) - 1e-9;
    area.north = map::MercatorLatitude(22000, 16) - 1e-9;
    area.south = map::MercatorLatitude(22100, 16) + 1e-9;
    double before = 0;
    double atTenth = 0;
    double after = 0;
    long long saved = 0;
    for (auto _ : state) {
        const std::string out = gFolder + "/area.mbtiles";
        fs::remove(out);
        before = ResidentMb();
        map::SaveOptions options;
        options.userAgent = "QUILO/bench";
        options.progress = [&atTenth](const map::SaveProgress& p) {
            if (p.done == p.total / 10)
                atTenth = ResidentMb();
            return true;
        };
        const map::SaveResult result = map::SaveArea(*source.source, area, out, options);
        if (!result.ok)
            qFatal("%s", result.error.c_str());
        saved = result.fetched;
        after = ResidentMb();
    }
    state.counters["tiles"] = static_cast<double>(saved);
    state.counters["tiles/s"] =
        benchmark::Counter(static_cast<double>(saved) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
    state.counters["rss_before_MB"] = before;
    state.counters["rss_at_1000_MB"] = atTenth;
    state.counters["rss_after_MB"] = after;
    state.counters["peak_rss_MB"] = PeakMb();
}
BENCHMARK(SaveTenThousandTiles)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    char folder[] = "/tmp/quilo-tile-source-bench-XXXXXX";
    if (::mkdtemp(folder) == nullptr)
        return 1;
    gFolder = folder;
    // The source's cache goes there too, so every run starts cold.
    ::setenv("XDG_CACHE_HOME", (gFolder + "/cache").c_str(), 1);
    QApplication app(argc, argv);
    StartServer();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ::kill(gServer, SIGKILL);
    ::waitpid(gServer, nullptr, 0);
    std::error_code ignored;
    fs::remove_all(gFolder, ignored);
    return 0;
}
