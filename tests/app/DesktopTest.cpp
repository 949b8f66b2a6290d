// Wheel and pinch zoom, shortcuts, the last session, drops and the calibration list, on the
// real frame over a real settings file.
#include "AppTestSupport.h"

#include "app/Commands.h"
#include "base/Number.h"
#include "calib/CalibrationFile.h"
#include "calib/CalibrationPointsDlg.h"
#include "coords/CoordEntry.h"
#include "coords/CoordFormat.h"
#include "coords/EnterCoordsDlg.h"
#include "demo/DemoMap.h"
#include "geo/RangeBearing.h"
#include "gps/DemoTown.h"
#include "platform/FileIo.h"
#include "session/LastSession.h"
#include "support/TestFiles.h"
#include "trail/Journal.h"
#include "trail/JournalFolder.h"
#include "trail/TrailFile.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFile>
#include <QGestureEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QNativeGestureEvent>
#include <QPinchGesture>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QUrl>
#include <QWheelEvent>
#include <QtTest/QTest>

#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <filesystem>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace app;

namespace {

std::string Bytes(const QString& path) {
    std::string bytes;
    EXPECT_TRUE(platform::ReadWholeFile(path.toStdString(), bytes)) << path.toStdString();
    return bytes;
}

void Wheel(view::MapView& view, QPoint at, int delta) {
    QWheelEvent event(QPointF(at), QPointF(view.mapToGlobal(at)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&view, &event);
}

// Where the view shows an image point now, in view pixels.
QPointF OnScreen(const view::MapView& view, const MapPos& image) {
    const view::ViewGeometry& g = view.Geometry();
    return {image.x * g.Zoom() - g.ScrollOffset().x, image.y * g.Zoom() - g.ScrollOffset().y};
}

int CheckedZoomId(CGPSMapFrame& frame) {
    for (const ZoomDef& z : kZoomLevels)
        if (frame.Action(z.id)->isChecked())
            return z.id;
    return 0;
}

void Drop(CGPSMapFrame& frame, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame, &enter);
    ASSERT_TRUE(enter.isAccepted()) << paths.join(' ').toStdString();
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame, &drop);
}

void Drop(CGPSMapFrame& frame, const QString& path) {
    Drop(frame, QStringList{path});
}

// Types a position in decimal degrees into the open coordinates dialog and presses OK.
void TypePosition(coords::EnterCoordsDlg& dialog, const MapPos& geo) {
    using F = coords::EntryField;
    // The dialog opens in the window's last format: decimal degrees is chosen as a user would.
    dialog.findChild<QRadioButton*>(QStringLiteral("format1019"))->click();
    const auto edit = [&dialog](F field) {
        return dialog.findChild<QLineEdit*>(QStringLiteral("field%1").arg(static_cast<int>(field)));
    };
    const auto list = [&dialog](F field) {
        return dialog.findChild<QComboBox*>(QStringLiteral("field%1").arg(static_cast<int>(field)));
    };
    for (auto [field, value] :
         {std::pair{F::LatDecDegrees, std::abs(geo.y)}, {F::LonDecDegrees, std::abs(geo.x)}}) {
        QLineEdit* e = edit(field);
        ASSERT_NE(e, nullptr);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, QString::number(value, 'f', 8));
    }
    list(F::LatHemisphere)->setCurrentIndex(geo.y < 0 ? 1 : 0);
    list(F::LonHemisphere)->setCurrentIndex(geo.x < 0 ? 1 : 0);
    dialog.accept();
}

// The value of key in an INI file as written ("" when absent).
std::string IniValue(const std::string& ini, const std::string& key) {
    const std::string bytes = testsupport::ReadBytes(ini);
    const std::size_t at = bytes.find('\n' + key + '=');
    if (at == std::string::npos)
        return {};
    const std::size_t from = at + key.size() + 2;
    return bytes.substr(from, bytes.find('\n', from) - from);
}

} // namespace

// quilo itself, as the desktop starts it: one profile, a settings folder per start.
class DesktopProcess : public ::testing::Test {
protected:
    void SetUp() override {
        QString error;
        ASSERT_TRUE(demo::WriteDemoMap(dir.path(), &error)) << error.toStdString();
        // Calibrated copies: a map without its calibration stops at a box.
        const QString map = demo::DemoMapImagePath(dir.path()).chopped(4);
        for (const char* name : {"b", "c", "d"})
            for (const char* suffix : {".png", ".mcd"})
                QFile::copy(map + suffix, dir.filePath(name) + suffix);
        ASSERT_EQ(::mkdir(Path("run").c_str(), 0700), 0);
    }
    std::string Path(const std::string& name) const {
        return dir.filePath(name.c_str()).toStdString();
    }
    std::vector<std::string> Env(const std::string& config) const {
        return {"XDG_RUNTIME_DIR=" + Path("run"), "XDG_STATE_HOME=" + Path("state"),
                "XDG_CACHE_HOME=" + Path("cache"), "XDG_CONFIG_HOME=" + Path(config),
                "QT_QPA_PLATFORM=offscreen"};
    }
    std::string Ini(const std::string& config) const {
        return Path(config) + "/Morvellan Software Inc./QUILO.ini";
    }
    // The map a start with settings folder config shows (the front of its recent maps).
    bool Shows(const std::string& config, const std::string& map) const {
        return PumpUntil([&] { return IniValue(Ini(config), "RecentMap1") == map; }, 20000);
    }
    QTemporaryDir dir;
    std::string log = Path("quilo.log");
};

// A start that names a map, or nothing, while a window runs hands it over and ends, leaving
// the journal and the settings alone; --new-window, a socket left by a killed window and a
// window that does not answer each give a window of its own.
TEST_F(DesktopProcess, ALaterStartHandsItsMapToTheRunningWindow) {
    const std::string a = demo::DemoMapImagePath(dir.path()).toStdString();
    auto first = std::make_unique<QuiloProcess>(std::vector<std::string>{a}, Env("first"), log);
    ASSERT_TRUE(Shows("first", a)) << testsupport::ReadBytes(log);
    const std::string journal = trail::CurrentJournalPath(Path("state/quilo"));
    const std::string journalBefore = testsupport::ReadBytes(journal);
    const struct {
        const char* legend;
        std::vector<std::string> args;
        std::string firstShows;     // afterwards
        std::string ownWindowShows; // empty: handed over
    } rows[] = {
        {"a map", {Path("b.png")}, Path("b.png"), ""},
        {"nothing: the window comes to the front", {}, Path("b.png"), ""},
        {"--new-window", {"--new-window", Path("c.png")}, Path("b.png"), Path("c.png")},
    };
    std::vector<std::unique_ptr<QuiloProcess>> windows;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        const std::string config = "later" + std::to_string(windows.size());
        windows.push_back(std::make_unique<QuiloProcess>(row.args, Env(config), log));
        if (row.ownWindowShows.empty()) {
            EXPECT_EQ(windows.back()->WaitExit(), 0) << testsupport::ReadBytes(log);
            EXPECT_FALSE(std::filesystem::exists(Path(config)));
            EXPECT_EQ(testsupport::ReadBytes(journal), journalBefore);
        } else {
            EXPECT_TRUE(Shows(config, row.ownWindowShows));
        }
        EXPECT_TRUE(Shows("first", row.firstShows));
    }

    first->Kill(); // its socket stays behind
    QuiloProcess second({a}, Env("first"), log);
    ASSERT_TRUE(Shows("first", a));
    QuiloProcess third({Path("c.png")}, Env("third"), log);
    EXPECT_EQ(third.WaitExit(), 0);
    EXPECT_TRUE(Shows("first", Path("c.png")));
    second.Signal(SIGSTOP); // connects, never answers
    QuiloProcess fourth({Path("d.png")}, Env("fourth"), log);
    EXPECT_TRUE(Shows("fourth", Path("d.png")));
    second.Signal(SIGCONT);
}

// However a run ends, by a signal with a box up, a map loading or a walk recording, or a
// screenshot ending it: exit status 0, the journal closed at its last record, and the settings
// as the window leaves them (a screenshot's untouched).
TEST_F(DesktopProcess, SignalsEndTheWindowCleanlyAndScreenshotsSaveNothing) {
    testsupport::WriteBytes(Path("broken.png"), "not an image");
    QImage big(3000, 2000, QImage::Format_RGB32);
    big.fill(Qt::darkGreen);
    ASSERT_TRUE(big.save(dir.filePath("big.jpg"), "JPEG"));
    const std::string ini = Ini("config");
    const std::string journal = trail::CurrentJournalPath(Path("state/quilo"));
    const auto entriesIn = [&journal] {
        return trail::DecodeJournal(testsupport::ReadBytes(journal)).entries.size();
    };
    const struct {
        const char* legend;
        std::string lastMap; // in the settings before
        std::vector<std::string> args;
        std::function<bool()> ready;             // then SIGTERM; none: it ends by itself
        std::optional<std::string> lastMapAfter; // none: the load may have ended first
    } rows[] = {
        {"a box: the last map cannot be decoded",
         Path("broken.png"),
         {},
         [&] { return IniValue(ini, "LastMap").empty(); },
         ""},
        {"a map loading",
         "",
         {Path("big.jpg")},
         [&] {
             return std::filesystem::exists(Path("cache/quilo/maps")) &&
                    !std::filesystem::is_empty(Path("cache/quilo/maps"));
         },
         std::nullopt},
        {"recording", "", {"--gps", "sim:"}, [&] { return entriesIn() >= 4; }, ""},
        {"a screenshot",
         Path("c.png"),
         {Path("b.png"), "--screenshot", Path("shot.png")},
         nullptr,
         Path("c.png")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        std::filesystem::remove_all(Path("config"));
        std::filesystem::create_directories(Path("config/Morvellan Software Inc."));
        const std::string settings = "[Session]\nLastMap=" + row.lastMap + "\nLastZoom=2\n";
        testsupport::WriteBytes(ini, settings);
        QuiloProcess quilo(row.args, Env("config"), log);
        if (row.ready) {
            ASSERT_TRUE(PumpUntil(row.ready, 20000)) << testsupport::ReadBytes(log);
            quilo.Signal(SIGTERM);
        }
        EXPECT_EQ(quilo.WaitExit(), 0) << testsupport::ReadBytes(log);
        if (row.lastMapAfter) {
            EXPECT_EQ(IniValue(ini, "LastMap"), *row.lastMapAfter);
        }
        if (!row.ready) {
            EXPECT_EQ(testsupport::ReadBytes(ini), settings);
        }
        const trail::JournalContent content = trail::DecodeJournal(testsupport::ReadBytes(journal));
        EXPECT_EQ(content.spareBytes + content.droppedBytes, 0u) << "closed at its last record";
    }
    EXPECT_GE(entriesIn(), 4u);
}

class Desktop : public FrameFixture {
protected:
    void SetUp() override {
        QString error;
        ASSERT_TRUE(demo::WriteDemoMap(dir.path(), &error)) << error.toStdString();
        map = demo::DemoMapImagePath(dir.path());
        mcd = map.left(map.size() - 4) + ".mcd";
    }
    QString map;
    QString mcd;
};

TEST_F(Desktop, WheelZoomHoldsThePointUnderThePointerAtEveryStep) {
    CGPSMapFrame& f = StartFrame();
    view::MapView& v = f.View();
    ASSERT_TRUE(f.LoadMapFile(map));
    v.ScrollTo({300, 200});
    const QPoint pointer(137, 91);
    const MapPos held = v.Geometry().ScreenToImage({pointer.x(), pointer.y()});
    // Whole notches, half notches of a smooth wheel (two make a step), and runs into both
    // bounds, where the zoom stops and the point still stays.
    const struct {
        const char* legend;
        int delta;
        int events;
        double step;
    } rows[] = {
        {"notch in", 120, 6, view::ViewGeometry::kZoomInStep},
        {"half notches in", 60, 4, std::sqrt(view::ViewGeometry::kZoomInStep)},
        {"notch out", -120, 9, view::ViewGeometry::kZoomOutStep},
        {"into the upper bound", 120, 40, view::ViewGeometry::kZoomInStep},
        {"into the lower bound", -120, 60, view::ViewGeometry::kZoomOutStep},
    };
    for (const auto& row : rows) {
        for (int i = 0; i < row.events; ++i) {
            const double before = v.Geometry().Zoom();
            Wheel(v, pointer, row.delta);
            const double expected =
                row.delta % 120 == 0 || i % 2 == 1
                    ? before * (row.delta > 0 ? view::ViewGeometry::kZoomInStep
                                              : view::ViewGeometry::kZoomOutStep)
                    : before;
            EXPECT_DOUBLE_EQ(v.Geometry().Zoom(), std::clamp(expected, view::ViewGeometry::kMinZoom,
                                                             view::ViewGeometry::kMaxZoom))
                << row.legend << " " << i;
            const QPointF at = OnScreen(v, held);
            EXPECT_LE(std::abs(at.x() - pointer.x()), 1.0) << row.legend << " " << i;
            EXPECT_LE(std::abs(at.y() - pointer.y()), 1.0) << row.legend << " " << i;
        }
    }
    EXPECT_EQ(CheckedZoomId(f), 0); // a wheel step lands off the presets
    f.OnCommand(kCmdZoom200);
    Wheel(v, pointer, 120);
    Wheel(v, pointer, -120);
    EXPECT_EQ(CheckedZoomId(f), 0) << "2.0 * 1.2 * 0.8 is no preset";
}

TEST_F(Desktop, PinchAndTouchpadZoomHoldTheirCentre) {
    CGPSMapFrame& f = StartFrame();
    view::MapView& v = f.View();
    ASSERT_TRUE(f.LoadMapFile(map));
    const QPoint centre(250, 120);
    const MapPos held = v.Geometry().ScreenToImage({centre.x(), centre.y()});
    double zoom = 1.0;
    for (double scale : {1.25, 1.1, 0.7, 100.0}) {
        QPinchGesture pinch;
        pinch.setScaleFactor(scale);
        pinch.setCenterPoint(QPointF(v.mapToGlobal(centre)));
        QGestureEvent event({&pinch});
        QCoreApplication::sendEvent(&v, &event);
        zoom = std::min(zoom * scale, view::ViewGeometry::kMaxZoom);
        EXPECT_DOUBLE_EQ(v.Geometry().Zoom(), zoom) << scale;
        const QPointF at = OnScreen(v, held);
        EXPECT_LE(std::abs(at.x() - centre.x()) + std::abs(at.y() - centre.y()), 2.0) << scale;
    }
    QNativeGestureEvent touchpad(Qt::ZoomNativeGesture, QPointingDevice::primaryPointingDevice(), 2,
                                 QPointF(centre), QPointF(centre), QPointF(v.mapToGlobal(centre)),
                                 -0.5, QPointF());
    QCoreApplication::sendEvent(&v, &touchpad);
    EXPECT_DOUBLE_EQ(v.Geometry().Zoom(), view::ViewGeometry::kMaxZoom * 0.5);
}

// Two fingers turning turn the map only once unlocked, and never while course-up turns it.
TEST_F(Desktop, TwoFingerTurnIsLockedUntilAskedFor) {
    CGPSMapFrame& f = StartFrame();
    view::MapView& v = f.View();
    ASSERT_TRUE(f.LoadMapFile(map));
    const auto turn = [&v](double degrees) {
        QPinchGesture pinch;
        pinch.setLastRotationAngle(10.0);
        pinch.setRotationAngle(10.0 + degrees);
        pinch.setCenterPoint(QPointF(v.mapToGlobal(QPoint(100, 100))));
        QGestureEvent event({&pinch});
        QCoreApplication::sendEvent(&v, &event);
        return v.Geometry().Rotation();
    };
    EXPECT_EQ(turn(30.0), 0.0) << "locked";
    f.Action(kCmdTouchTurn)->trigger();
    EXPECT_DOUBLE_EQ(turn(30.0), 30.0);
    EXPECT_DOUBLE_EQ(turn(-50.0), -20.0);
    f.Action(kCmdCourseUp)->trigger(); // no course yet: north up, and no hand turn
    EXPECT_EQ(turn(30.0), 0.0);
}

TEST_F(Desktop, EveryShortcutTriggersItsCommandAndShowsInTheMenu) {
    CGPSMapFrame& f = StartFrame();
    ASSERT_TRUE(f.LoadMapFile(map));
    const struct {
        int id;
        QKeyCombination key;
        bool dialog;
    } rows[] = {
        {kCmdLoadMap, Qt::CTRL | Qt::Key_O, true},
        {kCmdSaveTrail, Qt::CTRL | Qt::Key_S, true},
        {kCmdLoadTrail, Qt::CTRL | Qt::Key_L, true},
        {kCmdZoomIn, QKeyCombination(Qt::Key_Plus), false},
        {kCmdZoomIn, QKeyCombination(Qt::Key_Equal), false},
        {kCmdZoomOut, QKeyCombination(Qt::Key_Minus), false},
        {kCmdZoom100, Qt::CTRL | Qt::Key_0, false},
        {kCmdMenuFollowGps, QKeyCombination(Qt::Key_F), false},
        {kCmdCentreOnGps, QKeyCombination(Qt::Key_C), false},
        {kCmdMapCentre, QKeyCombination(Qt::Key_M), false},
        {kCmdFullScreen, QKeyCombination(Qt::Key_F11), false},
        {kCmdGoToPosition, Qt::CTRL | Qt::Key_G, true},
        {kCmdCourseUp, QKeyCombination(Qt::Key_U), false},
        {kCmdUserGuide, QKeyCombination(Qt::Key_F1), true},
    };
    QSize viewSize;
    bool centred = false;
    for (const auto& row : rows) {
        // Shortcuts go to the active window only, and a closed dialog leaves none active.
        QApplication::setActiveWindow(&f);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        QSignalSpy spy(f.Action(row.id), &QAction::triggered);
        viewSize = f.View().size();
        if (row.dialog)
            RejectNextModalDialog(&f);
        QTest::keyClick(&f.View(), row.key.key(), row.key.keyboardModifiers());
        EXPECT_EQ(spy.count(), 1) << QKeySequence(row.key).toString().toStdString();
        EXPECT_TRUE(f.Action(row.id)->shortcuts().contains(QKeySequence(row.key)));
        if (row.id == kCmdMapCentre)
            centred = f.View().Geometry().ScrollOffset() ==
                      view::ViewPoint{demo::kMapWidth / 2 - viewSize.width() / 2,
                                      demo::kMapHeight / 2 - viewSize.height() / 2};
    }
    // Their effects, for the ones that leave a trace.
    EXPECT_TRUE(f.isFullScreen());
    EXPECT_FALSE(f.ButtonState(ShowFlag::FollowGps));
    EXPECT_DOUBLE_EQ(f.ZoomFactor(), 1.0);
    EXPECT_TRUE(centred);
    // Every top-level menu has a mnemonic.
    for (QAction* menu : f.menuBar()->actions())
        EXPECT_TRUE(menu->text().startsWith('&')) << menu->text().toStdString();
}

TEST_F(Desktop, GoToPositionSelectsAndCentresOnTheTypedPosition) {
    CGPSMapFrame& f = StartFrame();
    view::MapView& v = f.View();
    ASSERT_TRUE(f.LoadMapFile(map));
    const MapPos target = demo::PixelToGeo({1200, 900});
    testsupport::WhenModal<coords::EnterCoordsDlg>(
        [&target](coords::EnterCoordsDlg& d) { TypePosition(d, target); });
    ASSERT_TRUE(v.Session().Flags().follow);
    f.OnCommand(kCmdGoToPosition);
    ASSERT_TRUE(v.Session().Selection());
    EXPECT_NEAR(v.Session().Selection()->x, 1200, 0.01);
    EXPECT_NEAR(v.Session().Selection()->y, 900, 0.01);
    const QPointF at = OnScreen(v, *v.Session().Selection());
    EXPECT_LE(std::abs(at.x() - v.width() / 2), 1.0);
    EXPECT_LE(std::abs(at.y() - v.height() / 2), 1.0);
    // The next GPS update must not take the view back.
    EXPECT_FALSE(v.Session().Flags().follow);
    EXPECT_FALSE(f.Action(kCmdButtonFollowGps)->isChecked());
}

TEST_F(Desktop, TitleFormatMarkAndConnectionItemsFollowTheState) {
    CGPSMapFrame& f = StartFrame();
    EXPECT_EQ(f.windowTitle(), "QUILO");
    EXPECT_TRUE(f.Action(kCmdFormatDms)->isChecked());
    EXPECT_TRUE(f.Action(kCmdGpsConnect)->isEnabled());
    EXPECT_FALSE(f.Action(kCmdGpsDisconnect)->isEnabled());
    ASSERT_TRUE(f.LoadMapFile(map));
    EXPECT_EQ(f.windowTitle(), QFileInfo(map).fileName() + " - QUILO");
    QFile(dir.filePath("broken.png")).open(QIODevice::WriteOnly);
    EXPECT_FALSE(f.LoadMapFile(dir.filePath("broken.png")));
    // A failed load keeps the map showing, and its name.
    EXPECT_EQ(f.windowTitle(), QFileInfo(map).fileName() + " - QUILO");

    // A real device: a pseudo-terminal's far end.
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    f.View().Change([master](session::MapSession& session) {
        session.SetGpsDevice(::ptsname(master));
        return session::Changes();
    });
    f.OnCommand(kCmdGpsConnect);
    ASSERT_TRUE(f.View().Session().GpsConnected());
    EXPECT_FALSE(f.Action(kCmdGpsConnect)->isEnabled());
    EXPECT_TRUE(f.Action(kCmdGpsDisconnect)->isEnabled());
    f.OnCommand(kCmdGpsDisconnect);
    EXPECT_TRUE(f.Action(kCmdGpsConnect)->isEnabled());
    EXPECT_FALSE(f.Action(kCmdGpsDisconnect)->isEnabled());
    ::close(master);
}

TEST_F(Desktop, TheNextStartWithoutAMapRestoresMapViewAndWindow) {
    {
        CGPSMapFrame& f = StartFrame();
        ASSERT_TRUE(f.LoadMapFile(map));
        Wheel(f.View(), QPoint(100, 80), 120);
        Wheel(f.View(), QPoint(100, 80), 120);
        f.View().ScrollTo({310, 170});
        f.resize(520, 380);
        PumpUntil([&f] { return f.width() == 520; });
        f.OnCommand(kCmdAppExit);
        StopFrame();
    }
    CGPSMapFrame& f = StartFrame();
    f.RestoreLastSession();
    EXPECT_TRUE(f.View().Loading().Active()) << "the window answers while the map decodes";
    ASSERT_TRUE(PumpUntil([&] { return !f.View().Loading().Active(); }));
    EXPECT_EQ(f.View().MapPath(), map);
    EXPECT_DOUBLE_EQ(f.ZoomFactor(), 1.44);
    EXPECT_EQ(f.View().Geometry().ScrollOffset(), (view::ViewPoint{310, 170}));
    EXPECT_EQ(f.size(), QSize(520, 380));
    EXPECT_TRUE(catcher.messages.empty());

    // A map that is gone is named on the status line, without a box.
    f.close();
    StopFrame();
    ASSERT_TRUE(QFile::rename(map, dir.filePath("moved.png")));
    CGPSMapFrame& again = StartFrame();
    again.RestoreLastSession();
    EXPECT_TRUE(again.View().MapPath().isEmpty());
    EXPECT_EQ(again.View().Session().StatusText(), "Last map not found: " + map.toStdString());
    EXPECT_TRUE(catcher.messages.empty());
}

TEST_F(Desktop, ReopenLastMapOffStartsBlankAndStaysOffAsTheGridOverlayStaysOn) {
    {
        CGPSMapFrame& f = StartFrame();
        ASSERT_TRUE(f.Action(kCmdReopenLastMap)->isChecked());
        ASSERT_FALSE(f.Action(kCmdGridOverlay)->isChecked());
        ASSERT_TRUE(f.LoadMapFile(map));
        f.Action(kCmdReopenLastMap)->trigger();
        f.Action(kCmdGridOverlay)->trigger();
        f.close();
        StopFrame();
    }
    CGPSMapFrame& f = StartFrame();
    EXPECT_FALSE(f.Action(kCmdReopenLastMap)->isChecked());
    EXPECT_TRUE(f.Action(kCmdGridOverlay)->isChecked());
    EXPECT_TRUE(f.View().Overlays().grid);
    f.RestoreLastSession();
    EXPECT_TRUE(f.View().MapPath().isEmpty());
    EXPECT_EQ(f.View().Session().StatusText(), "GPS:");
}

TEST_F(Desktop, RecentMapsKeepTheLastEightNewestFirst) {
    CGPSMapFrame& f = StartFrame();
    QStringList copies;
    for (int i = 0; i < 10; ++i) {
        copies << dir.filePath(QStringLiteral("copy%1.png").arg(i));
        ASSERT_TRUE(QFile::copy(map, copies.back()));
        ASSERT_TRUE(f.LoadMapFile(copies.back()));
    }
    ASSERT_TRUE(f.LoadMapFile(copies[4])); // again: to the front, not twice
    std::vector<std::string> expected = {copies[4].toStdString()};
    for (int i : {9, 8, 7, 6, 5, 3, 2})
        expected.push_back(copies[i].toStdString());
    EXPECT_EQ(f.RecentMaps(), expected);
    QMenu* recent = f.Action(kCmdRecentMaps)->menu();
    ASSERT_EQ(recent->actions().size(), 8);
    EXPECT_EQ(recent->actions()[1]->text(), "&2 copy9.png");
    recent->actions()[7]->trigger();
    ASSERT_TRUE(PumpUntil([&] { return !f.View().Loading().Active(); }));
    EXPECT_EQ(f.View().MapPath(), copies[2]);
    StopFrame();
    CGPSMapFrame& next = StartFrame();
    EXPECT_EQ(next.RecentMaps().front(), copies[2].toStdString());
    EXPECT_EQ(next.RecentMaps().size(), session::kRecentMapCount);
}

TEST_F(Desktop, DropsLoadMapsAndTrailsAndRefuseTheRest) {
    CGPSMapFrame& f = StartFrame();
    view::MapView& v = f.View();
    // A trail of two fixes written by the trail store itself.
    trail::TrailBuffer trail;
    trail.Record(demo::PixelToGeo({100, 100}), 5.0, 100);
    trail.Record(demo::PixelToGeo({900, 700}), 5.0, 100);
    const QString trl = dir.filePath("walk.trl");
    ASSERT_TRUE(trail::SaveTrail(trail, trl.toStdString()));
    const QString gpx = dir.filePath("walk.gpx");
    ASSERT_TRUE(trail::SaveTrail(trail, gpx.toStdString()));
    // An image under a name that hides it still loads: the content decides.
    const QString disguised = dir.filePath("scan.dat");
    ASSERT_TRUE(QFile::copy(map, disguised));
    const QString text = dir.filePath("notes.txt");
    testsupport::WriteBytes(text.toStdString(), "not a map\n");

    Drop(f, map);
    ASSERT_TRUE(PumpUntil([&] { return !v.Loading().Active(); }));
    EXPECT_EQ(v.MapPath(), map);
    for (const QString& path : {trl, gpx}) {
        const std::size_t before = v.Session().Recording().Trail().Count();
        Drop(f, path);
        EXPECT_GE(v.Session().Recording().Trail().Count(), before + 2) << path.toStdString();
    }
    // A FIFO named as an image is refused without waiting for a writer.
    const QString fifo = dir.filePath("live.png");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const auto& [other, name] : {std::pair{text, "notes.txt"}, {fifo, "live.png"}}) {
        Drop(f, other);
        EXPECT_EQ(v.MapPath(), map);
        EXPECT_EQ(v.Session().StatusText(), std::string("Not a map or trail: ") + name);
    }
    // A KML with a ground overlay is a map, placed by its box, not a trail.
    const QString overlay = dir.filePath("overlay.kml");
    testsupport::WriteBytes(
        overlay.toStdString(),
        "<kml><GroundOverlay><Icon><href>" + QFileInfo(map).fileName().toStdString() +
            "</href></Icon><LatLonBox><north>51.3</north><south>51.2</south>"
            "<east>0.2</east><west>0.1</west></LatLonBox></GroundOverlay></kml>");
    Drop(f, overlay);
    ASSERT_TRUE(PumpUntil([&] { return !v.Loading().Active(); }));
    EXPECT_EQ(v.MapPath(), overlay);
    const MapPos corner = v.Session().Georeference().ToGeo(MapPos(0, 0));
    EXPECT_NEAR(corner.y, 51.3, 1e-9);
    EXPECT_NEAR(corner.x, 0.1, 1e-9);
    Drop(f, disguised);
    ASSERT_TRUE(PumpUntil([&] { return !v.Loading().Active(); }));
    EXPECT_EQ(v.MapPath(), disguised);
    EXPECT_TRUE(catcher.messages.size() == 1 &&
                catcher.messages[0].text == "This map has no calibration information.");
    // Several files at once open as tracks, each whole; a log without a fix is said.
    const std::size_t trailBefore = v.Session().Recording().Trail().Count();
    Drop(f, {trl, gpx, text});
    ASSERT_TRUE(PumpUntil([&] { return catcher.messages.size() == 2; }));
    EXPECT_EQ(catcher.messages[1].text,
              "Unable to open file: " + text + ": holds no track or route");
    EXPECT_EQ(v.Session().Tracks().Size(), 2u);
    EXPECT_EQ(v.Session().Recording().Trail().Count(), trailBefore) << "the live trail as it was";
}

TEST_F(Desktop, CalibrationListDeletesAndUndoesAsAHandEditWould) {
    CGPSMapFrame& f = StartFrame();
    view::MapView& v = f.View();
    ASSERT_TRUE(f.LoadMapFile(map));
    const std::string original = Bytes(mcd);
    const calib::CGPSMapFuncs loaded = v.Session().Document().Calibration();
    const std::vector<MapPos>& e = loaded.GetCalibrationPoints();
    ASSERT_EQ(e.size(), 6u);
    // The same file with the middle pair taken out by hand.
    calib::CGPSMapFuncs byHand;
    byHand.AddCalibrationPoint(e[0], e[1]);
    byHand.AddCalibrationPoint(e[4], e[5]);
    byHand.SetMagVar(loaded.GetMagVar());
    const QString handPath = dir.filePath("hand.mcd");
    ASSERT_TRUE(calib::SaveCalibrationFile(handPath.toStdString(), byHand));

    f.OnCommand(kCmdFormatUtm);
    bool checked = false;
    testsupport::WhenModal<calib::CalibrationPointsDlg>([&](calib::CalibrationPointsDlg& d) {
        EXPECT_TRUE(v.Overlays().calibrationMarks > 0);
        QTableWidget* table = d.Table();
        ASSERT_EQ(table->rowCount(), 3);
        for (int row = 0; row < 3; ++row) {
            EXPECT_EQ(table->item(row, 3)->text(), "0.0 m") << row; // an exact fit
            // Positions as the status line writes them.
            EXPECT_EQ(table->item(row, 2)->text().toStdString(),
                      coords::FormatPosition(e[2 * row + 1], coords::CoordFormat::Utm));
        }
        EXPECT_FALSE(d.DeleteButton()->isEnabled());
        EXPECT_FALSE(d.UndoButton()->isEnabled());
        table->selectRow(1);
        QTest::mouseClick(d.DeleteButton(), Qt::LeftButton);
        EXPECT_EQ(table->rowCount(), 2);
        EXPECT_EQ(Bytes(mcd), Bytes(handPath));
        // Listed and drawn as the file reads at the next start: without a fit.
        EXPECT_FALSE(v.Session().Document().Calibration().HasTransform());
        for (int row = 0; row < 2; ++row)
            EXPECT_EQ(table->item(row, 3)->text(), "not calibrated") << row;
        QTest::mouseClick(d.UndoButton(), Qt::LeftButton);
        EXPECT_EQ(table->rowCount(), 3);
        EXPECT_EQ(Bytes(mcd), original);
        EXPECT_EQ(v.Session().Document().Calibration(), loaded);
        EXPECT_FALSE(d.UndoButton()->isEnabled());
        checked = true;
        d.reject();
    });
    f.OnCommand(kCmdCalibrationPoints);
    EXPECT_TRUE(checked);
    EXPECT_FALSE(v.Overlays().calibrationMarks > 0);
}

TEST_F(Desktop, CalibrationPromptSaysWhichPointOfThree) {
    CGPSMapFrame& f = StartFrame();
    view::MapView& v = f.View();
    QFile::copy(map, dir.filePath("blank.png"));
    ASSERT_TRUE(f.LoadMapFile(dir.filePath("blank.png")));
    const char* notes[] = {"Point 1 of 3", "Point 2 of 3", "Point 3 of 3",
                           "Point 3 of 3: point 1 will be dropped."};
    for (int i = 0; i < 4; ++i) {
        v.SetSelection(MapPos(100 + 400 * i, 100 + 300 * (i % 2)));
        testsupport::WhenModal<coords::EnterCoordsDlg>([&](coords::EnterCoordsDlg& d) {
            auto* prompt = d.findChild<QLabel*>("prompt1009");
            EXPECT_EQ(prompt->text(), QStringLiteral("Enter Selection Coordinates:\n") + notes[i]);
            TypePosition(d, demo::PixelToGeo({100.0 + 400 * i, 100.0 + 300 * (i % 2)}));
        });
        f.OnCommand(kCmdEnterCalibrationPoint);
    }
    EXPECT_EQ(v.Session().Document().Calibration().GetCalibrationPoints().size(), 6u);
}

TEST_F(Desktop, CheckPositionReportsTheFitsMissAsRangeAndBearing) {
    CGPSMapFrame& f = StartFrame();
    view::MapView& v = f.View();
    ASSERT_TRUE(f.LoadMapFile(map));
    catcher.messages.clear();
    v.SetSelection(MapPos(700, 500));
    const MapPos fit = v.Session().Georeference().ToGeo(MapPos(700, 500));
    const MapPos truth(fit.x + 0.0004, fit.y - 0.0003); // some way south-east
    const calib::RangeBearing rb = calib::RangeAndBearing(fit, truth);
    const std::string before = Bytes(mcd);
    testsupport::WhenModal<coords::EnterCoordsDlg>(
        [&truth](coords::EnterCoordsDlg& d) { TypePosition(d, truth); });
    f.OnCommand(kCmdCheckPosition);
    ASSERT_EQ(catcher.messages.size(), 1u);
    EXPECT_EQ(catcher.messages[0].caption, "Check Position");
    const QString metres = QString::fromStdString(base::FormatFixed(rb.distance, 1));
    const QString degrees = QString::fromStdString(base::FormatFixed(rb.trueBearing, 0));
    EXPECT_TRUE(catcher.messages[0].text.contains(metres + " m at " + degrees + "°"))
        << catcher.messages[0].text.toStdString() << " / " << metres.toStdString();
    EXPECT_EQ(Bytes(mcd), before); // nothing stored

    // An uncalibrated map has no fit to check or positions to go to: no dialog opens.
    QFile::copy(map, dir.filePath("blank.png"));
    ASSERT_TRUE(f.LoadMapFile(dir.filePath("blank.png")));
    v.SetSelection(MapPos(700, 500));
    for (const auto& [command, caption] :
         {std::pair{kCmdCheckPosition, "Check Position"}, {kCmdGoToPosition, "Go to Position"}}) {
        catcher.messages.clear();
        QTimer* closer = RejectNextModalDialog(&v);
        f.OnCommand(command);
        EXPECT_TRUE(closer->isActive()) << caption;
        delete closer;
        ASSERT_EQ(catcher.messages.size(), 1u) << caption;
        EXPECT_EQ(catcher.messages[0].text, "This map is not calibrated.");
        EXPECT_EQ(catcher.messages[0].caption, caption);
    }
}

// Another map's load that ends while a calibration dialog is open (a map handed over from the
// desktop) waits for it: the entry goes to the map it was made on; the next map starts without
// the old selection. Every dialog of the map's commands waits the same way.
TEST_F(Desktop, ADialogOpenWhenALoadEndsActsOnTheMapItWasOpenedFor) {
    CGPSMapFrame& f = StartFrame();
    view::MapView& v = f.View();
    const QString other = dir.filePath("other.png");
    ASSERT_TRUE(QFile::copy(map, other) && QFile::copy(mcd, dir.filePath("other.mcd")));
    const std::string otherMcd = Bytes(dir.filePath("other.mcd"));
    ASSERT_TRUE(f.LoadMapFile(map));
    const std::string before = Bytes(mcd);
    v.SetSelection(MapPos(400, 277));
    testsupport::WhenModal<coords::EnterCoordsDlg>([&](coords::EnterCoordsDlg& d) {
        f.StartLoadMapFile(other);
        EXPECT_FALSE(f.Action(kCmdEnterCalibrationPoint)->isEnabled());
        ASSERT_TRUE(PumpUntil([&] { return f.Loader().Workers() == 0; }));
        EXPECT_TRUE(v.Loading().Active()) << "waits for the dialog";
        TypePosition(d, demo::PixelToGeo({400, 277}));
    });
    f.OnCommand(kCmdEnterCalibrationPoint);
    ASSERT_TRUE(PumpUntil([&] { return !v.Loading().Active(); }));
    EXPECT_EQ(v.MapPath(), other);
    EXPECT_NE(Bytes(mcd), before);
    EXPECT_EQ(Bytes(dir.filePath("other.mcd")), otherMcd);
    EXPECT_FALSE(v.Session().Selection());
    EXPECT_TRUE(f.Action(kCmdEnterCalibrationPoint)->isEnabled());
}

TEST_F(Desktop, WithoutAMapTheViewShowsAHint) {
    CGPSMapFrame& f = StartFrame();
    const auto inkInMiddle = [&f] {
        const QImage frame = f.View().grab().toImage();
        const QRgb background = frame.pixel(2, frame.height() / 2);
        int ink = 0;
        for (int x = 0; x < frame.width(); ++x)
            ink += frame.pixel(x, frame.height() / 2 - 3) != background ||
                   frame.pixel(x, frame.height() / 2 + 3) != background;
        return ink;
    };
    EXPECT_GT(inkInMiddle(), 10);
    QImage white(4, 4, QImage::Format_RGB32);
    white.fill(Qt::white);
    ASSERT_TRUE(white.save(dir.filePath("white.png")));
    ASSERT_TRUE(f.LoadMapFile(dir.filePath("white.png")));
    EXPECT_EQ(inkInMiddle(), 0);
}
