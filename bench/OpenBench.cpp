// Opening a big map: a 16384 x 16384 JPEG with the detail of a scanned map (quality 85),
// generated once into a temporary folder, opened in the real map view (1280 x 800, offscreen).
//   Djpeg/full, Djpeg/eighth  djpeg of the same file to /dev/null at full size and at 1/8: what a
//                             decoder needs for the whole picture and for an early small one
//   FirstOpen                 MapLoader::Start -> the first frame with a picture, -> the first
//                             frame whose rows in view are all at full resolution, and ->
//                             MapLoadFinished (the whole map loaded); commit_after_s the
//                             cache entry's flush after that, on a worker
//   Reopen/warm, Reopen/cold  MapLoader::Start -> the first frame from the cached pyramid, its file
//                             in the page cache or dropped from it first; then the resident
//                             memory after frames at zooms 25, 100 and 800 %
//   BigReopen/SIDE            a SIDE x SIDE JPEG (32768, and 65500, the most a JPEG holds:
//                             pyramids of 5.7 and 23 GB of pixels, beyond the cache's bound,
//                             so streamed into it): the
//                             reopen from the cache to the first frame, after one first open
//                             (first_open_s, its commit commit_s); the entry's size against the
//                             JPEG's (entry_per_jpeg)
//   CacheWrite                copying a built 16384 x 16384 pyramid into a cache entry and
//                             committing it (flush to the disk included)
//   GeoTiffFirstView          a 20000 x 20000 tiled JPEG-compressed GeoTIFF (written once by
//                             gdal_translate from the same kind of scan): in one run,
//                             `gdal_translate -srcwin` cutting the view's window out of it
//                             (gdal_srcwin_s), then MapLoader::Start -> the first frame whose
//                             pixels in view are all at full resolution (the manual time), and
//                             their ratio (first_view_per_srcwin, the goal: at most 2)
//   GdalFirstView/0, /1       the same for the scan as JPEG 2000 and as a GeoPDF page (at 72 dpi,
//                             20000 pixels a side), read through GDAL
//   MbTilesOpen               an MBTiles file of zooms 0 to 18 (a 4096 x 4096 scan at zoom 18 by
//                             gdal_translate, gdaladdo's levels to zoom 14, its one tile of zoom
//                             14 at every zoom below, as sqlite3 writes it): MapLoader::Start
//                             -> the first frame with every tile in view read (the manual time);
//                             then pans of a fifth of the view at zooms 18, 15, 12, 9, 6, 3 and 0,
//                             each to its frame with its tiles read (pan_ms, the slowest
//                             pan_max_ms)
// Wall-clock seconds, one iteration per repetition; --benchmark_format=json for the raw
// figures. Needs cjpeg and djpeg (libjpeg-turbo-progs), and gdal_translate and gdaladdo
// (gdal-bin), and sqlite3.
#include "ScanPattern.h"
#include "map/pyramid/PyramidCache.h"
#include "platform/FileIo.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "view/MapLoader.h"
#include "view/MapView.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kSide = 16384;
// Long enough for the first open of a 65500 x 65500 scan on two loaded cores.
constexpr auto kDeadline = std::chrono::minutes(30);

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A field of /proc/self/status in megabytes ("VmRSS", "VmHWM").
double StatusMb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(field + ":"))
            return std::stod(line.substr(field.size() + 1)) / 1024.0;
    return -1.0;
}

// The run's folder: the JPEG, and the cache the view uses ($XDG_CACHE_HOME points here).
struct Scratch {
    fs::path folder;
    fs::path jpeg;
    fs::path cacheHome;
    fs::path CacheFolder() const { return cacheHome / "quilo" / "maps"; }
};

bool scratchMade = false;

const Scratch& TheScratch() {
    static const Scratch scratch = [] {
        scratchMade = true;
        Scratch s;
        std::string pattern = (fs::temp_directory_path() / "quilo-open-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        s.folder = pattern;
        s.jpeg = s.folder / "scan.jpg";
        s.cacheHome = s.folder / "cache";
        ::setenv("XDG_CACHE_HOME", s.cacheHome.c_str(), 1);
        const std::string command = "cjpeg -quality 85 -outfile '" + s.jpeg.string() + "'";
        FILE* encoder = ::popen(command.c_str(), "w");
        if (encoder == nullptr)
            std::abort();
        std::fprintf(encoder, "P6\n%d %d\n255\n", kSide, kSide);
        std::vector<unsigned char> rgb(static_cast<std::size_t>(kSide) * 3);
        for (int y = 0; y < kSide; ++y) {
            WriteScanRow(y, rgb, kSide);
            std::fwrite(rgb.data(), 1, rgb.size(), encoder);
        }
        if (::pclose(encoder) != 0 || fs::file_size(s.jpeg) < 1000)
            std::abort();
        return s;
    }();
    return scratch;
}

// Runs argv, its output thrown away; the wall-clock seconds, or a negative number when it
// failed.
double RunTimed(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const Clock::time_point start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    const double seconds = Since(start);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1.0;
}

// Argument: the scale denominator (1 full size, 8 an eighth).
void Djpeg(benchmark::State& state) {
    const std::string jpeg = TheScratch().jpeg;
    const std::string scale = "1/" + std::to_string(state.range(0));
    for (auto _ : state) {
        const double seconds = RunTimed({"djpeg", "-scale", scale, "-outfile", "/dev/null", jpeg});
        if (seconds < 0) {
            state.SkipWithError("djpeg failed");
            return;
        }
        state.SetIterationTime(seconds);
    }
    state.SetLabel("djpeg -scale " + scale);
    state.counters["jpeg_mb"] = static_cast<double>(fs::file_size(jpeg)) / (1 << 20);
}

// Drops the file's pages from the page cache (only pages nobody has mapped go).
void DropFromPageCache(const fs::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

// A window-sized frame as the window shows it; false when it shows no map (white middle).
bool PaintShowsPicture(view::MapView& view) {
    QImage frame(1280, 800, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&frame);
    view.PaintFrame(painter);
    painter.end();
    return frame.pixel(640, 400) != qRgb(255, 255, 255);
}

// A view with the loader that opens its maps (the view's child).
std::unique_ptr<view::MapView> NewView() {
    static const MemorySettingsStore store;
    auto view = std::make_unique<view::MapView>(store);
    new view::MapLoader(*view);
    view->resize(1280, 800);
    view->show();
    return view;
}

view::MapLoader& LoaderOf(view::MapView& view) {
    return *view.findChild<view::MapLoader*>();
}

// Starts loading the map and runs the event loop until the load finishes (or the deadline).
struct Load {
    bool loaded = false;
    double firstFrame = -1.0; // seconds to the first frame that shows the picture
    double fullInView = -1.0; // seconds until every row in view shows at full resolution
    double finished = -1.0;   // seconds to MapLoadFinished
};

Load LoadAndWait(view::MapView& view, const QString& path) {
    Load load;
    bool done = false;
    view::MapLoader& loader = LoaderOf(view);
    const Clock::time_point start = Clock::now();
    const QMetaObject::Connection finished =
        QObject::connect(&loader, &view::MapLoader::MapLoadFinished,
                         [&](const QString&, bool loaded, const QString&) {
                             done = true;
                             load.loaded = loaded;
                             load.finished = Since(start);
                             if (loaded && load.fullInView < 0)
                                 load.fullInView = load.finished;
                             if (loaded && load.firstFrame < 0 && PaintShowsPicture(view))
                                 load.firstFrame = Since(start);
                         });
    // The small picture a large JPEG shows while the rest decodes.
    const QMetaObject::Connection preview =
        QObject::connect(&loader, &view::MapLoader::MapPreviewShown, [&] {
            if (load.firstFrame < 0 && PaintShowsPicture(view))
                load.firstFrame = Since(start);
        });
    const QMetaObject::Connection rows =
        QObject::connect(&loader, &view::MapLoader::MapFullResolutionShown, [&] {
            if (load.fullInView < 0 && PaintShowsPicture(view))
                load.fullInView = Since(start);
        });
    loader.Start(path);
    while (!done && Clock::now() - start < kDeadline)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QObject::disconnect(finished);
    QObject::disconnect(preview);
    QObject::disconnect(rows);
    return load;
}

// Manual time: MapLoadFinished; first_frame_s the first frame with a picture; full_in_view_s
// the first frame whose every row in view is at full resolution.
void FirstOpen(benchmark::State& state) {
    const Scratch& scratch = TheScratch();
    const QString path = QString::fromStdString(scratch.jpeg.string());
    for (auto _ : state) {
        fs::remove_all(scratch.cacheHome);
        auto view = NewView();
        const Load load = LoadAndWait(*view, path);
        if (load.firstFrame < 0) {
            state.SkipWithError("the map did not load");
            return;
        }
        state.SetIterationTime(load.finished);
        state.counters["first_frame_s"] = load.firstFrame;
        state.counters["full_in_view_s"] = load.fullInView;
        // The cache entry is flushed on a worker after the map shows; then the view swaps the
        // pyramid for the entry's read-only mapping.
        const Clock::time_point flushing = Clock::now();
        while (LoaderOf(*view).Workers() > 0 && Clock::now() - flushing < kDeadline)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        state.counters["commit_after_s"] = Since(flushing);
        state.counters["rss_after_mb"] = StatusMb("VmRSS");
    }
    state.counters["peak_rss_mb"] = StatusMb("VmHWM");
}

// The map's entry in the view's cache; empty when there is none.
std::shared_ptr<map::TiledMap> CachedPyramid(const Scratch& scratch) {
    int err = 0;
    const platform::UniqueFd fd = platform::OpenRegularFile(scratch.jpeg, &err);
    return map::PyramidCache(scratch.CacheFolder()).Open(scratch.jpeg, fd.Get(), kSide, kSide);
}

// Argument: 1 to drop the cache file from the page cache first (a reopen after a reboot).
void Reopen(benchmark::State& state) {
    const Scratch& scratch = TheScratch();
    const QString path = QString::fromStdString(scratch.jpeg.string());
    if (!CachedPyramid(scratch)) {
        // No entry yet: the first open makes it.
        auto view = NewView();
        LoadAndWait(*view, path);
    }
    for (auto _ : state) {
        if (state.range(0) != 0)
            for (const auto& file : fs::directory_iterator(scratch.CacheFolder()))
                DropFromPageCache(file.path());
        auto view = NewView();
        const Load load = LoadAndWait(*view, path);
        if (load.firstFrame < 0) {
            state.SkipWithError("the cached map did not show");
            return;
        }
        state.SetIterationTime(load.firstFrame);
        state.counters["rss_reopened_mb"] = StatusMb("VmRSS");
        for (const int zoom : {25, 100, 800}) {
            view->SetZoom(zoom / 100.0);
            view->GoToMapCentre();
            PaintShowsPicture(*view);
            state.counters["rss_zoom" + std::to_string(zoom) + "_mb"] = StatusMb("VmRSS");
        }
    }
    state.SetLabel(state.range(0) != 0 ? "cache file dropped from the page cache" : "warm");
}

void CacheWrite(benchmark::State& state) {
    const Scratch& scratch = TheScratch();
    map::MapPyramid built = map::MapPyramid::Allocate(kSide, kSide);
    std::vector<map::MapPixel> line(kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x)
            line[static_cast<std::size_t>(x)] =
                0xFF000000u | static_cast<map::MapPixel>(x * 31 + y);
        built.StoreRow(y, line.data());
    }
    built.BuildReducedLevels();
    const map::PyramidCache cache(scratch.folder / "write-cache");
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        std::string error;
        int err = 0;
        const platform::UniqueFd fd = platform::OpenRegularFile(scratch.jpeg, &err);
        auto entry = cache.Create(scratch.jpeg, fd.Get(), kSide, kSide, &error);
        if (!entry || !entry->Pyramid().CopyPixelsFrom(built)) {
            state.SkipWithError(("no entry: " + error).c_str());
            return;
        }
        const double copied = Since(start);
        const std::shared_ptr<map::TiledMap> committed = entry->Commit(&error);
        state.SetIterationTime(Since(start));
        state.counters["copy_s"] = copied;
        state.counters["commit_s"] = Since(start) - copied;
        if (!error.empty()) {
            state.SkipWithError(error.c_str());
            return;
        }
    }
    fs::remove_all(scratch.folder / "write-cache");
}

// The GeoTIFF and the cache its view uses, in a folder of their own.
struct TiffScratch {
    fs::path folder;
    fs::path tiff;
};

constexpr int kTiffSide = 20000;
bool tiffScratchMade = false;

const TiffScratch& TheTiffScratch() {
    static const TiffScratch scratch = [] {
        tiffScratchMade = true;
        TiffScratch s;
        std::string pattern = (fs::temp_directory_path() / "quilo-tiff-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        s.folder = pattern;
        s.tiff = s.folder / "scan.tif";
        // gdal_translate needs a file it can seek in: the scan as a PPM, removed after.
        const fs::path ppm = s.folder / "scan.ppm";
        {
            std::ofstream out(ppm, std::ios::binary);
            out << "P6\n" << kTiffSide << ' ' << kTiffSide << "\n255\n";
            std::vector<unsigned char> rgb(static_cast<std::size_t>(kTiffSide) * 3);
            for (int y = 0; y < kTiffSide; ++y) {
                WriteScanRow(y, rgb, kTiffSide);
                out.write(reinterpret_cast<const char*>(rgb.data()),
                          static_cast<std::streamsize>(rgb.size()));
            }
        }
        const double made = RunTimed({"gdal_translate", "-q", "-a_srs", "EPSG:32632", "-a_ullr",
                                      "500000", "5600000", "520000", "5580000", "-co", "TILED=YES",
                                      "-co", "COMPRESS=JPEG", ppm.string(), s.tiff.string()});
        fs::remove(ppm);
        if (made < 0)
            std::abort();
        return s;
    }();
    return scratch;
}

// Manual time: MapLoader::Start -> the first frame whose pixels in view are all at full
// resolution.
void GeoTiffFirstView(benchmark::State& state) {
    const TiffScratch& scratch = TheTiffScratch();
    const QString path = QString::fromStdString(scratch.tiff.string());
    const fs::path cut = scratch.folder / "window.tif";
    for (auto _ : state) {
        const double srcwin = RunTimed({"gdal_translate", "-q", "-srcwin", "0", "0", "1280", "800",
                                        scratch.tiff.string(), cut.string()});
        ::setenv("XDG_CACHE_HOME", (scratch.folder / "cache").c_str(), 1);
        fs::remove_all(scratch.folder / "cache");
        auto view = NewView();
        const Load load = LoadAndWait(*view, path);
        if (srcwin < 0 || !load.loaded || load.fullInView < 0) {
            state.SkipWithError("gdal_translate failed or the map did not load");
            return;
        }
        state.SetIterationTime(load.fullInView);
        state.counters["gdal_srcwin_s"] = srcwin;
        state.counters["first_view_per_srcwin"] = load.fullInView / srcwin;
        state.counters["finished_s"] = load.finished;
        const Clock::time_point flushing = Clock::now();
        while (LoaderOf(*view).Workers() > 0 && Clock::now() - flushing < kDeadline)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    state.counters["peak_rss_mb"] = StatusMb("VmHWM");
}

// The same scan as a JPEG 2000 sheet (Arg 0) and a GeoPDF page (Arg 1), made once from the
// GeoTIFF by gdal_translate; read through GDAL.
fs::path GdalScan(int kind) {
    const TiffScratch& scratch = TheTiffScratch();
    const fs::path out = scratch.folder / (kind == 0 ? "scan.jp2" : "scan.pdf");
    // The page at 72 dpi is the scan's 20000 pixels a side, which the viewer renders it at.
    std::vector<std::string> args =
        kind == 0 ? std::vector<std::string>{"gdal_translate", "-q",  "-of",
                                             "JP2OpenJPEG",    "-co", "QUALITY=25"}
                  : std::vector<std::string>{"gdal_translate", "-q",  "-of",   "PDF", "-co",
                                             "COMPRESS=JPEG",  "-co", "DPI=72"};
    args.insert(args.end(), {scratch.tiff.string(), out.string()});
    if (!fs::exists(out) && RunTimed(args) < 0)
        std::abort();
    return out;
}

// Manual time: as GeoTiffFirstView, for a raster GDAL reads; gdal_translate -srcwin is told
// the resolution the viewer renders a page at.
void GdalFirstView(benchmark::State& state) {
    const fs::path file = GdalScan(static_cast<int>(state.range(0)));
    const TiffScratch& scratch = TheTiffScratch();
    const QString path = QString::fromStdString(file.string());
    const fs::path cut = scratch.folder / "window.tif";
    for (auto _ : state) {
        const double srcwin =
            RunTimed({"gdal_translate", "-q", "--config", "GDAL_PDF_DPI", "72", "-srcwin", "0", "0",
                      "1280", "800", file.string(), cut.string()});
        ::setenv("XDG_CACHE_HOME", (scratch.folder / "cache").c_str(), 1);
        fs::remove_all(scratch.folder / "cache");
        auto view = NewView();
        const Load load = LoadAndWait(*view, path);
        if (srcwin < 0 || !load.loaded || load.fullInView < 0) {
            state.SkipWithError("gdal_translate failed or the map did not load");
            return;
        }
        state.SetIterationTime(load.fullInView);
        state.counters["gdal_srcwin_s"] = srcwin;
        state.counters["first_view_per_srcwin"] = load.fullInView / srcwin;
        state.counters["finished_s"] = load.finished;
        const Clock::time_point flushing = Clock::now();
        while (LoaderOf(*view).Workers() > 0 && Clock::now() - flushing < kDeadline)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    state.counters["peak_rss_mb"] = StatusMb("VmHWM");
}

// The tile set and the cache its view uses, in a folder of their own.
struct TilesScratch {
    fs::path folder;
    fs::path tiles;
};

constexpr int kTilesSide = 4096;
bool tilesScratchMade = false;

const TilesScratch& TheTilesScratch() {
    static const TilesScratch scratch = [] {
        tilesScratchMade = true;
        TilesScratch s;
        std::string pattern = (fs::temp_directory_path() / "quilo-tiles-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        s.folder = pattern;
        s.tiles = s.folder / "scan.mbtiles";
        const fs::path ppm = s.folder / "scan.ppm";
        {
            std::ofstream out(ppm, std::ios::binary);
            out << "P6\n" << kTilesSide << ' ' << kTilesSide << "\n255\n";
            std::vector<unsigned char> rgb(static_cast<std::size_t>(kTilesSide) * 3);
            for (int y = 0; y < kTilesSide; ++y) {
                WriteScanRow(y, rgb, kTilesSide);
                out.write(reinterpret_cast<const char*>(rgb.data()),
                          static_cast<std::streamsize>(rgb.size()));
            }
        }
        // Zoom 18's pixel, so GDAL keeps the scan's pixels as they are; then every zoom down
        // to 0.
        const double pixel = 2 * 20037508.342789244 / (256 << 18);
        const double west = 1000000;
        const double north = 6600000;
        const double made =
            RunTimed({"gdal_translate", "-q", "-of", "MBTILES", "-co", "TILE_FORMAT=JPEG", "-a_srs",
                      "EPSG:3857", "-a_ullr", std::to_string(west), std::to_string(north),
                      std::to_string(west + kTilesSide * pixel),
                      std::to_string(north - kTilesSide * pixel), ppm.string(), s.tiles.string()});
        // gdaladdo stops at the zoom whose one tile holds the scan (14); the zooms below take
        // that tile's picture, as a tile set of a region made from a world map has its own.
        std::string coarser = "INSERT OR IGNORE INTO tiles ";
        for (int zoom = 0; zoom < 14; ++zoom)
            coarser += (zoom ? " UNION ALL " : "") + std::string("SELECT ") + std::to_string(zoom) +
                       ", tile_column >> " + std::to_string(14 - zoom) + ", tile_row >> " +
                       std::to_string(14 - zoom) + ", tile_data FROM tiles WHERE zoom_level = 14";
        fs::remove(ppm);
        if (made < 0 || RunTimed({"gdaladdo", "-q", s.tiles.string(), "2", "4", "8", "16"}) < 0 ||
            RunTimed({"sqlite3", s.tiles.string(), coarser}) < 0)
            std::abort();
        return s;
    }();
    return scratch;
}

// Manual time: MapLoader::Start -> the first frame with every tile in view read.
void MbTilesOpen(benchmark::State& state) {
    const TilesScratch& scratch = TheTilesScratch();
    const QString path = QString::fromStdString(scratch.tiles.string());
    QImage frame(1280, 800, QImage::Format_ARGB32_Premultiplied);
    const auto paint = [&](view::MapView& view) {
        QPainter painter(&frame);
        view.PaintFrame(painter);
    };
    for (auto _ : state) {
        auto view = NewView();
        const Clock::time_point start = Clock::now();
        const Load load = LoadAndWait(*view, path);
        view->WaitForTilesInView();
        paint(*view);
        const double opened = Since(start);
        if (!load.loaded) {
            state.SkipWithError("the tile set did not open");
            return;
        }
        state.SetIterationTime(opened);
        double most = 0;
        double total = 0;
        int pans = 0;
        for (int zoom = 18; zoom >= 0; zoom -= 3) {
            view->SetZoom(std::ldexp(1.0, zoom - 18));
            view->GoToMapCentre();
            view->WaitForTilesInView();
            paint(*view);
            for (const int key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up}) {
                const Clock::time_point panned = Clock::now();
                view->ScrollByKey(key);
                paint(*view);
                view->WaitForTilesInView();
                paint(*view);
                const double seconds = Since(panned);
                most = std::max(most, seconds);
                total += seconds;
                ++pans;
            }
        }
        state.counters["levels"] =
            view->Geometry().MinZoom() > 0 ? 1 - std::log2(view->Geometry().MinZoom()) : 0;
        state.counters["pan_ms"] = 1000 * total / pans;
        state.counters["pan_max_ms"] = 1000 * most;
    }
}

// The scans beyond the pyramid's raw 4 GiB: a JPEG of side x side pixels (argument), written
// once into a folder of its own and removed at the end.
struct BigScratch {
    fs::path folder;
    fs::path jpeg;
};
std::vector<fs::path> bigFolders;

BigScratch MakeBigScan(int side) {
    BigScratch s;
    std::string pattern = (fs::temp_directory_path() / "quilo-big-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        std::abort();
    s.folder = pattern;
    bigFolders.push_back(s.folder);
    s.jpeg = s.folder / "scan.jpg";
    const std::string command = "cjpeg -quality 85 -outfile '" + s.jpeg.string() + "'";
    FILE* encoder = ::popen(command.c_str(), "w");
    if (encoder == nullptr)
        std::abort();
    std::fprintf(encoder, "P6\n%d %d\n255\n", side, side);
    std::vector<unsigned char> rgb(static_cast<std::size_t>(side) * 3);
    for (int y = 0; y < side; ++y) {
        WriteScanRow(y, rgb, side);
        std::fwrite(rgb.data(), 1, rgb.size(), encoder);
    }
    if (::pclose(encoder) != 0)
        std::abort();
    return s;
}

// Manual time: the reopen of a big scan from the cache to its first frame, after a first open
// that made the entry (first_open_s, then its commit commit_s); entry_mb and jpeg_mb the
// entry's and the JPEG's sizes, entry_per_jpeg their ratio.
void BigReopen(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    static std::map<int, BigScratch> scans;
    const bool made = scans.contains(side);
    if (!made)
        scans[side] = MakeBigScan(side);
    const BigScratch& scratch = scans[side];
    const fs::path cacheHome = scratch.folder / "cache";
    ::setenv("XDG_CACHE_HOME", cacheHome.c_str(), 1);
    const QString path = QString::fromStdString(scratch.jpeg.string());
    if (!made) {
        auto view = NewView();
        const Load first = LoadAndWait(*view, path);
        const Clock::time_point committing = Clock::now();
        while (LoaderOf(*view).Workers() > 0 && Clock::now() - committing < kDeadline)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        state.counters["first_open_s"] = first.finished;
        state.counters["commit_s"] = Since(committing);
    }
    std::uintmax_t entryBytes = 0;
    std::error_code ignored;
    for (const auto& file : fs::directory_iterator(cacheHome / "quilo" / "maps", ignored))
        if (file.path().extension() == ".pyr")
            entryBytes = file.file_size();
    if (entryBytes == 0) {
        state.SkipWithError("the map was not kept in the cache");
        return;
    }
    for (auto _ : state) {
        auto view = NewView();
        const Load load = LoadAndWait(*view, path);
        if (load.firstFrame < 0) {
            state.SkipWithError("the cached map did not show");
            return;
        }
        state.SetIterationTime(load.firstFrame);
    }
    const auto jpegBytes = static_cast<double>(fs::file_size(scratch.jpeg));
    state.counters["entry_mb"] = static_cast<double>(entryBytes) / (1 << 20);
    state.counters["jpeg_mb"] = jpegBytes / (1 << 20);
    state.counters["entry_per_jpeg"] = static_cast<double>(entryBytes) / jpegBytes;
    state.counters["peak_rss_mb"] = StatusMb("VmHWM");
}

BENCHMARK(Djpeg)->Arg(1)->Arg(8)->UseManualTime()->Iterations(1)->Repetitions(3)->Unit(
    benchmark::kMillisecond);
BENCHMARK(FirstOpen)->UseManualTime()->Iterations(1)->Repetitions(3)->Unit(benchmark::kMillisecond);
BENCHMARK(Reopen)->Arg(0)->Arg(1)->UseManualTime()->Iterations(1)->Repetitions(3)->Unit(
    benchmark::kMillisecond);
BENCHMARK(GeoTiffFirstView)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(GdalFirstView)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(CacheWrite)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BigReopen)->Arg(32768)->Arg(65500)->UseManualTime()->Iterations(1)->Repetitions(3)->Unit(
    benchmark::kMillisecond);
BENCHMARK(MbTilesOpen)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A map without calibration says so; nobody is there to read it.
    platform::SetMessageHook([](const platform::Message&) {});
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    if (scratchMade)
        fs::remove_all(TheScratch().folder, ignored);
    if (tiffScratchMade)
        fs::remove_all(TheTiffScratch().folder, ignored);
    if (tilesScratchMade)
        fs::remove_all(TheTilesScratch().folder, ignored);
    for (const fs::path& folder : bigFolders)
        fs::remove_all(folder, ignored);
    return 0;
}
