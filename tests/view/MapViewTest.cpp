#include "view/MapView.h"
#include "calib/GridFile.h"
#include "map/pyramid/PyramidCache.h"
#include "view/LiveOverlays.h"
#include "view/MapLoader.h"
#include "view/MapPaint.h"
#include "view/PyramidImage.h"
#include "view/TurnedView.h"

#include "PixelHelpers.h"
#include "support/QtTestSupport.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <memory>
#include <numbers>
#include <random>
#include <sys/stat.h>

namespace view {

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlack = qRgb(0, 0, 0);

// With this calibration and no map (image height 0), geographic (52 - row / 100 N,
// column / 100 E) lies on image pixel (column, row).
MapPos GeoAt(double column, double row) {
    return MapPos(column / 100.0, 52.0 - row / 100.0);
}

calib::CGPSMapFuncs HundredPixelsADegree() {
    calib::CGPSMapFuncs c;
    for (const MapPos pixel : {MapPos(0, 0), MapPos(100, 0), MapPos(0, 100)})
        c.AddCalibrationPoint(MapPos(pixel.x, -pixel.y), GeoAt(pixel.x, pixel.y));
    return c;
}

// What a test sets in the view's session: the session is built afresh from it.
struct Scene {
    calib::CGPSMapFuncs calibration;
    points::MapPointList points;
    trail::TrailBuffer trail;
    ViewSettings settings;
    session::ShowFlags flags;
    gps::GpsFix fix;
};

struct Fixture {
    MemorySettingsStore store;
    std::unique_ptr<MapView> view;

    explicit Fixture(int w, int h) {
        view = std::make_unique<MapView>(store);
        view->resize(w, h);
        view->show();                             // delivers the resize
        view->SetSelection(MapPos(-1000, -1000)); // crosshair out of sight
        Change([](Scene& s) { s.calibration = HundredPixelsADegree(); });
    }
    // Changes the view's state through a session built from its own, changed.
    template <typename F> void Change(F change) {
        const session::MapSession& now = view->Session();
        Scene s{now.Document().Calibration(),
                now.Document().Points(),
                now.Recording().Trail(),
                now.Settings(),
                now.Flags(),
                now.GpsFix()};
        change(s);
        const std::optional<MapPos> selection = now.Selection();
        view->SetSession(session::MapSession(session::MapDocument({s.calibration, 0}, s.points),
                                             trail::Recording(s.trail, now.Recording().Rules()),
                                             s.settings, s.flags, s.fix));
        if (selection)
            view->SetSelection(*selection);
    }
    void Show(void (*set)(session::ShowFlags&)) {
        Change([set](Scene& s) { set(s.flags); });
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), view->mapToGlobal(QPointF(at)), Qt::LeftButton,
                          buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(view.get(), &event);
    }
    QImage Frame(int pixelRatio = 1) {
        QImage image =
            pixels::Blank(view->width() * pixelRatio, view->height() * pixelRatio, Qt::blue);
        image.setDevicePixelRatio(pixelRatio);
        QPainter painter(&image);
        view->PaintFrame(painter);
        return image;
    }
    void SetTrail(const std::vector<MapPos>& oldestFirst, int style, int size, int length) {
        trail::TrailBuffer trail;
        for (const MapPos& p : oldestFirst)
            trail.AddFront(p);
        Change([&](Scene& s) {
            s.trail = trail;
            ViewSettings& settings = s.settings;
            settings.trailStyle = style;
            settings.trailSize = size;
            settings.trailLength = length; // set directly: a hand-made record may hold anything
        });
        Show([](session::ShowFlags& flags) { flags.trail = true; });
    }
};

QImage RedMap(int w, int h) {
    QImage map(w, h, QImage::Format_RGB32);
    map.fill(Qt::red);
    return map;
}

TEST(MapViewPaint, NoMapPaintsWhiteWithTheHintOnlyInTheMiddle) {
    Fixture f(240, 120);
    const QImage frame = f.Frame();
    // White above and below the hint's lines, its text in the middle.
    EXPECT_EQ(pixels::Count(frame, kWhite, QRect(0, 0, 240, 30)), 240 * 30);
    EXPECT_EQ(pixels::Count(frame, kWhite, QRect(0, 90, 240, 30)), 240 * 30);
    EXPECT_LT(pixels::Count(frame, kWhite, QRect(0, 30, 240, 60)), 240 * 60);
}

// The overlays the frame and the commands lay over the scene, each in its place among the
// layers: the other maps' outlines over the map but under a shown info line, the calibration
// marks over everything.
TEST(MapViewPaint, OverlayLayersTable) {
    Fixture f(200, 100);
    f.view->SetMap(PyramidFromImage(RedMap(200, 100)));
    std::vector<MapPos> square;
    for (const MapPos corner : {MapPos(20, 5), MapPos(120, 5), MapPos(120, 60), MapPos(20, 60)})
        square.push_back(f.view->Session().Georeference().ToGeo(corner));
    const QRect status = StatusLineRect(200, 100);
    const MapPos mark = f.view->Session().Document().Grid().points.at(0).pixel;
    ASSERT_TRUE(status.contains(QPoint(static_cast<int>(mark.x), static_cast<int>(mark.y))));
    const struct {
        const char* legend;
        OverlayChoice overlays;
        bool statusLine;
        QRect probe;
        bool shows;
    } rows[] = {
        {"an outline over the map", {.outlines = {square}}, true, QRect(18, 20, 5, 30), true},
        {"an outline under the status line", {.outlines = {square}}, true, status, false},
        {"and over the map there without it", {.outlines = {square}}, false, status, true},
        {"the calibration marks over the status line", {.calibrationMarks = 1}, true, status, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        f.Change([&row](Scene& s) { s.flags.statusInfo = row.statusLine; });
        f.view->SetOverlays({});
        const QImage without = f.Frame();
        f.view->SetOverlays(row.overlays);
        const QImage with = f.Frame();
        int changed = 0;
        for (int y = row.probe.top(); y <= row.probe.bottom(); ++y)
            for (int x = row.probe.left(); x <= row.probe.right(); ++x)
                changed += with.pixel(x, y) != without.pixel(x, y) ? 1 : 0;
        EXPECT_EQ(changed > 0, row.shows) << changed;
    }
}

TEST(MapViewPaint, WhiteMarginsTable) {
    struct Row {
        const char* legend;
        ViewPoint scroll;
        QRect red; // where the map shows; everything else is white
        double turn = 0.0;
    };
    const Row rows[] = {
        {"at the origin", {0, 0}, QRect(0, 0, 100, 60)},
        {"negative x offset: band on the left", {-20, 0}, QRect(20, 0, 100, 60)},
        {"negative y offset: band on top", {0, -7}, QRect(0, 7, 100, 60)},
        {"scrolled right: band on the right", {30, 10}, QRect(0, 0, 70, 50)},
        {"far away: all white", {100000, 0}, QRect()},
        {"turned, where the turn leaves the 32-bit range: all white",
         {2'147'483'000, 2'147'483'000},
         QRect(),
         45.0},
    };
    for (const Row& row : rows) {
        Fixture f(200, 100);
        f.view->SetMap(PyramidFromImage(RedMap(100, 60)));
        f.view->SetHandTurn(row.turn);
        f.view->ScrollTo(row.scroll);
        const QImage frame = f.Frame();
        // Left of where a turned view's north arrow goes.
        const QRect counted(0, 0, row.turn != 0.0 ? NorthArrowRect(200, 100).left() : 200, 100);
        const int redCount = pixels::Count(frame, kRed, counted);
        EXPECT_EQ(redCount, row.red.width() * row.red.height()) << row.legend;
        EXPECT_EQ(pixels::Count(frame, kRed, row.red), redCount) << row.legend;
        EXPECT_EQ(pixels::Count(frame, kWhite, counted), counted.width() * 100 - redCount)
            << row.legend;
    }
}

TEST(MapViewPaint, MapLiesUnderTheOverlaysAtHighZoom) {
    // Image column 10 (red on white) at 800% scrolled by 3 pixels: starts at view x 77, where
    // ImageToScreen puts image x 10.0.
    QImage map(40, 40, QImage::Format_RGB32);
    map.fill(Qt::white);
    for (int y = 0; y < 40; ++y)
        map.setPixel(10, y, kRed);
    Fixture f(200, 100);
    f.view->SetMap(PyramidFromImage(map));
    f.view->SetZoom(8.0);
    f.view->ScrollTo({3, 0});
    const QImage frame = f.Frame();
    const auto at = f.view->Geometry().ImageToScreen(MapPos(10.0, 1.0), {3, 0});
    ASSERT_TRUE(at);
    EXPECT_EQ(at->x, 77);
    EXPECT_EQ(frame.pixel(76, 20), kWhite);
    EXPECT_EQ(frame.pixel(77, 20), kRed);
    EXPECT_EQ(frame.pixel(84, 20), kRed);
    EXPECT_EQ(frame.pixel(85, 20), kWhite);
}

TEST(MapViewPaint, TrailShadeLevelsTable) {
    struct Row {
        const char* legend;
        int count;
        int length;
        QRgb oldest;
        QRgb newest;
    };
    const Row rows[] = {
        {"250 of 250: black to level 19", 250, 250, qRgb(0, 0, 0), qRgb(0, 242, 0)},
        {"10 of 250: starts at level 18", 10, 250, qRgb(0, 229, 0), qRgb(0, 242, 0)},
        {"20 of 20: the middle one is level 10", 20, 20, qRgb(0, 0, 0), qRgb(0, 229, 0)},
        {"more samples than the length stay on the ramp", 30, 20, kBlack, qRgb(0, 229, 0)},
        {"a stored length of 0 stays on the ramp", 5, 0, kBlack, kBlack},
    };
    for (const Row& row : rows) {
        Fixture f(1300, 20);
        std::vector<MapPos> samples;
        for (int i = 0; i < row.count; ++i)
            samples.push_back(GeoAt(5 + 5 * i, 10));
        f.SetTrail(samples, /*dots*/ 0, 1, row.length);
        const QImage frame = f.Frame();
        EXPECT_EQ(frame.pixel(5, 10), row.oldest) << row.legend;
        EXPECT_EQ(frame.pixel(5 + 5 * (row.count - 1), 10), row.newest) << row.legend;
        if (row.count == 20 && row.length == 20) {
            EXPECT_EQ(frame.pixel(5 + 5 * 10, 10), qRgb(0, 127, 0)) << "Green level 10";
        }
    }
}

// A dot whose middle lies just off the view shows its edge, as a line there does.
TEST(MapViewPaint, ADotJustOffTheViewShowsItsEdge) {
    Fixture f(100, 20);
    f.SetTrail({GeoAt(-2, 10), GeoAt(50, 10)}, /*dots*/ 0, 2, 250);
    const QImage frame = f.Frame();
    EXPECT_NE(frame.pixel(0, 10), frame.pixel(0, 1)) << "the dot's edge";
    EXPECT_NE(frame.pixel(50, 10), frame.pixel(0, 1)) << "the dot in view";
}

TEST(MapViewPaint, LinesBreaksAndUnplaceablePositionsLeaveGaps) {
    struct Row {
        const char* legend;
        MapPos middle; // sample between (60, 10) and (110, 10)
        bool joined;   // the line runs on through x 85
    };
    const Row rows[] = {
        {"no break", GeoAt(85, 10), true},
        {"a break starts a new line", MapPos(), false},
        {"a position beyond 32-bit pixels", MapPos(1e300, 52.0), false},
    };
    for (const Row& row : rows) {
        Fixture f(200, 20);
        f.SetTrail({GeoAt(10, 10), GeoAt(60, 10), row.middle, GeoAt(110, 10), GeoAt(160, 10)},
                   /*lines*/ 1, 1, 250);
        const QImage frame = f.Frame();
        EXPECT_NE(frame.pixel(35, 10), kWhite) << row.legend;
        EXPECT_EQ(frame.pixel(72, 10) != kWhite, row.joined) << row.legend;
        EXPECT_EQ(frame.pixel(98, 10) != kWhite, row.joined) << row.legend;
        EXPECT_NE(frame.pixel(135, 10), kWhite) << row.legend;
    }
}

TEST(MapViewPaint, LinesThinOutVerticesWithin3Pixels) {
    Fixture f(200, 40);
    // Segment start at (10, 10); three samples within 3 pixels of it are skipped, so the line
    // to (10, 30) starts at the segment start and runs straight down column 10.
    f.SetTrail({GeoAt(10, 10), GeoAt(11, 10), GeoAt(12, 10), GeoAt(11, 11), GeoAt(10, 30)}, 1, 0,
               250);
    const QImage frame = f.Frame();
    EXPECT_NE(frame.pixel(10, 20), kWhite);
    EXPECT_EQ(frame.pixel(12, 10), kWhite) << "no line to the skipped vertex";
}

TEST(MapViewPaint, TrailIsLeftOutWhileDragging) {
    Fixture f(200, 20);
    f.SetTrail({GeoAt(10, 10), GeoAt(60, 10)}, 1, 1, 250);
    // A drag out and back to the press point: dragging, with the map where it was.
    f.Mouse(QEvent::MouseButtonPress, {100, 10}, Qt::LeftButton);
    f.Mouse(QEvent::MouseMove, {150, 10}, Qt::LeftButton);
    f.Mouse(QEvent::MouseMove, {100, 10}, Qt::LeftButton);
    ASSERT_TRUE(f.view->Geometry().Dragging());
    EXPECT_EQ(f.Frame().pixel(35, 10), kWhite);
    f.Mouse(QEvent::MouseButtonRelease, {100, 10}, Qt::NoButton);
    EXPECT_NE(f.Frame().pixel(35, 10), kWhite);
}

TEST(MapViewPaint, GpsMarkerTable) {
    struct Row {
        const char* legend;
        MapPos position;
        bool hasFix;
        QRgb centre;
    };
    const Row rows[] = {
        {"with a fix: yellow", GeoAt(50, 30), true, qRgb(255, 255, 0)},
        {"without a fix: black", GeoAt(50, 30), false, kBlack},
        {"position not yet known: nothing", MapPos(), true, kWhite},
    };
    for (const Row& row : rows) {
        Fixture f(100, 60);
        gps::GpsFix fix;
        fix.position = row.position;
        fix.hasFix = row.hasFix;
        f.Change([&fix](Scene& s) { s.fix = fix; });
        const QImage frame = f.Frame();
        EXPECT_EQ(frame.pixel(50, 30), row.centre) << row.legend;
        if (!row.hasFix) {
            EXPECT_EQ(frame.pixel(45, 30), kBlack) << "black outline too";
        }
    }
}

TEST(MapViewPaint, MapPointsWithLabelsAndTheSelection) {
    Fixture f(200, 100);
    f.Change([](Scene& s) {
        s.points = {CMapPoint("Inn", GeoAt(40, 50), 3, 1, 5, 1, ""),
                    CMapPoint("Far", GeoAt(400, 50), 1, 1, 5, 1, "")};
    });
    f.view->SetSelection(MapPos(150.0, 20.0));
    QImage frame = f.Frame();
    EXPECT_EQ(frame.pixel(40, 50), kWhite) << "points hidden until shown";
    f.Show([](session::ShowFlags& flags) { flags.mapPoints = flags.labels = true; });
    frame = f.Frame();
    EXPECT_EQ(frame.pixel(40, 50), qRgb(0, 255, 255));
    EXPECT_GT(pixels::Count(frame, qRgb(0, 0, 255), QRect(45, 50, 40, 20)), 0) << "label";
    for (int x = 143; x <= 157; ++x)
        EXPECT_EQ(frame.pixel(x, 20), kBlack) << "selection crosshair at column " << x;
}

// The points' pixels are kept from frame to frame; each change that moves one must show.
TEST(MapViewPaint, KeptPointPixelsFollowEveryChangeTable) {
    const auto points = [](int firstX, int count) {
        points::MapPointList list;
        for (int i = 0; i < count; ++i)
            list.push_back(CMapPoint("P", GeoAt(firstX + 30 * i, 40), 3, 1, 5, 1, ""));
        return list;
    };
    const struct {
        const char* legend;
        points::MapPointList after;
        calib::CGPSMapFuncs calibration;
    } rows[] = {
        {"a point moved", points(50, 3), HundredPixelsADegree()},
        {"a point more", points(20, 4), HundredPixelsADegree()},
        {"a point fewer", points(20, 2), HundredPixelsADegree()},
        {"recalibrated", points(20, 3),
         [] {
             calib::CGPSMapFuncs c;
             for (const MapPos pixel : {MapPos(0, 0), MapPos(100, 0), MapPos(0, 100)})
                 c.AddCalibrationPoint(MapPos(pixel.x, -pixel.y), GeoAt(pixel.x + 9, pixel.y));
             return c;
         }()},
    };
    for (const auto& row : rows) {
        const auto show = [](Fixture& f, const points::MapPointList& list,
                             const calib::CGPSMapFuncs& calibration) {
            f.Change([&](Scene& s) {
                s.points = list;
                s.calibration = calibration;
            });
            f.Show([](session::ShowFlags& flags) { flags.mapPoints = true; });
        };
        Fixture kept(200, 80);
        show(kept, points(20, 3), HundredPixelsADegree());
        const QImage before = kept.Frame();
        show(kept, row.after, row.calibration);
        const QImage after = kept.Frame();
        Fixture fresh(200, 80);
        show(fresh, row.after, row.calibration);
        EXPECT_TRUE(after == fresh.Frame()) << row.legend;
        EXPECT_FALSE(after == before) << row.legend << ": the change must show";
    }
}

TEST(MapViewPaint, UncalibratedMapShowsNothingGeographic) {
    Fixture f(100, 60);
    gps::GpsFix fix;
    fix.position = GeoAt(50, 30);
    fix.hasFix = true;
    f.Change([&fix](Scene& s) {
        s.fix = fix;
        s.points = {CMapPoint("Inn", GeoAt(20, 20), 3, 1, 5, 1, "")};
    });
    f.SetTrail({GeoAt(10, 50), GeoAt(90, 50)}, /*lines*/ 1, 1, 250);
    f.Show([](session::ShowFlags& flags) { flags.mapPoints = flags.trail = true; });
    EXPECT_NE(pixels::Count(f.Frame(), kWhite, QRect(0, 0, 100, 60)), 100 * 60) << "calibrated";
    f.Change([](Scene& s) { s.calibration = calib::CGPSMapFuncs(); });
    EXPECT_EQ(pixels::Count(f.Frame(), kWhite, QRect(0, 0, 100, 60)), 100 * 60);
}

TEST(MapViewPaint, TransparentMapPixelsShowWhiteOverAnyEarlierFrame) {
    testsupport::TempDir dir;
    QImage map(40, 20, QImage::Format_ARGB32);
    map.fill(Qt::transparent);
    for (int y = 0; y < 20; ++y)
        for (int x = 20; x < 40; ++x)
            map.setPixel(x, y, qRgba(255, 0, 0, 128));
    const QString path = QString::fromStdString(dir.File("glass.png"));
    ASSERT_TRUE(map.save(path));
    Fixture f(40, 20);
    testsupport::MessageCatcher catcher; // the missing calibration
    ASSERT_TRUE(MapLoader(*f.view).Load(path));
    const QImage frame = f.Frame(); // painted over blue, as over a stale backing store
    EXPECT_EQ(frame.pixel(5, 5), kWhite) << "transparent";
    const QRgb half = frame.pixel(30, 5);
    EXPECT_EQ(qRed(half), 255) << "half red over white is pink";
    EXPECT_NEAR(qGreen(half), 127, 1);
    EXPECT_EQ(qGreen(half), qBlue(half));
}

// The map cache's entry files and their inodes: an entry made anew is another file.
std::map<std::string, ino_t> CacheEntries() {
    std::map<std::string, ino_t> entries;
    std::error_code ignored;
    for (const auto& file :
         std::filesystem::directory_iterator(map::PyramidCache::DefaultFolder(), ignored)) {
        struct stat st {};
        if (file.path().extension() == ".pyr" && ::stat(file.path().c_str(), &st) == 0)
            entries[file.path()] = st.st_ino;
    }
    return entries;
}

TEST(MapViewPyramid, AReopenedMapComesFromTheCacheUntilTheFileChanges) {
    testsupport::TempDir dir;
    const std::string file = dir.File("red.png");
    const QString path = QString::fromStdString(file);
    ASSERT_TRUE(RedMap(300, 200).save(path));
    Fixture f(40, 20);
    testsupport::MessageCatcher catcher; // the missing calibration
    const auto before = CacheEntries();
    ASSERT_TRUE(MapLoader(*f.view).Load(path));
    const auto kept = CacheEntries();
    EXPECT_EQ(kept.size(), before.size() + 1);
    f.view->SetMap(map::MapPyramid());
    EXPECT_TRUE(MapLoader(*f.view).Load(path));
    EXPECT_EQ(f.Frame().pixel(5, 5), kRed);
    EXPECT_EQ(CacheEntries(), kept) << "the entry taken as it was, not made anew";

    // Rewritten in place, its size and time kept: the old picture must not come back.
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    testsupport::WriteBytes(file, std::string(static_cast<std::size_t>(st.st_size), 'x'));
    const timespec times[2] = {st.st_mtim, st.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    QString error;
    EXPECT_FALSE(MapLoader(*f.view).Load(path, &error)) << "decoded again";
    EXPECT_FALSE(error.isEmpty());
}

TEST(MapViewPyramid, TheMapFromItsCacheEntryReplacesTheOneShownWithoutMovingTheView) {
    testsupport::TempDir dir;
    const QString path = QString::fromStdString(dir.File("ramp.png"));
    QImage image(600, 400, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    ASSERT_TRUE(image.save(path));
    Fixture f(100, 80);
    testsupport::MessageCatcher catcher; // the missing calibration
    const auto before = CacheEntries();
    MapLoader loader(*f.view);
    bool shown = false;
    QObject::connect(&loader, &MapLoader::MapLoadFinished, [&] { shown = true; });
    loader.Start(path);
    while (!shown)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    f.view->SetZoom(2.0);
    f.view->ScrollTo({37, 21});
    const QImage frame = f.Frame();
    ASSERT_TRUE(loader.Wait()); // the entry's commit, then the map shown from it
    EXPECT_EQ(CacheEntries().size(), before.size() + 1);
    EXPECT_EQ(f.view->Geometry().Zoom(), 2.0);
    EXPECT_EQ(f.view->Geometry().ScrollOffset(), (ViewPoint{37, 21}));
    EXPECT_TRUE(f.Frame() == frame);
}

TEST(MapViewPaint, TheGridOverlayDrawsTheNamedGridsLinesWhereTheyLie) {
    // The line spacing: the least round distance at least 60 pixels apart.
    for (const auto& [metresPerPixel, spacing] :
         {std::pair{1.0, 100.0}, {2.0, 200.0}, {50.0, 5000.0}, {1000.0, 100000.0}, {2000.0, 0.0}})
        EXPECT_EQ(GridSpacing(metresPerPixel, GridOverlay::kMinSpacing), spacing) << metresPerPixel;

    // A white sheet of UTM zone 32N, 50 m a pixel, with its named grid fitted at three corners:
    // the 5 km lines fall on every 100th pixel.
    testsupport::TempDir dir;
    QImage white(400, 400, QImage::Format_RGB32);
    white.fill(Qt::white);
    const QString path = QString::fromStdString(dir.File("sheet.png"));
    ASSERT_TRUE(white.save(path));
    std::string why;
    const auto utm = map::ProjTransform::Make("EPSG:32632", map::kWgs84, &why);
    ASSERT_TRUE(utm) << why;
    map::GridSettings grid;
    grid.model = {map::GridKind::Named, "EPSG:32632"};
    for (const MapPos pixel : {MapPos(0, 0), MapPos(400, 0), MapPos(0, 400)}) {
        MapPos geo(500000 + 50 * pixel.x, 4990000 - 50 * pixel.y);
        ASSERT_TRUE(utm->Forward(geo));
        grid.points.push_back({pixel, geo});
    }
    ASSERT_TRUE(map::SaveGridFile(dir.File("sheet.grid"), grid));
    Fixture f(400, 400);
    testsupport::MessageCatcher catcher; // no calibration file
    ASSERT_TRUE(MapLoader(*f.view).Load(path));
    EXPECT_EQ(pixels::Count(f.Frame(), kWhite, QRect(0, 0, 400, 400)), 400 * 400) << "off";
    f.view->SetOverlays({.grid = true});
    const QImage frame = f.Frame();
    const auto lined = [&frame](int x, int y) {
        return pixels::Count(frame, kWhite, QRect(x - 1, y - 1, 3, 3)) < 9;
    };
    for (const int at : {100, 200, 300})
        for (const int along : {20, 150, 380}) {
            EXPECT_TRUE(lined(at, along)) << "easting line at x " << at << ", y " << along;
            EXPECT_TRUE(lined(along, at)) << "northing line at y " << at << ", x " << along;
        }
    EXPECT_EQ(pixels::Count(frame, kWhite, QRect(110, 110, 80, 80)), 80 * 80) << "between lines";
    // Not in a printed grid's blue unless chosen.
    const QColor drawn = frame.pixelColor(100, 150);
    EXPECT_TRUE(drawn.red() > drawn.green() && drawn.blue() > drawn.green()) << "magenta";
    f.view->SetOverlays({.grid = true, .gridColour = 3});
    const QColor blue = f.Frame().pixelColor(100, 150);
    EXPECT_TRUE(blue.blue() > blue.red() && blue.blue() > blue.green()) << "blue";
}

TEST(MapViewPaint, InfoLinesLieOverTheEdges) {
    Fixture f(200, 100);
    const QRgb background = f.view->palette().color(QPalette::Window).rgb();
    f.Show([](session::ShowFlags& flags) { flags.statusInfo = flags.cursorInfo = true; });
    f.view->SetSelection(MapPos(-1000, -1000)); // "Sel: " and a position on the cursor line
    const QImage frame = f.Frame();
    const QRect top = StatusLineRect(200, 100);
    const QRect bottom = CursorLineRect(200, 100);
    EXPECT_EQ(top.top(), 0);
    EXPECT_EQ(bottom.bottom(), 99) << "height h - 1 from bottom - h + 1";
    EXPECT_GT(top.height(), 5);
    for (const QRect& line : {top, bottom}) {
        const int n = pixels::Count(frame, background, line);
        EXPECT_GT(n, line.width() * line.height() / 2) << "line background";
        EXPECT_LT(n, line.width() * line.height()) << "some text on it";
    }
    EXPECT_EQ(frame.pixel(100, 50), kWhite) << "between the lines: the (empty) map";
}

} // namespace

namespace {

TEST(MapViewPyramid, TilesMeetWithoutGapsAtEveryZoomTable) {
    // 700 x 530 spans three by three tiles; blue is the frame's colour before the paint, so
    // any pixel the map or the margins missed stays blue.
    const double zooms[] = {1.0 / 32, 0.25, 0.3, 0.5, 0.7, 1.0, 1.5, 3.0, 8.0};
    for (const double zoom : zooms) {
        Fixture f(300, 200);
        f.view->SetMap(PyramidFromImage(RedMap(700, 530)));
        f.view->SetZoom(zoom);
        const ViewPoint scroll{static_cast<int>(600 * zoom) - 150, static_cast<int>(256 * zoom)};
        f.view->ScrollTo(scroll);
        const QImage frame = f.Frame();
        const QRect red = QRect(-scroll.x, -scroll.y, static_cast<int>(700 * zoom),
                                static_cast<int>(530 * zoom)) &
                          frame.rect();
        const int redCount = pixels::Count(frame, kRed, frame.rect());
        EXPECT_EQ(redCount, red.width() * red.height()) << "zoom " << zoom;
        EXPECT_EQ(pixels::Count(frame, kRed, red), redCount) << "zoom " << zoom;
        EXPECT_EQ(pixels::Count(frame, kWhite, frame.rect()), 300 * 200 - redCount)
            << "zoom " << zoom;
    }
}

TEST(MapViewPyramid, EveryFrameIsTheWholeLevelScaledByNearestNeighbourTable) {
    // Each pixel of the 700 x 530 map (three by three tiles) tells where it came from. A frame
    // at any zoom and scroll must equal the whole level for the zoom (the image itself from
    // 100 %) scaled by nearest neighbour from pixel centres, white beyond the image: no gaps, no
    // row or column from the wrong place at tile edges.
    QImage image(700, 530, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x & 255, y & 255, (x >> 8) * 16 + (y >> 8) * 4 + 1));
    const map::MapPyramid pyramid = PyramidFromImage(image);
    const struct {
        double zoom;
        ViewPoint scroll;
    } rows[] = {
        {0.36, {37, 41}}, {0.58, {101, 93}},    {0.93, {187, 173}}, {1.0, {157, 201}},
        {0.25, {-13, 7}}, {1.0 / 32, {-5, -3}}, {1.44, {301, 297}}, {3.0, {700, 701}},
    };
    for (const auto& row : rows) {
        Fixture f(331, 223);
        f.view->SetMap(PyramidFromImage(image));
        f.view->SetZoom(row.zoom);
        f.view->ScrollTo(row.scroll);
        const QImage frame = f.Frame();
        const int level = pyramid.LevelForZoom(row.zoom);
        const double scale = row.zoom * std::ldexp(1.0, level);
        int wrong = 0;
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                const double cx = x + 0.5 + row.scroll.x;
                const double cy = y + 0.5 + row.scroll.y;
                const int lx = static_cast<int>(std::floor(cx / scale));
                const int ly = static_cast<int>(std::floor(cy / scale));
                // Margin from the zoomed image's last whole pixel on.
                const bool in = cx >= 0 && cx < std::trunc(700 * row.zoom) && cy >= 0 &&
                                cy < std::trunc(530 * row.zoom);
                const QRgb expected = !in          ? kWhite
                                      : level == 0 ? image.pixel(lx, ly)
                                                   : 0xFF000000u | pyramid.Pixel(level, lx, ly);
                wrong += frame.pixel(x, y) != expected;
            }
        }
        EXPECT_EQ(wrong, 0) << "zoom " << row.zoom;
    }
}

TEST(MapViewPyramid, ShrunkCheckerboardIsMidGreyAndFullSizeKeepsItsPixelsTable) {
    QImage board(600, 400, QImage::Format_RGB32);
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            board.setPixel(x, y, (x + y) % 2 ? kWhite : kBlack);
    const QRgb grey = qRgb(128, 128, 128);
    struct Row {
        double zoom;
        int greys; // of the 100 x 100 frame
    };
    const Row rows[] = {{0.5, 100 * 100}, {0.25, 100 * 100}, {0.125, 75 * 50}, {1.0, 0}};
    for (const Row& row : rows) {
        Fixture f(100, 100);
        f.view->SetMap(PyramidFromImage(board));
        f.view->SetZoom(row.zoom);
        f.view->ScrollTo({0, 0});
        const QImage frame = f.Frame();
        EXPECT_EQ(pixels::Count(frame, grey, frame.rect()), row.greys) << "zoom " << row.zoom;
        if (row.zoom == 1.0) {
            EXPECT_EQ(frame.pixel(10, 10), kBlack);
            EXPECT_EQ(frame.pixel(11, 10), kWhite);
        }
    }
}

TEST(MapViewPyramid, MapLiesUnderTheOverlaysAcrossTileEdgesTable) {
    // One red image column on white at 300 %, scrolled by 5: it covers view columns
    // 3 x column - 5 to 3 x column - 3 whichever tile it is in.
    for (const int column : {255, 256, 511}) {
        QImage map(600, 40, QImage::Format_RGB32);
        map.fill(Qt::white);
        for (int y = 0; y < 40; ++y)
            map.setPixel(column, y, kRed);
        Fixture f(1900, 60);
        f.view->SetMap(PyramidFromImage(map));
        f.view->SetZoom(3.0);
        f.view->ScrollTo({5, 0});
        const QImage frame = f.Frame();
        const int at = 3 * column - 5;
        EXPECT_EQ(frame.pixel(at - 1, 30), kWhite) << column;
        EXPECT_EQ(frame.pixel(at, 30), kRed) << column;
        EXPECT_EQ(frame.pixel(at + 2, 30), kRed) << column;
        EXPECT_EQ(frame.pixel(at + 3, 30), kWhite) << column;
    }
}

} // namespace

namespace {

TEST(MapViewPaint, WideTrailLinesEndAndJoinRoundTable) {
    // Size value 4: a pen 8 pixels wide. A line from (30, 20) to (80, 20), then down to
    // (80, 60): the start is round, reaching half a pen width beyond the sample; the later
    // samples also get a dot.
    struct Row {
        const char* legend;
        QPoint at;
        bool trail;
    };
    const Row rows[] = {
        {"on the line", {55, 22}, true},
        {"beyond the start, within the round end", {27, 20}, true},
        {"past the round end", {25, 20}, false},
        {"the square corner a flat or square end would fill", {27, 17}, false},
        {"the corner is filled", {83, 17}, true},
        {"below the last sample's round end", {80, 63}, true},
    };
    Fixture f(200, 80);
    f.SetTrail({GeoAt(30, 20), GeoAt(80, 20), GeoAt(80, 60)}, /*lines*/ 1, 4, 250);
    const QImage frame = f.Frame();
    for (const Row& row : rows)
        EXPECT_EQ(frame.pixel(row.at) != kWhite, row.trail) << row.legend;
}

} // namespace

namespace {

// A zigzag on to x 381, beyond the right edge of a 300-pixel view; sample 20 on middleRow.
void SetZigzag(Fixture& f, int middleRow, int style, int size, int length = 54, int first = 0,
               int end = 54) {
    std::vector<MapPos> samples;
    for (int i = first; i < end; ++i)
        samples.push_back(GeoAt(10 + 7 * i, i == 20 ? middleRow : 10 + (i % 3) * 6));
    f.SetTrail(samples, style, size, length);
}

// The trail is kept as drawn once a frame repeats; each change that moves a pixel of it must
// show.
TEST(MapViewPaint, KeptTrailFollowsEveryChangeTable) {
    struct Row {
        const char* legend;
        int style; // before the change: 1 lines, 0 dots
        void (*change)(Fixture&, int style);
        int pixelRatio = 1; // of the frame after the change
    };
    const Row rows[] = {
        {"a sample moved", 1, [](Fixture& f, int style) { SetZigzag(f, 60, style, 2); }},
        {"a dot moved", 0, [](Fixture& f, int style) { SetZigzag(f, 60, style, 2); }},
        {"thinner lines", 1, [](Fixture& f, int style) { SetZigzag(f, 40, style, 1); }},
        {"dots instead of lines", 1, [](Fixture& f, int) { SetZigzag(f, 40, 0, 2); }},
        {"a new sample", 1, [](Fixture& f, int style) { SetZigzag(f, 40, style, 2, 54, 0, 55); }},
        {"a new sample, the oldest dropped", 1,
         [](Fixture& f, int style) { SetZigzag(f, 40, style, 2, 54, 1, 55); }},
        {"a longer trail length: other shades", 1,
         [](Fixture& f, int style) { SetZigzag(f, 40, style, 2, 500); }},
        {"recalibrated", 1,
         [](Fixture& f, int) {
             f.Change([](Scene& s) {
                 calib::CGPSMapFuncs c;
                 for (const MapPos pixel : {MapPos(0, 0), MapPos(100, 0), MapPos(0, 100)})
                     c.AddCalibrationPoint(MapPos(pixel.x, -pixel.y), GeoAt(pixel.x, pixel.y + 5));
                 s.calibration = c;
             });
         }},
        {"another trail colour", 1,
         [](Fixture& f, int) { f.Change([](Scene& s) { s.settings.trailColour = kColourRed; }); }},
        {"a map 40 pixels high: rows count from its foot", 1,
         [](Fixture& f, int) {
             f.view->SetMap(PyramidFromImage(RedMap(400, 40)));
             f.view->ScrollTo({0, 0});
         }},
        {"scrolled by a pixel", 1,
         [](Fixture& f, int) {
             f.view->ScrollTo({1, 0});
         }},
        {"scrolled past the area drawn", 1,
         [](Fixture& f, int) {
             f.view->ScrollTo({1, 0});
             static_cast<void>(f.Frame());
             f.view->ScrollTo({270, 0});
         }},
        {"zoomed, the same offset", 1,
         [](Fixture& f, int) {
             f.view->SetZoom(1.5);
             f.view->ScrollTo({0, 0});
         }},
        {"grown", 1, [](Fixture& f, int) { f.view->resize(400, 80); }},
        {"hidden", 1,
         [](Fixture& f, int) { f.Show([](session::ShowFlags& flags) { flags.trail = false; }); }},
        {"a frame of twice the pixel density", 1, [](Fixture&, int) {}, 2},
    };
    for (const Row& row : rows) {
        Fixture kept(300, 80);
        SetZigzag(kept, 40, row.style, 2);
        kept.view->ScrollTo({0, 0});
        const QImage before = kept.Frame();
        // The second frame alike keeps the trail's picture and shows it.
        EXPECT_TRUE(kept.Frame() == before) << row.legend;
        row.change(kept, row.style);
        const QImage after = kept.Frame(row.pixelRatio);
        Fixture fresh(300, 80);
        SetZigzag(fresh, 40, row.style, 2);
        fresh.view->ScrollTo({0, 0});
        row.change(fresh, row.style);
        EXPECT_TRUE(after == fresh.Frame(row.pixelRatio)) << row.legend;
        EXPECT_FALSE(after == before) << row.legend << ": the change must show";
    }
}

// A frame scrolled by whole pixels is the last one shifted with the strips it uncovered drawn:
// every such frame must equal a fresh paint of the same view, whichever way it went, with the
// map's pixels, a trail, a track's name and points whose symbols and labels cross the edges.
TEST(MapViewPaint, AScrolledFrameIsAFreshPaintTable) {
    const auto make = [](Fixture& f, bool grid, double turn) {
        f.view->SetOverlays({.grid = grid});
        f.view->SetHandTurn(turn);
        QImage map(900, 300, QImage::Format_RGB32);
        for (int y = 0; y < map.height(); ++y)
            for (int x = 0; x < map.width(); ++x)
                map.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
        f.view->SetMap(PyramidFromImage(map));
        // Rows count from the map's foot.
        const auto at = [](int x, int y) { return GeoAt(x, y - 300); };
        std::vector<MapPos> trail;
        for (int i = 0; i < 80; ++i)
            trail.push_back(at(10 + 7 * i, 30 + (i % 3) * 6 + i));
        f.SetTrail(trail, 1, 2, 80);
        f.Change([&at](Scene& s) {
            // And one so far off that its view pixel lies near the end of the 32-bit range.
            s.points.push_back(CMapPoint("Far off the map, beyond any sheet", at(2'147'483'400, 20),
                                         1, 1, 5, 2, ""));
            for (int i = 0; i < 12; ++i)
                s.points.push_back(CMapPoint("Point " + std::to_string(i),
                                             at(197 + 31 * i, 20 + 9 * i), 1 + i % 3, 1, 5, 2, ""));
        });
        f.Show([](session::ShowFlags& flags) { flags.mapPoints = flags.labels = true; });
        trail::TrackSegment track;
        for (int i = 0; i < 40; ++i)
            track.push_back({at(150 + 11 * i, 50 + 5 * i), 1'765'188'000'000 + i * 1000LL, 100.0});
        f.view->Change([&track](session::MapSession& s) {
            s.Tracks().Add({.path = "t.gpx", .name = "Track", .track = {track}});
            return session::Changes(session::Changed::Trail);
        });
    };
    const struct {
        const char* legend;
        std::vector<ViewPoint> scrolls; // the kept view's, one frame each; the last is compared
        bool grid = false;
        double turn = 0.0; // by hand, degrees
    } rows[] = {
        {"a pixel right", {{100, 50}, {101, 50}}},
        {"a pixel left", {{100, 50}, {99, 50}}},
        {"a pixel down and up", {{100, 50}, {100, 51}, {100, 50}}},
        {"both ways at once", {{100, 50}, {103, 46}, {96, 53}}},
        {"points and labels across the right edge", {{0, 0}, {5, 0}, {11, 0}, {17, 0}, {23, 0}}},
        {"the track's first point in view changes", {{300, 100}, {306, 100}, {311, 100}}},
        {"most of the view", {{100, 50}, {270, 150}}},
        {"back and forth past the trail's area", {{0, 0}, {250, 0}, {262, 0}, {251, 0}}},
        {"with the grid's lines, past their area",
         {{100, 50}, {101, 49}, {350, 60}, {357, 66}},
         true},
        {"turned, a pixel right", {{100, 50}, {101, 50}}, false, 37.0},
        {"turned, across the edge and past the trail's area",
         {{0, 0}, {5, -3}, {11, 2}, {250, 0}, {262, 7}},
         false,
         -61.6},
        {"turned, with the grid", {{100, 50}, {103, 49}}, true, 120.0},
    };
    for (const auto& row : rows) {
        Fixture kept(300, 120);
        make(kept, row.grid, row.turn);
        QImage frame;
        for (const ViewPoint scroll : row.scrolls) {
            kept.view->ScrollTo(scroll);
            frame = kept.Frame();
        }
        Fixture fresh(300, 120);
        make(fresh, row.grid, row.turn);
        fresh.view->ScrollTo(row.scrolls.back());
        EXPECT_TRUE(frame == fresh.Frame()) << row.legend;
    }
}

// Trails of every width and tracks wandering across the edges, and a grid's slanting lines,
// scrolled back and forth past the areas their layers were drawn for: each frame equals a fresh
// paint. Qt's rasteriser cut lines where they left the area and rounded the cut, a track's
// translucent casing was stroked sixteen lines at a time, and a grid line was placed by points
// spread over the area, so a few pixels differed in about one frame of ten.
TEST(MapViewPaint, WanderingTrailsAndTracksScrolledAreAFreshPaint) {
    std::mt19937 random(12345);
    const auto any = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int round = 0; round < 60; ++round) {
        const int size = std::array{0, 1, 2, 4}[round % 4];
        const double turn = round % 3 == 2 ? any(0, 359) : 0.0;
        // The map's north turned from up by this much, under the grid.
        const double north = round % 3 == 1 ? any(1, 89) * std::numbers::pi / 180 : 0.0;
        std::vector<MapPos> walk;
        int x = any(100, 500);
        int y = any(100, 300);
        for (int i = 0; i < 120; ++i) {
            x += any(-40, 40);
            y += any(-40, 40);
            walk.push_back(GeoAt(x, y - 300));
        }
        std::vector<ViewPoint> scrolls{{any(0, 300), any(0, 200)}};
        for (int k = 0; k < 4; ++k)
            scrolls.push_back(
                {scrolls.back().x + any(-150, 150), scrolls.back().y + any(-150, 150)});
        const auto make = [&](Fixture& f) {
            f.view->SetHandTurn(turn);
            f.view->SetMap(PyramidFromImage(RedMap(900, 300)));
            f.SetTrail(walk, round % 8 == 7 ? 0 : 1, size, 120);
            if (north != 0.0) {
                f.Change([north](Scene& s) {
                    s.calibration = calib::CGPSMapFuncs();
                    for (const MapPos p : {MapPos(0, 0), MapPos(100, 0), MapPos(0, 100)})
                        s.calibration.AddCalibrationPoint(
                            MapPos(p.x, -p.y),
                            GeoAt(p.x * std::cos(north) - p.y * std::sin(north),
                                  p.x * std::sin(north) + p.y * std::cos(north)));
                });
                f.view->SetOverlays({.grid = true});
            }
            if (round % 2 == 0)
                return;
            trail::TrackSegment track;
            for (int i = 0; i < 60; ++i)
                track.push_back(
                    {walk[static_cast<std::size_t>(i) * 2], 1'765'188'000'000 + i * 1000LL, 100.0});
            f.view->Change([&track](session::MapSession& s) {
                s.Tracks().Add({.path = "t.gpx", .name = "", .track = {track}});
                return session::Changes(session::Changed::Trail);
            });
        };
        Fixture kept(300, 120);
        make(kept);
        QImage frame;
        for (const ViewPoint scroll : scrolls) {
            kept.view->ScrollTo(scroll);
            frame = kept.Frame();
        }
        Fixture fresh(300, 120);
        make(fresh);
        fresh.view->ScrollTo(scrolls.back());
        EXPECT_TRUE(frame == fresh.Frame()) << "round " << round;
    }
}

// An open track's wide lines lie on its points at every scroll: those within the area its layer
// was drawn for and those past it.
TEST(MapViewPaint, TrackLinesLieOnTheirPointsAtEveryScrollTable) {
    Fixture f(600, 200);
    f.view->SetMap(PyramidFromImage(RedMap(1200, 400)));
    const int column = 500;
    trail::TrackSegment line;
    // Rows count from the map's foot: these run from its top to its foot.
    for (int row = -400; row <= 0; row += 10)
        line.push_back({GeoAt(column, row), 1'765'188'000'000 + row * 1000LL, 100.0});
    f.view->Change([&line](session::MapSession& s) {
        s.Tracks().Add({.path = "line.gpx", .name = "", .track = {line}});
        return session::Changes(session::Changed::Trail);
    });
    const MapPos image = f.view->Session().Georeference().ToPixel(GeoAt(column, -250));
    const QRgb colour = 0xFF000000u | f.view->Session().Tracks().All()[0].colour;
    for (const ViewPoint scroll : {ViewPoint{0, 0}, ViewPoint{1, 0}, ViewPoint{37, 5},
                                   ViewPoint{255, 9}, ViewPoint{257, 3}, ViewPoint{300, 100}}) {
        f.view->ScrollTo(scroll);
        const QImage frame = f.Frame();
        const int x = static_cast<int>(std::lround(image.x)) - scroll.x;
        const int y = static_cast<int>(std::lround(image.y)) - scroll.y;
        ASSERT_TRUE(frame.valid(x, y)) << scroll.x << "," << scroll.y;
        // 3 pixels of the track's colour across, the light casing beside them, the map beyond.
        for (int dx = -4; dx <= 4; ++dx) {
            const QRgb pixel = frame.pixel(x + dx, y);
            const char* what = std::abs(dx) <= 1   ? "the track's colour"
                               : std::abs(dx) == 2 ? "casing"
                                                   : "red";
            const bool ok = std::abs(dx) <= 1   ? pixel == colour
                            : std::abs(dx) == 2 ? qRed(pixel) > 200 && qGreen(pixel) > 150
                                                : pixel == kRed;
            EXPECT_TRUE(ok) << "scroll " << scroll.x << "," << scroll.y << " dx " << dx << ": not "
                            << what;
        }
    }
}

TEST(MapViewPaint, ThinTrailStaysOneDevicePixelWideOnADenseFrame) {
    Fixture f(100, 20);
    f.SetTrail({GeoAt(10, 10), GeoAt(90, 10)}, /*lines*/ 1, /*thinnest*/ 0, 250);
    const QImage drawn = f.Frame(2);
    const QImage kept = f.Frame(2);
    EXPECT_TRUE(kept == drawn);
    EXPECT_EQ(pixels::Count(kept, kWhite, QRect(100, 0, 1, 40)), 39);
}

// The live display over the map, through the session as a GPS update leaves it: the marker at
// view pixel (60, 60), about 685 m a pixel across there.
struct Live {
    double speed = 0.0;
    double course = 90.0;
    std::optional<double> accuracy;
    std::optional<MapPos> goTo;
    session::LiveSettings settings;
    bool turned = false; // a scan turned a quarter: east is down the view
    MapPos at = GeoAt(60, 60);
};

QImage LiveFrame(const Live& live) {
    Fixture f(300, 200);
    // A point far off the view, so no hint covers the middle.
    f.Change([&live](Scene& s) {
        s.points = {CMapPoint("Far", GeoAt(-900, -900), 1, 1, 1, 1, "")};
        if (!live.turned)
            return;
        // Pixel (column, row) lies at GeoAt(row, 120 - column): the marker stays at (60, 60).
        s.calibration = {};
        for (const MapPos pixel : {MapPos(0, 0), MapPos(100, 0), MapPos(0, 100)})
            s.calibration.AddCalibrationPoint(MapPos(pixel.x, -pixel.y),
                                              GeoAt(pixel.y, 120 - pixel.x));
    });
    f.view->Change([&live](session::MapSession& session) {
        EXPECT_TRUE(session.Connect(gps::GpsOpening{true, "", ""}).notices.empty());
        session.Live().SetSettings(live.settings);
        if (live.goTo)
            session.Live().StartGoTo("Hut", *live.goTo, std::nullopt);
        gps::GpsUpdate update;
        update.handled = true;
        update.what = gps::GpsUpdate::kPosition;
        update.fix.position = live.at;
        update.fix.hasFix = true;
        update.details.speedMps = live.speed;
        update.details.courseTrue = live.course;
        update.details.accuracyM = live.accuracy;
        return session.OnGpsUpdate(update, false).changes;
    });
    return f.Frame();
}

TEST(MapViewPaint, LiveOverlaysTable) {
    enum Expect { kBlank, kDrawn, kWarm, kDark };
    struct Row {
        const char* legend;
        Live live;
        std::vector<std::pair<QPoint, Expect>> probes;
    };
    session::LiveSettings off;
    off.scaleBar = false;
    session::LiveSettings noArrow = off;
    noArrow.headingArrow = false;
    session::LiveSettings night = off;
    night.nightMode = true;
    const Row rows[] = {
        {"moving east: an arrow along the course",
         {5.0, 90.0, {}, {}, off},
         {{{66, 60}, kDrawn}, {{52, 60}, kBlank}, {{60, 54}, kBlank}}},
        {"moving north", {5.0, 0.0, {}, {}, off}, {{{60, 54}, kDrawn}, {{66, 60}, kBlank}}},
        {"moving east on a turned scan: the arrow turns with the map",
         {5.0, 90.0, {}, {}, off, true},
         {{{60, 66}, kDrawn}, {{66, 60}, kBlank}, {{60, 52}, kBlank}}},
        {"below 1 m/s: the plain marker, the same all round",
         {0.9, 90.0, {}, {}, off},
         {{{66, 60}, kBlank}, {{54, 60}, kBlank}, {{60, 54}, kBlank}, {{60, 60}, kDrawn}}},
        {"the arrow switched off", {5.0, 90.0, {}, {}, noArrow}, {{{66, 60}, kBlank}}},
        {"a 10 km circle is 14.6 pixels round",
         {0.0, 0.0, 10000.0, {}, off},
         {{{70, 60}, kDrawn}, {{74, 60}, kDrawn}, {{77, 60}, kBlank}, {{60, 77}, kBlank}}},
        {"the bearing line and the point's ring",
         {0.0, 0.0, {}, GeoAt(200, 60), off},
         {{{125, 60}, kDrawn}, {{207, 60}, kDrawn}, {{125, 70}, kBlank}}},
        {"arrived: the note right under the status line",
         {0.0, 0.0, {}, GeoAt(60, 60), off},
         {{{297, 4}, kBlank}, {{296, StatusLineRect(300, 200).bottom() + 4}, kDrawn}}},
        {"night mode dims and warms the map", {0.0, 0.0, {}, {}, night}, {{{250, 150}, kWarm}}},
        {"night mode: the ground beyond the map is no brighter than a dimmed map",
         {0.0, 0.0, {}, {}, night},
         {{{250, 150}, kDark}}},
        {"the position beyond the view: an arrow on the edge pointing to it, no marker",
         {0.0, 0.0, {}, {}, off, false, GeoAt(900, 100)},
         {{{288, 100}, kDrawn}, {{299, 100}, kBlank}, {{150, 100}, kBlank}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        const QImage frame = LiveFrame(row.live);
        for (const auto& [at, expect] : row.probes) {
            const QColor c = frame.pixelColor(at);
            SCOPED_TRACE(testing::Message()
                         << at.x() << "," << at.y() << " " << c.name().toStdString());
            if (expect == kWarm)
                EXPECT_TRUE(c.red() < 255 && c.red() > c.green() && c.green() > c.blue());
            else if (expect == kDark)
                EXPECT_LT(std::max({c.red(), c.green(), c.blue()}), 100);
            else if (expect == kBlank)
                EXPECT_GE(std::min({c.red(), c.green(), c.blue()}), 245); // a smoothed edge's tinge
            else
                EXPECT_LT(std::min({c.red(), c.green(), c.blue()}), 240); // the circle's light fill
        }
    }
}

TEST(MapViewPaint, ScaleBarIsARoundLengthAtTheCentre) {
    struct Row {
        session::UnitSystem units;
        int pixels; // 100 km, 50 mi at 699.8 m a pixel (51 N, the view's centre)
    };
    for (const Row& row :
         {Row{session::UnitSystem::Metric, 143}, Row{session::UnitSystem::Imperial, 115}}) {
        Live live;
        live.settings.units = row.units;
        const QImage frame = LiveFrame(live);
        const int barBottom = CursorLineRect(300, 200).top() - 9;
        EXPECT_NEAR(pixels::Count(frame, kBlack, QRect(0, barBottom, 300, 1)), row.pixels, 1);
    }
}

} // namespace

// A better picture of the map being loaded (a JPEG 2000's, after its first view) takes the
// first one's place and keeps its drag and the rows shown; one of another size starts afresh.
TEST(LoadingMode, ABetterPictureKeepsTheDragAndTheRows) {
    const auto picture = [](int side, map::MapPixel pixel) {
        map::MapPyramid p = map::MapPyramid::Allocate(side, side);
        const std::vector<map::MapPixel> row(static_cast<std::size_t>(side), pixel);
        for (int y = 0; y < side; ++y)
            p.StoreRow(y, row.data());
        return p;
    };
    LoadingMode loading;
    loading.Start();
    ViewGeometry mapGeometry;
    loading.ShowPicture(picture(100, 0xFFFFFFFFu), 200, 100);
    loading.PointerGeometry(mapGeometry).SetScrollOffset(ViewPoint{30, 20});
    EXPECT_TRUE(loading.ShowRows(picture(800, 0xFF0000FFu), 800, 800));
    loading.ShowPicture(picture(100, 0xFF00FF00u), 200, 100);
    EXPECT_EQ(loading.PointerGeometry(mapGeometry).ScrollOffset(), (ViewPoint{30, 20}));
    EXPECT_FALSE(loading.ShowRows(picture(800, 0xFF0000FFu), 800, 800)) << "told twice";
    loading.ShowPicture(picture(50, 0xFF00FF00u), 200, 100);
    EXPECT_EQ(loading.PointerGeometry(mapGeometry).ScrollOffset(), (ViewPoint{0, 0}));
}

} // namespace view
