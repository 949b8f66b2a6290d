// Paint time of one map view frame at 1280 x 800 (--window=WxH for another size): a 12000 x
// 9000 and a 16384 x 16384 map at zooms from 25 % to 800 % (the first also on a topographic
// grid model with the grid overlay), 9999 trail samples drawn as lines and 2000 labelled map
// points, the view centred on the map; still, while dragging (7 pixels a frame) and moving (the
// view shifted by a pixel each frame, as when it follows the GPS: nothing drawn for one frame
// fits the next). Reports the median of repeated runs per case; --benchmark_format=json writes
// the figures as JSON. A still frame is also timed with the live display's overlays on: the
// heading arrow, a 25 m accuracy circle, the scale bar and the bearing line to a point; with
// them on a map turned course-up, moving; and turned 3 degrees further or back each frame, as
// when the course moves on a step (every such frame is turned whole). With
// --frames=DIR it instead saves one frame of each case as a PNG in DIR, to compare the pictures
// of two builds. An MBTiles map (4096 x 3072 pixels of Web Mercator at zoom 15, written once by
// GDAL's gdal_translate -of MBTILES, PNG tiles) is opened through the map loader as a user opens
// one and panned once the tiles in view are read, with nothing over it. The Floor case is what a
// frame cannot beat at the window's size: a copy of a composed frame and its drawing into the
// window's backing store. The 12000 x 9000 map is also timed with five open tracks of 2000
// points each and hill shading at half opacity from two SRTM tiles (3") written once, still and
// moving, once the shading in view is computed.
#include "view/MapLoader.h"
#include "view/MapView.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kTrailSamples = 9999;

// The window's size, from --window=WxH.
QSize gWindow(1280, 800);
constexpr int kMapPoints = 2000;

// A fixed pseudo-random sequence, so every run paints the same scene.
struct Lcg {
    std::uint64_t state = 0x2545F4914F6CDD1DULL;
    double Next() { // [0, 1)
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state >> 11) / 9007199254740992.0;
    }
};

// Generated straight into the pyramid, row by row: a 16384-pixel map as one image would need
// another gigabyte.
map::MapPyramid MakeMap(int width, int height) {
    map::MapPyramid map = map::MapPyramid::Allocate(width, height);
    std::vector<map::MapPixel> line(static_cast<std::size_t>(width));
    // Stripes and a grid rather than one colour: scaling cost must not depend on a trivial
    // image.
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            line[static_cast<std::size_t>(x)] = (x % 100 == 0 || y % 100 == 0)
                                                    ? qRgb(90, 90, 90)
                                                    : qRgb(240, 230 - (x / 40) % 40, 200 + y % 50);
        map.StoreRow(y, line.data());
    }
    map.BuildReducedLevels();
    return map;
}

// projected: the map's pixels placed by a topographic grid fitted through the same three
// points, with the grid's lines drawn over it.
view::MapView* MakeView(int mapWidth, int mapHeight, bool projected = false) {
    static const MemorySettingsStore store;
    auto* v = new view::MapView(store);
    v->resize(gWindow);
    v->show();
    v->SetMap(MakeMap(mapWidth, mapHeight));

    const session::MapSession& now = v->Session();
    // 0.12 degree of longitude across, 0.06 of latitude down, north up.
    calib::CGPSMapFuncs calibration;
    calibration.AddCalibrationPoint(MapPos(0, 0), MapPos(-1.06, 51.40));
    calibration.AddCalibrationPoint(MapPos(mapWidth, 0), MapPos(-0.94, 51.40));
    calibration.AddCalibrationPoint(MapPos(0, mapHeight), MapPos(-1.06, 51.46));

    Lcg random;
    std::vector<CMapPoint> mapPoints;
    for (int i = 0; i < kMapPoints; ++i) {
        const MapPos pixel(random.Next() * mapWidth, random.Next() * mapHeight);
        mapPoints.emplace_back("WP" + std::to_string(1000 + i),
                               calibration.PixelToGeo(pixel, mapHeight), 1 + i % 4, i % 8,
                               (i + 3) % 8, i % 5, "");
    }

    // A wandering walk with steps of about 20 pixels, kept on the map.
    trail::TrailBuffer trail;
    double x = mapWidth / 2.0;
    double y = mapHeight / 2.0;
    for (int i = 0; i < kTrailSamples; ++i) {
        x = std::clamp(x + (random.Next() - 0.5) * 40.0, 1.0, mapWidth - 1.0);
        y = std::clamp(y + (random.Next() - 0.5) * 40.0, 1.0, mapHeight - 1.0);
        trail.AddFront(calibration.PixelToGeo(MapPos(x, y), mapHeight));
    }
    ViewSettings settings = now.Settings();
    settings.trailLength = kTrailSamples;
    settings.trailStyle = 1;

    session::ShowFlags flags;
    flags.mapPoints = flags.labels = flags.trail = true;
    flags.statusInfo = flags.cursorInfo = true;
    map::MapGeoreference georeference(map::HandheldGeoreference(calibration, mapHeight));
    if (projected) {
        std::vector<map::CalibrationPoint> points;
        for (const MapPos pixel : {MapPos(0, 0), MapPos(mapWidth, 0), MapPos(0, mapHeight)})
            points.push_back({pixel, calibration.PixelToGeo(pixel, mapHeight)});
        std::string error;
        auto fit = map::GridGeoreference::Fit({map::GridKind::Topographic, {}}, points, &error);
        if (!fit)
            qFatal("no topographic fit: %s", error.c_str());
        georeference.SetGrid(std::make_shared<const map::GridGeoreference>(std::move(*fit)));
        v->SetOverlays({.grid = true});
    }
    v->SetSession(session::MapSession(session::MapDocument(georeference, std::move(mapPoints)),
                                      trail::Recording(trail, now.Recording().Rules()), settings,
                                      flags));
    return v;
}

// The view of an MBTiles map made in a temporary folder, which also holds the map cache the
// loader writes ($XDG_CACHE_HOME); removed at the end of the run.
view::MapView* MakeTilesView() {
    namespace fs = std::filesystem;
    static const struct Folder {
        fs::path path;
        Folder() {
            std::string pattern = fs::temp_directory_path() / "quilo-paint-bench-XXXXXX";
            if (::mkdtemp(pattern.data()) == nullptr)
                qFatal("cannot make a temporary folder");
            path = pattern;
        }
        ~Folder() {
            std::error_code ignored;
            fs::remove_all(path, ignored);
        }
    } folder;
    ::setenv("XDG_CACHE_HOME", (folder.path / "cache").c_str(), 1);
    constexpr int kWidth = 4096;
    constexpr int kHeight = 3072;
    const fs::path picture = folder.path / "picture.ppm";
    {
        std::ofstream out(picture, std::ios::binary);
        out << "P6\n" << kWidth << ' ' << kHeight << "\n255\n";
        std::vector<char> row(3 * kWidth);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const bool line = x % 100 == 0 || y % 100 == 0;
                row[3 * x] = static_cast<char>(line ? 90 : 240);
                row[3 * x + 1] = static_cast<char>(line ? 90 : 230 - (x / 40) % 40);
                row[3 * x + 2] = static_cast<char>(line ? 90 : 200 + y % 50);
            }
            out.write(row.data(), static_cast<std::streamsize>(row.size()));
        }
    }
    // Zoom 15's pixel, so GDAL keeps the picture's pixels as they are.
    constexpr double kPixel = 4.777314267823516;
    const double west = 1000000;
    const double north = 6600000;
    const fs::path tiles = folder.path / "tiles.mbtiles";
    const std::string command = "gdal_translate -q -of MBTILES -co TILE_FORMAT=PNG -a_srs "
                                "EPSG:3857 -a_ullr " +
                                std::to_string(west) + ' ' + std::to_string(north) + ' ' +
                                std::to_string(west + kWidth * kPixel) + ' ' +
                                std::to_string(north - kHeight * kPixel) + " '" + picture.string() +
                                "' '" + tiles.string() + "'";
    if (std::system(command.c_str()) != 0)
        qFatal("gdal_translate could not write the MBTiles map (gdal-bin)");
    static const MemorySettingsStore store;
    auto* v = new view::MapView(store);
    v->resize(gWindow);
    v->show();
    QString error;
    if (!view::MapLoader(*v).Load(QString::fromStdString(tiles.string()), &error))
        qFatal("the MBTiles map did not open: %s", qPrintable(error));
    // Its tiles cover the picture: at least as wide and high, placed by its own grid.
    if (v->Geometry().ImageWidth() < kWidth || v->Geometry().ImageHeight() < kHeight ||
        !v->Session().Georeference().HasTransform())
        qFatal("the MBTiles map opened as %d x %d pixels, %s", v->Geometry().ImageWidth(),
               v->Geometry().ImageHeight(),
               v->Session().Georeference().HasTransform() ? "placed" : "not placed");
    return v;
}

// One view per map size, built when first needed and kept for the run; kProjected is the
// 12000 x 9000 map on a topographic grid, kMbTiles the MBTiles map.
constexpr int kProjected = 12001;
constexpr int kMbTiles = 4096;

view::MapView& SharedView(int mapSide) {
    if (mapSide == kMbTiles) {
        static view::MapView* tiles = MakeTilesView();
        return *tiles;
    }
    if (mapSide == kProjected) {
        static view::MapView* projected = MakeView(12000, 9000, true);
        return *projected;
    }
    if (mapSide == 16384) {
        static view::MapView* big = MakeView(16384, 16384);
        return *big;
    }
    static view::MapView* scan = MakeView(12000, 9000);
    return *scan;
}

void SendMouse(view::MapView& view, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), view.mapToGlobal(QPointF(at)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &event);
}

enum Motion {
    kStill,
    kDragging,
    kMoving,
    kLiveOverlays,
    kTurned,
    kShaded,
    kShadedMoving,
    kTurning
};

// A folder of two 3" SRTM tiles of rolling hills under the 12000 x 9000 map, written once and
// removed at the end of the run.
std::string DemFolder() {
    namespace fs = std::filesystem;
    static const struct Folder {
        fs::path path;
        Folder() {
            std::string pattern = fs::temp_directory_path() / "quilo-paint-dem-XXXXXX";
            if (::mkdtemp(pattern.data()) == nullptr)
                qFatal("cannot make a temporary folder");
            path = pattern;
            for (const char* name : {"N51W002.hgt", "N51W001.hgt"}) {
                std::string bytes;
                for (int r = 0; r < 1201; ++r)
                    for (int c = 0; c < 1201; ++c) {
                        const auto h = static_cast<std::uint16_t>(
                            300 + 80 * std::sin(r / 9.0) * std::cos(c / 13.0) + (r * c) % 7);
                        bytes += static_cast<char>(h >> 8);
                        bytes += static_cast<char>(h & 0xFF);
                    }
                std::ofstream(path / name, std::ios::binary) << bytes;
            }
        }
        ~Folder() {
            std::error_code ignored;
            fs::remove_all(path, ignored);
        }
    } folder;
    return folder.path.string();
}

// Five tracks wandering from the view's middle, and hill shading at half opacity; or none.
void ShowTracksAndShading(view::MapView& view, bool on) {
    view.Change([&view, on](session::MapSession& s) {
        s.Tracks().Clear();
        if (!on)
            return s.SetDemFolder("") | session::Changed::Trail;
        const view::ViewGeometry& g = view.Geometry();
        Lcg random;
        for (int t = 0; t < 5; ++t) {
            trail::LoadedTrack track;
            track.name = "Track " + std::to_string(t + 1);
            trail::TrackSegment segment;
            MapPos at = g.ScreenToImage({g.ClientWidth() / 2, g.ClientHeight() / 2});
            for (int i = 0; i < 2000; ++i) {
                at.x += (random.Next() - 0.5) * 40.0 / g.Zoom();
                at.y += (random.Next() - 0.5) * 40.0 / g.Zoom();
                trail::TrackPoint point;
                point.position = s.Georeference().ToGeo(at);
                segment.push_back(point);
            }
            track.track.push_back(std::move(segment));
            s.Tracks().Add(std::move(track));
        }
        return s.SetDemFolder(DemFolder()) | session::Changed::Trail;
    });
    view::OverlayChoice overlays = view.Overlays();
    overlays.shading =
        on ? std::optional(view::ShadeChoice{terrain::ShadeKind::Hill, 0.5}) : std::nullopt;
    view.SetOverlays(std::move(overlays));
}

// The GPS near the view's centre, moving at 5 m/s, 25 m sure of itself, going to a point 300
// pixels off; or all of it off again. courseUp turns the map so the course (60 degrees) is up.
void ShowLiveOverlays(view::MapView& view, bool on, bool courseUp = false) {
    view.Change([&view, on, courseUp](session::MapSession& s) {
        session::LiveSettings settings;
        settings.headingArrow = settings.accuracyCircle = settings.scaleBar = on;
        settings.courseUp = courseUp;
        s.Live().SetSettings(settings);
        if (!on) {
            s.Live().StopGoTo();
            s.Disconnect();
            return session::Changes();
        }
        const map::MapGeoreference& where = s.Georeference();
        const view::ViewGeometry& g = view.Geometry();
        const MapPos middle = g.ScreenToImage({g.ClientWidth() / 2, g.ClientHeight() / 2});
        static_cast<void>(s.Connect(gps::GpsOpening{true, "", ""}));
        s.Live().StartGoTo("WP", where.ToGeo(MapPos(middle.x + 300 / g.Zoom(), middle.y)),
                           std::nullopt);
        gps::GpsUpdate update;
        update.handled = true;
        update.what = gps::GpsUpdate::kPosition;
        update.fix.position = where.ToGeo(middle);
        update.fix.hasFix = true;
        update.details.speedMps = 5.0;
        update.details.courseTrue = 60.0;
        update.details.accuracyM = 25.0;
        return s.OnGpsUpdate(update, false).changes;
    });
}

// Arguments: map side (12000 for the 12000 x 9000 map, 16384, kProjected, kMbTiles), zoom in
// percent, Motion.
void PaintFrame(benchmark::State& state) {
    view::MapView& view = SharedView(static_cast<int>(state.range(0)));
    view.SetZoom(static_cast<double>(state.range(1)) / 100.0);
    view.GoToMapCentre();
    // A tile set's tiles in view are read first, as a scan's are all there.
    view.WaitForTilesInView();
    const view::ViewPoint centre = view.Geometry().ScrollOffset();
    const bool dragging = state.range(2) == kDragging;
    const bool turned = state.range(2) == kTurned;
    const bool shaded = state.range(2) == kShaded || state.range(2) == kShadedMoving;
    const bool moving = state.range(2) == kMoving || turned || state.range(2) == kShadedMoving;
    if (shaded) {
        ShowTracksAndShading(view, true);
        view.WaitForTilesInView();
    }
    // Turned by hand a little each frame: every frame is turned whole, as when the course
    // moves on by a step.
    const bool turning = state.range(2) == kTurning;
    const bool live = state.range(2) == kLiveOverlays || turned || turning;
    if (live)
        ShowLiveOverlays(view, true, turned);
    const QPoint press(gWindow.width() / 2, gWindow.height() / 2);
    if (dragging)
        SendMouse(view, QEvent::MouseButtonPress, press, Qt::LeftButton);
    // The window's backing store format on the raster engine.
    QImage frame(gWindow, QImage::Format_ARGB32_Premultiplied);
    int step = 0;
    for (auto _ : state) {
        if (dragging) {
            // Back and forth across 700 pixels, so a long run stays near the centre.
            step = (step + 1) % 200;
            const int dx = 7 * (step < 100 ? step : 200 - step);
            SendMouse(view, QEvent::MouseMove, press - QPoint(dx, 0), Qt::LeftButton);
        }
        if (moving) {
            step = 1 - step;
            view.ScrollTo(view::ViewPoint{centre.x + step, centre.y});
        }
        if (turning) {
            step = 1 - step;
            view.SetHandTurn(step == 0 ? 60.0 : 63.0);
        }
        QPainter painter(&frame);
        view.PaintFrame(painter);
        painter.end();
        benchmark::DoNotOptimize(frame.constBits());
    }
    if (dragging)
        SendMouse(view, QEvent::MouseButtonRelease, press, Qt::NoButton);
    if (live)
        ShowLiveOverlays(view, false);
    if (turning)
        view.SetHandTurn(0.0);
    if (shaded)
        ShowTracksAndShading(view, false);
    state.SetLabel((state.range(0) == 16384        ? "16384 x 16384"
                    : state.range(0) == kProjected ? "12000 x 9000 topographic, grid overlay"
                    : state.range(0) == kMbTiles   ? "MBTiles"
                                                   : "12000 x 9000") +
                   std::string(", zoom ") + std::to_string(state.range(1)) + "%" +
                   (shaded ? std::string(", five tracks, hill shading") + (moving ? ", moving" : "")
                    : dragging ? ", dragging"
                    : turned   ? ", course up, live overlays, moving"
                    : turning  ? ", live overlays, turning"
                    : moving   ? ", moving"
                    : live     ? ", live overlays"
                               : ""));
}

// The floor, measured first so that every case of the run has it beside it: the composed frame
// copied (as a kept frame is) and drawn into the backing store's format.
void Floor(benchmark::State& state) {
    QImage composed(gWindow, QImage::Format_RGB32);
    for (int y = 0; y < composed.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(composed.scanLine(y));
        for (int x = 0; x < composed.width(); ++x)
            row[x] = qRgb(240, 230 - (x / 40) % 40, 200 + y % 50);
    }
    QImage copy(gWindow, QImage::Format_RGB32);
    QImage frame(gWindow, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        std::memcpy(copy.bits(), composed.constBits(),
                    static_cast<std::size_t>(copy.sizeInBytes()));
        QPainter painter(&frame);
        painter.drawImage(0, 0, copy);
        painter.end();
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.SetLabel(std::to_string(gWindow.width()) + " x " + std::to_string(gWindow.height()));
}
BENCHMARK(Floor)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

BENCHMARK(PaintFrame)
    ->ArgsProduct({{12000, 16384, kProjected},
                   {25, 50, 100, 200, 800},
                   {kStill, kDragging, kMoving}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// A turning frame turns its map on two threads: the CPU time of these cases is the process's.
BENCHMARK(PaintFrame)
    ->ArgsProduct({{12000}, {25, 100, 800}, {kLiveOverlays, kTurned, kTurning}})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

BENCHMARK(PaintFrame)
    ->ArgsProduct({{12000}, {25, 100, 800}, {kShaded, kShadedMoving}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

BENCHMARK(PaintFrame)
    ->ArgsProduct({{kMbTiles}, {25, 100, 200}, {kStill, kDragging, kMoving}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// One picture per case: still (painted twice, the second saved), moved by a pixel after it,
// and dragged by 70 pixels.
bool SaveFrames(const QString& dir) {
    QImage frame(gWindow, QImage::Format_ARGB32_Premultiplied);
    const auto paint = [&](view::MapView& view) {
        QPainter painter(&frame);
        view.PaintFrame(painter);
    };
    for (const int side : {12000, 16384}) {
        view::MapView& view = SharedView(side);
        for (const int zoom : {25, 50, 70, 100, 200, 800}) {
            view.SetZoom(zoom / 100.0);
            view.GoToMapCentre();
            const view::ViewPoint centre = view.Geometry().ScrollOffset();
            const QString name = dir + QStringLiteral("/%1-%2-").arg(side).arg(zoom);
            paint(view);
            paint(view);
            bool saved = frame.save(name + "still.png");
            view.ScrollTo(view::ViewPoint{centre.x + 1, centre.y});
            paint(view);
            saved = saved && frame.save(name + "moving.png");
            const QPoint press(gWindow.width() / 2, gWindow.height() / 2);
            SendMouse(view, QEvent::MouseButtonPress, press, Qt::LeftButton);
            SendMouse(view, QEvent::MouseMove, press - QPoint(70, 0), Qt::LeftButton);
            paint(view);
            SendMouse(view, QEvent::MouseButtonRelease, press, Qt::NoButton);
            if (!saved || !frame.save(name + "dragging.png"))
                return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString framesOption = QStringLiteral("--frames=");
    const QString windowOption = QStringLiteral("--window=");
    QString frames;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument.startsWith(framesOption)) {
            frames = argument.mid(framesOption.size());
        } else if (argument.startsWith(windowOption)) {
            const QStringList sides = argument.mid(windowOption.size()).split(u'x');
            bool wide = false;
            bool high = false;
            const QSize size(sides.value(0).toInt(&wide), sides.value(1).toInt(&high));
            if (sides.size() != 2 || !wide || !high || size.width() < 64 || size.height() < 64 ||
                size.width() > 16384 || size.height() > 16384) {
                std::fprintf(stderr, "paint-bench: --window=WxH, 64 to 16384 pixels a side\n");
                return 1;
            }
            gWindow = size;
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    if (!frames.isEmpty())
        return SaveFrames(frames) ? 0 : 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
