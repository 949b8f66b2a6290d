#include "AppTestSupport.h"

#include "app/GpsDetailsPanel.h"
#include "app/LiveCommands.h"
#include "app/ProfileDock.h"
#include "app/TrackCommands.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "coords/CoordFormat.h"
#include "demo/DemoMap.h"
#include "gps/DemoTown.h"
#include "gps/GpsLink.h"
#include "gps/PtyPair.h"
#include "platform/FileIo.h"
#include "view/GpsConnection.h"
#include "view/MapFolderCommands.h"
#include "view/TurnedView.h"

#include <QFileInfo>

#include <cmath>
#include <ctime>

namespace {

// The link of a frame's view.
view::GpsConnection& Gps(view::MapView& v) {
    return *v.findChild<view::GpsConnection*>();
}

// Fast polling and a short update rate, so an end-to-end run takes a fraction of a second;
// the program keeps 750 ms and the stored rate.
void MakeQuick(view::MapView& v, const std::string& device) {
    gps::GpsLinkOptions options;
    options.pollInterval = std::chrono::milliseconds(10);
    options.retryInterval = std::chrono::milliseconds(10);
    Gps(v).SetLinkOptions(options);
    const session::MapSession& now = v.Session();
    ViewSettings settings = now.Settings();
    settings.updateRateMs = 100;
    session::MapSession quick(now.Document(), now.Recording(), settings, now.Flags());
    quick.SetCoordFormat(now.CoordFormat());
    quick.SetGpsDevice(device);
    const std::optional<MapPos> selection = now.Selection();
    v.SetSession(std::move(quick));
    if (selection)
        v.SetSelection(*selection);
}

std::string Sentences(demo::Pixel where) {
    demo::RouteSample s;
    s.position = demo::PixelToGeo(where);
    s.speedKnots = 10.0;
    s.courseDegrees = 90.0;
    std::tm utc{};
    utc.tm_hour = 12;
    utc.tm_mday = 8;
    utc.tm_mon = 11;
    utc.tm_year = 126;
    return demo::MakeSentences(s, utc);
}

} // namespace

class LiveGps : public FrameFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.Ok());
        QString error;
        ASSERT_TRUE(demo::WriteDemoMap(dir.path(), &error)) << error.toStdString();
    }
    PtyPair pty;
};

TEST_F(LiveGps, NmeaThroughAPseudoTerminalMovesTheMarkerTrailStatusAndFollow) {
    view::MapView& v = StartFrame(QSize(500, 400)).View();
    ASSERT_TRUE(view::MapLoader(v).Load(demo::DemoMapImagePath(dir.path())));
    MakeQuick(v, pty.Path());
    Gps(v).Connect();
    ASSERT_TRUE(v.Session().GpsConnected());
    EXPECT_EQ(v.Session().StatusText(), "GPS: Connected.");
    const std::size_t afterConnect =
        v.Session().Recording().Trail().Count(); // start-up break + connect break

    const demo::Pixel points[] = {{560, 700}, {600, 700}, {640, 700}};
    for (const demo::Pixel& p : points) {
        const MapPos geo = demo::PixelToGeo(p);
        const std::string expected =
            "GPS: " + coords::FormatPosition(geo, coords::CoordFormat::Dms);
        // Resend until handled: the first update after start only starts the rate clock.
        ASSERT_TRUE(PumpUntil([&] {
            pty.Write(Sentences(p));
            return v.Session().StatusText().rfind(expected, 0) == 0;
        })) << v.Session().StatusText();
        EXPECT_TRUE(v.Session().GpsFix().hasFix);
        // Follow GPS: the view is centred on the marker.
        const MapPos image = v.Session().Georeference().ToPixel(v.Session().GpsFix().position);
        const std::optional<view::ViewPoint> s = v.Geometry().ImageToScreen(image, {0, 0});
        ASSERT_TRUE(s.has_value());
        EXPECT_EQ(v.Geometry().ScrollOffset(),
                  (view::ViewPoint{s->x - v.Geometry().ClientWidth() / 2,
                                   s->y - v.Geometry().ClientHeight() / 2}));
    }
    EXPECT_TRUE(v.Session().StatusText().ends_with(" A:118m S:8 P:83%"))
        << v.Session().StatusText();
    // Three positions 80 m apart, each recorded once.
    EXPECT_EQ(v.Session().Recording().Trail().Count(), afterConnect + 3);
    EXPECT_EQ(*v.Session().Recording().Trail().NewestToOldest().begin(),
              v.Session().GpsFix().position);

    // Disconnect with a fix keeps the last position text; the marker is drawn black.
    const std::string last = v.Session().StatusText();
    Gps(v).Disconnect();
    EXPECT_FALSE(v.Session().GpsConnected());
    EXPECT_FALSE(v.Session().GpsFix().hasFix);
    EXPECT_EQ(v.Session().StatusText(), last);
}

// The recording's profile takes each fix as it is recorded, from the receiver's update.
TEST_F(LiveGps, TheProfileGrowsWithEachFixRecorded) {
    CGPSMapFrame& f = StartFrame(QSize(700, 600));
    view::MapView& v = f.View();
    ASSERT_TRUE(view::MapLoader(v).Load(demo::DemoMapImagePath(dir.path())));
    MakeQuick(v, pty.Path());
    f.OnCommand(app::kCmdProfile);
    const trail::ProfileSeries& series = f.Tracks().Profile().Series();
    Gps(v).Connect();
    ASSERT_TRUE(v.Session().GpsConnected());
    for (const double x : {560.0, 600.0, 640.0}) {
        const std::size_t before = series.Samples().size();
        ASSERT_TRUE(PumpUntil([&] {
            pty.Write(Sentences({x, 700}));
            return series.Samples().size() > before;
        }));
        EXPECT_EQ(series.Samples().back().position, v.Session().GpsFix().position);
    }
    EXPECT_EQ(series.Samples().size(), 3u);
    EXPECT_NEAR(series.Samples().back().x, 160, 1) << "80 m steps";
}

TEST_F(LiveGps, APositionOffTheMapIsSaidAndTheMapStaysInView) {
    view::MapView& v = StartFrame(QSize(500, 400)).View();
    ASSERT_TRUE(view::MapLoader(v).Load(demo::DemoMapImagePath(dir.path())));
    MakeQuick(v, pty.Path());
    Gps(v).Connect();
    // 400 pixels east of the map's right edge, level with its middle.
    ASSERT_TRUE(PumpUntil([&] {
        pty.Write(Sentences({demo::kMapWidth + 400, demo::kMapHeight / 2}));
        return v.Session().StatusText().ends_with(" E of this map)");
    })) << v.Session().StatusText();
    // Centred on the nearest point of the map: its edge runs down the middle of the view.
    EXPECT_EQ(v.Geometry().ScrollOffset(),
              (view::ViewPoint{demo::kMapWidth - v.Geometry().ClientWidth() / 2,
                               demo::kMapHeight / 2 - v.Geometry().ClientHeight() / 2}));
    Gps(v).Disconnect();
}

TEST_F(LiveGps, CursorLineShowsRangeAndBearingOnlyWhileConnected) {
    view::MapView& v = StartFrame().View();
    ASSERT_TRUE(view::MapLoader(v).Load(demo::DemoMapImagePath(dir.path())));
    v.SetSelection(MapPos(1000, 200));
    const MapPos geo = v.Session().Georeference().ToGeo(MapPos(1000, 200));
    const std::string sel = "Sel: " + coords::FormatPosition(geo, coords::CoordFormat::Dms);
    EXPECT_EQ(v.Session().CursorText(), sel);

    MakeQuick(v, pty.Path());
    Gps(v).Connect();
    ASSERT_TRUE(PumpUntil([&] {
        pty.Write(Sentences({560, 700}));
        return v.Session().GpsFix().hasFix;
    }));
    // OnGpsUpdate refreshed the line: 440 px east and 500 px north at 2 m a pixel.
    const calib::RangeBearing r =
        v.Session().Document().Calibration().RangeAndBearing(v.Session().GpsFix().position, geo);
    EXPECT_NEAR(r.distance, 2.0 * std::hypot(440.0, 500.0), 5.0);
    const std::string rb = " RB:" + coords::FormatFixed(r.distance, 0) + "m " +
                           coords::FormatFixed(r.magneticBearing, 0) + "\u00b0";
    EXPECT_EQ(v.Session().CursorText(), sel + rb);

    // A change of format shows at the next tap, not before.
    v.Change([](session::MapSession& session) {
        session.SetCoordFormat(coords::CoordFormat::Deg);
        return session::Changes();
    });
    EXPECT_EQ(v.Session().CursorText(), sel + rb);
    v.SetSelection(MapPos(1000, 200)); // the next tap, on the same pixel
    EXPECT_EQ(v.Session().CursorText(),
              "Sel: " + coords::FormatPosition(geo, coords::CoordFormat::Deg) + rb);
    Gps(v).Disconnect();
}

TEST_F(LiveGps, ConnectFailureWarnsAndStaysDisconnectedWithoutABreak) {
    view::MapView& v = StartFrame().View();
    MakeQuick(v, dir.filePath("no-such-device").toStdString());
    const std::size_t before = v.Session().Recording().Trail().Count();
    Gps(v).Connect();
    EXPECT_FALSE(v.Session().GpsConnected());
    EXPECT_EQ(v.Session().Recording().Trail().Count(), before);
    ASSERT_EQ(catcher.messages.size(), 1u);
    EXPECT_EQ(catcher.messages[0].text, "Unable to open COM port\n" +
                                            dir.filePath("no-such-device") +
                                            ": No such file or directory");
    EXPECT_EQ(catcher.messages[0].caption, "Error");
    EXPECT_EQ(v.Session().StatusText(), "GPS:");
}

TEST_F(LiveGps, DisconnectWithoutAFixSaysSoAndLateUpdatesAreDropped) {
    view::MapView& v = StartFrame().View();
    MakeQuick(v, pty.Path());
    Gps(v).Connect();
    ASSERT_TRUE(v.Session().GpsConnected());
    Gps(v).Disconnect();
    EXPECT_EQ(v.Session().StatusText(), "GPS: Disconnected.");
    QEvent late(view::GpsConnection::kUpdateEvent);
    QCoreApplication::sendEvent(&Gps(v), &late);
    EXPECT_EQ(v.Session().StatusText(), "GPS: Disconnected.");
}

TEST_F(LiveGps, TrailSaveAndLoadReportFailuresWithThePath) {
    view::MapView& v = StartFrame().View();
    const QString missing = dir.filePath("none.trl");
    EXPECT_FALSE(frame->Commands().LoadTrail(missing));
    const QString unwritable = dir.filePath("no-folder/t.trl");
    EXPECT_FALSE(frame->Commands().SaveTrail(unwritable));
    ASSERT_EQ(catcher.messages.size(), 2u);
    EXPECT_EQ(catcher.messages[0].text, "Unable to open file: " + missing);
    EXPECT_EQ(catcher.messages[0].caption, "Load Error");
    EXPECT_EQ(catcher.messages[1].text, "Unable to write file: " + unwritable);
    EXPECT_EQ(catcher.messages[1].caption, "Save Error");

    // A damaged file leaves the trail as it was.
    const QString damaged = dir.filePath("bad.trl");
    ASSERT_TRUE(platform::WriteFileAtomically(damaged.toStdString(), std::string("\x05\x00", 2)));
    const std::size_t before = v.Session().Recording().Trail().Count();
    EXPECT_FALSE(frame->Commands().LoadTrail(damaged));
    EXPECT_EQ(v.Session().Recording().Trail().Count(), before);

    const session::MapSession& now = v.Session();
    trail::TrailBuffer trail = now.Recording().Trail();
    trail.Record(MapPos(-1.9, 52.2), 5.0, 250);
    v.SetSession(session::MapSession(now.Document(),
                                     trail::Recording(trail, now.Recording().Rules()),
                                     now.Settings(), now.Flags()));
    const QString good = dir.filePath("good.trl");
    EXPECT_TRUE(frame->Commands().SaveTrail(good));
    frame->Commands().OnClearTrail();
    EXPECT_EQ(v.Session().Recording().Trail().Count(), 0u);
    EXPECT_TRUE(frame->Commands().LoadTrail(good));
    // The saved sample and start-up break, fenced by two breaks.
    EXPECT_EQ(v.Session().Recording().Trail().Count(), 4u);
}

TEST_F(LiveGps, DetailsPanelShowsTheReceiverAndTheChoicesAreRemembered) {
    CGPSMapFrame& frame = StartFrame(QSize(700, 500));
    view::MapView& v = frame.View();
    ASSERT_TRUE(view::MapLoader(v).Load(demo::DemoMapImagePath(dir.path())));
    MakeQuick(v, pty.Path());
    LiveCommands& live = frame.Live();
    for (const int id : {app::kCmdDetailsPanel, app::kCmdUnitsNautical, app::kCmdNightMode})
        frame.Action(id)->trigger();
    EXPECT_FALSE(live.Panel().isHidden());
    EXPECT_LT(frame.palette().color(QPalette::Window).lightness(), 60);
    live.StartGoTo("east", demo::PixelToGeo({900, 700}));
    Gps(v).Connect();
    // The demo's sky: its GSA uses the eight GPS satellites and none of the GLONASS ones.
    ASSERT_TRUE(PumpUntil([&] {
        pty.Write(Sentences({560, 700}));
        return live.Panel().Value("Satellites") == "GPS 8/8, GLONASS 0/4";
    })) << live.Panel().Value("Satellites").toStdString();
    EXPECT_EQ(live.Panel().Value("Speed"), "10.0 kn");
    EXPECT_TRUE(live.Panel().Value("Course").startsWith("90\u00b0 true"));
    // 340 pixels due east of the marker, at 10 knots.
    EXPECT_TRUE(live.Panel().Value("Go to/Bearing").startsWith("90\u00b0 true"))
        << live.Panel().Value("Go to/Bearing").toStdString();
    EXPECT_NE(live.Panel().Value("Go to/ETA"), "-");

    const trail::TrailStatistics trip = v.Session().Live().Trip();
    ASSERT_GT(trip.fixes, 0u);
    StopFrame();
    CGPSMapFrame& next = StartFrame();
    LiveCommands& again = next.Live();
    // The trip meter goes on where the last run left it.
    EXPECT_EQ(next.View().Session().Live().Trip().fixes, trip.fixes);
    EXPECT_EQ(next.View().Session().Live().Trip().startUtcMs, trip.startUtcMs);
    EXPECT_FALSE(again.Panel().isHidden());
    EXPECT_TRUE(next.Action(app::kCmdUnitsNautical)->isChecked());
    EXPECT_TRUE(next.Action(app::kCmdNightMode)->isChecked());
    EXPECT_TRUE(next.Action(app::kCmdScaleBar)->isChecked()) << "on unless switched off";
}

// In a window 800 pixels high, with every box of the panel showing, the whole panel fits.
TEST_F(LiveGps, TheDetailsPanelFitsAWindow800PixelsHigh) {
    CGPSMapFrame& frame = StartFrame(QSize(1200, 800));
    LiveCommands& live = frame.Live();
    frame.Action(app::kCmdDetailsPanel)->trigger();
    QApplication::processEvents();
    // The go-to box comes after the panel has been laid out.
    live.StartGoTo("Hut", demo::PixelToGeo({900, 700}));
    QApplication::processEvents();
    auto* area = live.Panel().findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->verticalScrollBar()->maximum(), 0) << area->widget()->height();
}

TEST_F(LiveGps, FollowingAcrossTheDemoSheetsSwitchesToTheNextOneAndNamesIt) {
    const QString sheets = dir.filePath("sheets");
    QString error;
    ASSERT_TRUE(demo::WriteDemoSheets(sheets, &error)) << error.toStdString();
    CGPSMapFrame& f = StartFrame(QSize(500, 400));
    ASSERT_TRUE(f.MapFolder().OpenFolder(sheets));
    ASSERT_TRUE(f.LoadMapFile(sheets + "/brindlemoor-A1.png"));
    view::MapView& v = f.View();
    // What the status line says as each load ends, before a GPS update writes over it.
    std::vector<std::pair<QString, std::string>> ended;
    QObject::connect(
        &f.Loader(), &view::MapLoader::MapLoadFinished, &v, [&](const QString& path, bool loaded) {
            if (!loaded)
                return;
            ended.emplace_back(QFileInfo(path).fileName(), v.Session().StatusText());
            // The new sheet opens with the position in the middle, not at its corner.
            const MapPos gps = v.Session().Georeference().ToPixel(v.Session().GpsFix().position);
            const MapPos middle = v.Geometry().ScreenToImage(
                {v.Geometry().ClientWidth() / 2, v.Geometry().ClientHeight() / 2});
            EXPECT_LT(std::hypot(gps.x - middle.x, gps.y - middle.y), 1.0);
        });
    MakeQuick(v, pty.Path());
    Gps(v).Connect();
    // Walking east off the first sheet onto the second, then back with switching off.
    ASSERT_TRUE(PumpUntil([&] {
        pty.Write(Sentences({1000, 300}));
        return !ended.empty() && !v.Loading().Active();
    }));
    EXPECT_EQ(ended, (decltype(ended){{"brindlemoor-B1.png", "Switched to brindlemoor-B1.png."}}));
    EXPECT_TRUE(v.MapPath().endsWith("brindlemoor-B1.png"));

    f.OnCommand(app::kCmdSwitchMaps);
    const std::string atA1 =
        "GPS: " + coords::FormatPosition(demo::PixelToGeo({300, 300}), coords::CoordFormat::Dms);
    ASSERT_TRUE(PumpUntil([&] {
        pty.Write(Sentences({300, 300}));
        return v.Session().StatusText().starts_with(atA1);
    }));
    EXPECT_FALSE(v.Loading().Active());
    EXPECT_TRUE(v.MapPath().endsWith("brindlemoor-B1.png"));
    EXPECT_EQ(store->ReadInt("Session", "SwitchMaps", 1), 0);
    Gps(v).Disconnect();
}

// Course-up: east points up while going east, the marker sits low, a tap selects the map point
// drawn under it, and a tap on the north arrow turns north up again; the choice is stored.
TEST_F(LiveGps, CourseUpTurnsTheMapUnderTapsAndTheNorthArrowTurnsItBack) {
    CGPSMapFrame& frame = StartFrame(QSize(500, 400));
    view::MapView& v = frame.View();
    ASSERT_TRUE(view::MapLoader(v).Load(demo::DemoMapImagePath(dir.path())));
    MakeQuick(v, pty.Path());
    frame.Action(app::kCmdCourseUp)->trigger();
    EXPECT_TRUE(frame.Action(app::kCmdCourseUp)->isChecked());
    EXPECT_EQ(store->ReadInt(kSettingsSection, "CourseUp", 0), 1);
    Gps(v).Connect();
    ASSERT_TRUE(PumpUntil([&] {
        pty.Write(Sentences({600, 700}));
        return std::abs(v.Geometry().Rotation() + 90.0) < 2.0;
    })) << v.Geometry().Rotation();
    const view::ViewGeometry& g = v.Geometry();
    const MapPos marker = v.Session().Georeference().ToPixel(v.Session().GpsFix().position);
    const std::optional<view::ViewPoint> at = g.ImageToScreen(marker, g.ScrollOffset());
    ASSERT_TRUE(at);
    EXPECT_NEAR(at->x, 250, 1);
    EXPECT_NEAR(at->y, v.height() * 3 / 4, 1);
    // 40 map pixels east of the marker lie 40 view pixels above it.
    QTest::mouseClick(&v, Qt::LeftButton, {}, QPoint(at->x, at->y - 40));
    ASSERT_TRUE(v.Session().Selection());
    EXPECT_NEAR(v.Session().Selection()->x, marker.x + 40, 1.0);
    EXPECT_NEAR(v.Session().Selection()->y, marker.y, 1.0);

    const QRect arrow = view::NorthArrowRect(v.width(), v.height());
    const std::optional<MapPos> selected = v.Session().Selection();
    QTest::mouseClick(&v, Qt::LeftButton, {}, arrow.center());
    EXPECT_FALSE(v.Geometry().Turned());
    EXPECT_FALSE(frame.Action(app::kCmdCourseUp)->isChecked());
    EXPECT_EQ(v.Session().Selection(), selected) << "the arrow's tap selects nothing";
    EXPECT_EQ(store->ReadInt(kSettingsSection, "CourseUp", 1), 0);
}

// The anchor alarm: dragged 80 m from a 25 m circle, it sounds with a notice across the view;
// a tap silences it without selecting, and the menu clears the circle.
TEST_F(LiveGps, AnchorAlarmSoundsWithANoticeAndATapSilencesIt) {
    CGPSMapFrame& frame = StartFrame(QSize(500, 400));
    view::MapView& v = frame.View();
    ASSERT_TRUE(view::MapLoader(v).Load(demo::DemoMapImagePath(dir.path())));
    MakeQuick(v, pty.Path());
    Gps(v).Connect();
    ASSERT_TRUE(PumpUntil([&] {
        pty.Write(Sentences({560, 700}));
        return v.Session().GpsFix().hasFix;
    }));
    frame.Action(app::kCmdAlarmRadius25)->trigger();
    frame.Action(app::kCmdAnchorAlarm)->trigger();
    const session::LiveState& live = v.Session().Live();
    ASSERT_TRUE(live.Alarm().Circle());
    EXPECT_EQ(live.Alarm().Circle()->radiusM, 25.0);
    EXPECT_TRUE(frame.Action(app::kCmdAnchorAlarm)->isChecked());
    ASSERT_TRUE(PumpUntil([&] {
        pty.Write(Sentences({600, 700}));
        return live.Alarm().Sounding();
    }));
    EXPECT_EQ(live.AlarmText(), "Anchor alarm: 80 m from the anchor. Tap to silence.");
    EXPECT_EQ(v.grab().toImage().pixelColor(3, v.height() / 2), QColor(200, 0, 0));

    const std::optional<MapPos> selected = v.Session().Selection();
    QTest::mouseClick(&v, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_FALSE(live.Alarm().Sounding());
    EXPECT_EQ(v.Session().Selection(), selected);
    frame.Action(app::kCmdClearAlarm)->trigger();
    EXPECT_FALSE(live.Alarm().Circle());
    EXPECT_FALSE(frame.Action(app::kCmdAnchorAlarm)->isChecked());
}
