#include "app/AppTestSupport.h"

#include "app/Commands.h"
#include "app/GpsApp.h"
#include "demo/DemoMap.h"
#include "demo/DemoSession.h"
#include "gps/DemoTown.h"
#include "view/GpsConnection.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

// The demo end to end: its map copied into a folder of its own, its own settings file, and the
// simulated receiver read through the GPS link and the posted update.
TEST(DemoSession, DrivesTheMarkerAlongTheRouteWithFollowAndATrail) {
    QTemporaryDir cache;
    const QByteArray testCache = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    MessageCatcher catcher;

    DemoSession session;
    QString error;
    ASSERT_TRUE(session.Start(&error)) << error.toStdString();
    qputenv("XDG_CACHE_HOME", testCache);
    // A copy: saving the calibration or points never writes the shipped map.
    EXPECT_FALSE(session.MapPath().startsWith(cache.path()));
    EXPECT_FALSE(session.MapPath().startsWith(DemoSession::BuiltMapDir()));
    EXPECT_TRUE(QFileInfo(session.MapPath()).isWritable());
    EXPECT_FALSE(session.SettingsPath().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(session.SettingsPath())); // a fresh profile
    // The demo's trail journal lives and dies with its folder: no demo walk shows in the next.
    const QString journal = QString::fromStdString(session.JournalPath());
    EXPECT_EQ(QFileInfo(journal).path(), QFileInfo(session.SettingsPath()).path());
    EXPECT_FALSE(QFileInfo::exists(journal));
    {
        QSettings ini(session.SettingsPath(), QSettings::IniFormat);
        ini.setValue("Settings/GPSUpdateRateMs", 100);
    }

    platform::QSettingsStore store(session.SettingsPath());
    GpsApp app(store);
    ASSERT_TRUE(app.InitInstance(true));
    CGPSMapFrame& frame = *app.Frame();
    frame.resize(500, 400);
    view::MapView& v = frame.View();
    // The tile set the demo starts on, a copy beside the map, holds the town where it lies.
    ASSERT_EQ(QFileInfo(session.TilesPath()).path(), QFileInfo(session.MapPath()).path());
    ASSERT_TRUE(frame.LoadMapFile(session.TilesPath()));
    const MapPos square = v.Session().Georeference().ToPixel(demo::PixelToGeo({800, 600}));
    EXPECT_TRUE(square.x > 0 && square.x < v.Geometry().ImageWidth() && square.y > 0 &&
                square.y < v.Geometry().ImageHeight());
    ASSERT_TRUE(frame.LoadMapFile(session.MapPath()));
    gps::GpsLinkOptions quick;
    quick.pollInterval = std::chrono::milliseconds(10);
    frame.Gps().SetLinkOptions(quick);
    v.Change([](session::MapSession& session) {
        session.SetGpsDevice(DemoSession::kGpsSource);
        return session::Changes();
    });
    frame.OnCommand(app::kCmdGpsConnect);
    ASSERT_TRUE(v.Session().GpsConnected());

    // Three recorded positions after the start-up and connect breaks: one a second.
    ASSERT_TRUE(PumpUntil([&v] { return v.Session().Recording().Trail().Count() >= 5; }, 30000));
    EXPECT_TRUE(v.Session().GpsFix().hasFix);
    EXPECT_TRUE(v.Session().StatusText().starts_with("GPS: 1\u00b0")) << v.Session().StatusText();
    EXPECT_TRUE(frame.ButtonState(app::ShowFlag::FollowGps));
    const MapPos marker = v.Session().Georeference().ToPixel(v.Session().GpsFix().position);
    const MapPos start = v.Session().Georeference().ToPixel(demo::PixelToGeo(demo::Route()[0]));
    // Two periods' drive at 16 m/s: 16 pixels east of the start at least.
    EXPECT_GT(std::hypot(marker.x - start.x, marker.y - start.y), 15.0);
    // Followed: the marker sits in the middle of the view.
    const std::optional<view::ViewPoint> s =
        v.Geometry().ImageToScreen(marker, v.Geometry().ScrollOffset());
    ASSERT_TRUE(s.has_value());
    EXPECT_NEAR(s->x, v.Geometry().ClientWidth() / 2, 1);
    EXPECT_NEAR(s->y, v.Geometry().ClientHeight() / 2, 1);
    EXPECT_TRUE(catcher.messages.empty());
    frame.Gps().Disconnect();
}

// The installed layout wins over the build's folder; a folder missing one file does not count.
TEST(DemoSession, FindsTheInstalledMapBeforeTheBuiltOne) {
    QTemporaryDir root;
    const QString bin = root.filePath("bin");
    const QString installed = root.filePath("share/quilo/demo");
    const QString built = root.filePath("bin/demo");
    EXPECT_EQ(DemoSession::FindMapDir(bin), QString());
    QString error;
    ASSERT_TRUE(demo::WriteDemoMap(built, &error)) << error.toStdString();
    EXPECT_EQ(DemoSession::FindMapDir(bin), built);
    ASSERT_TRUE(demo::WriteDemoMap(installed, &error)) << error.toStdString();
    EXPECT_EQ(DemoSession::FindMapDir(bin), installed);
    ASSERT_TRUE(QFile::remove(installed + "/brindlemoor.pts"));
    EXPECT_EQ(DemoSession::FindMapDir(bin), built);
}

// Two demos at once each work on a copy of their own, and what one writes is gone with it.
TEST(DemoSession, EachRunHasAFreshCopyRemovedAtExit) {
    QString firstDir;
    {
        DemoSession first;
        DemoSession second;
        QString error;
        ASSERT_TRUE(first.Start(&error)) << error.toStdString();
        ASSERT_TRUE(second.Start(&error)) << error.toStdString();
        firstDir = QFileInfo(first.MapPath()).absolutePath();
        EXPECT_NE(firstDir, QFileInfo(second.MapPath()).absolutePath());

        QFile mark(firstDir + "/made-in-the-first-demo.pts");
        ASSERT_TRUE(mark.open(QIODevice::WriteOnly));
        mark.close();
        EXPECT_FALSE(QFileInfo::exists(QFileInfo(second.MapPath()).absolutePath() +
                                       "/made-in-the-first-demo.pts"));
    }
    EXPECT_FALSE(QFileInfo::exists(firstDir));
    DemoSession next;
    QString error;
    ASSERT_TRUE(next.Start(&error)) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(next.MapPath()).absolutePath() +
                                   "/made-in-the-first-demo.pts"));
}
