#include "AppTestSupport.h"

#include "app/Commands.h"
#include "app/GpsApp.h"
#include "app/MenuTree.h"
#include "app/ProfileDock.h"
#include "app/TerrainCommands.h"
#include "app/TrackCommands.h"
#include "app/TracksDock.h"
#include "demo/DemoMap.h"
#include "gps/DemoTown.h"
#include "map/formats/MapFormats.h"
#include "platform/SettingsStore.h"
#include "support/NmeaDrive.h"
#include "support/TestFiles.h"
#include "terrain/HgtFiles.h"
#include "terrain/HgtTile.h"
#include "trail/Journal.h"
#include "trail/TrackColouring.h"
#include "trail/TrackSet.h"
#include "view/ProfilePlot.h"
#include "view/TrackLoader.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <iterator>
#include <map>
#include <new>
#include <string>
#include <tuple>
#include <vector>

using namespace app;

namespace {

QAction* CheckedZoomItem(CGPSMapFrame& frame) {
    for (const ZoomDef& z : kZoomLevels)
        if (frame.Action(z.id)->isChecked())
            return frame.Action(z.id);
    return nullptr;
}

} // namespace

TEST_F(FrameFixture, FirstRunWithAnEmptyStoreTurnsEverythingOnButTheToolbar) {
    CGPSMapFrame& f = StartFrame();
    view::MapView& v = f.View();
    for (const ButtonToggleDef& t : kButtonToggles) {
        EXPECT_TRUE(f.ButtonState(t.flag)) << t.buttonId;
        EXPECT_TRUE(f.Action(t.buttonId)->isChecked()) << t.buttonId;
        EXPECT_TRUE(f.Action(t.menuId)->isChecked()) << t.menuId;
    }
    EXPECT_TRUE(v.Session().Flags().follow && v.Session().Flags().mapPoints &&
                v.Session().Flags().labels && v.Session().Flags().trail);
    EXPECT_TRUE(f.ShowStatusInfo() && v.Session().Flags().statusInfo);
    EXPECT_TRUE(f.ShowCursorInfo() && v.Session().Flags().cursorInfo);
    EXPECT_TRUE(f.Action(kCmdStatusInfo)->isChecked() && f.Action(kCmdCursorInfo)->isChecked());
    EXPECT_FALSE(f.ToolbarShown());
    EXPECT_FALSE(f.MenuBarToolbarButton()->isChecked());
    EXPECT_TRUE(f.Tracking() && v.Session().Recording().Trail().recording &&
                f.Action(kCmdTrack)->isChecked());
    // Track on at start leaves one break in the empty trail.
    EXPECT_EQ(v.Session().Recording().Trail().Count(), 1u);
    EXPECT_EQ(CheckedZoomItem(f), f.Action(kCmdZoom100));
    EXPECT_DOUBLE_EQ(f.ZoomFactor(), 1.0);
    // The format in use is marked from the start.
    for (int id : {kCmdFormatDms, kCmdFormatDm, kCmdFormatDeg})
        EXPECT_EQ(f.Action(id)->isChecked(), id == kCmdFormatDms) << id;
    EXPECT_EQ(v.Session().CoordFormat(), coords::CoordFormat::Dms);
    EXPECT_TRUE(catcher.messages.empty());
}

TEST_F(FrameFixture, MenusHoldEveryItemInOrderWithItsText) {
    CGPSMapFrame& f = StartFrame();
    const QList<QAction*> top = f.menuBar()->actions();
    ASSERT_EQ(top.size(), 5);
    QStringList seen;
    // The texts as shown, without the mnemonic marks.
    const auto shown = [](const QAction* a) { return QString(a->text()).remove('&'); };
    for (QAction* menuAction : top) {
        for (QAction* item : menuAction->menu()->actions()) {
            if (item->menu() && item != f.Action(kCmdRecentMaps) && item != f.Action(kCmdWorldMap))
                for (QAction* sub : item->menu()->actions())
                    seen << shown(menuAction) + "/" + shown(item) + "/" + shown(sub);
            else
                seen << shown(menuAction) + "/" + shown(item);
        }
    }
    // Written out rather than taken from the command table, so a changed table shows here.
    const QStringList expected = {
        "File/Load Map...",
        "File/Open Map Folder...",
        "File/Recent Maps",
        "File/Load Trail...",
        "File/Save Trail...",
        "File/Save Map Area...",
        "File/Work Offline",
        "File/Open Tracks...",
        "File/Exit",
        "View/Tracks",
        "View/Ruler",
        "View/Colour By/Plain",
        "View/Colour By/Speed",
        "View/Colour By/Elevation",
        "View/Colour By/Slope",
        "View/Colour By/Time",
        "View/Colour Limits...",
        "View/Hill Shading",
        "View/Slope Shading",
        "View/Shading Opacity/25%",
        "View/Shading Opacity/50%",
        "View/Shading Opacity/75%",
        "View/Shading Opacity/100%",
        "View/Profile",
        "View/",
        "View/Zoom/Zoom In",
        "View/Zoom/Zoom Out",
        "View/Zoom/800%",
        "View/Zoom/400%",
        "View/Zoom/200%",
        "View/Zoom/150%",
        "View/Zoom/100%",
        "View/Zoom/75%",
        "View/Zoom/50%",
        "View/Zoom/25%",
        "View/Show/GPS Trail",
        "View/Show/Status Info",
        "View/Show/Cursor Info",
        "View/Show/Map Points",
        "View/Show/Labels",
        "View/Show/Grid Overlay",
        "View/Show/Heading Arrow",
        "View/Show/Accuracy Circle",
        "View/Show/Scale Bar",
        "View/Coord Format/dms",
        "View/Coord Format/dm",
        "View/Coord Format/d",
        "View/Coord Format/UTM",
        "View/Coord Format/MGRS",
        "View/Map Centre",
        "View/Centre on GPS",
        "View/Follow GPS",
        "View/Switch Maps",
        "View/Go to Position...",
        "View/Trail Statistics...",
        "View/Full Screen",
        "View/Toolbar",
        "View/Reopen Last Map",
        "View/",
        "View/GPS Details",
        "View/Night Mode",
        "View/Night Dimming/25%",
        "View/Night Dimming/50%",
        "View/Night Dimming/75%",
        "View/Units/Metric",
        "View/Units/Imperial",
        "View/Units/Nautical",
        "View/World Map",
        "View/Scan Opacity/100%",
        "View/Scan Opacity/75%",
        "View/Scan Opacity/50%",
        "View/Scan Opacity/25%",
        "View/",
        "View/Course Up",
        "View/Heading Up",
        "View/Course Smoothing/2 s",
        "View/Course Smoothing/5 s",
        "View/Course Smoothing/10 s",
        "View/Course Smoothing/20 s",
        "View/Kiosk Mode",
        "View/Large Toolbar",
        "View/Two-Finger Turn",
        "Map/Enter Calibration Point...",
        "Map/Calibration Points...",
        "Map/Check Position...",
        "Map/Edit Points...",
        "Map/Settings...",
        "Map/Thin Plate Spline",
        "Map/Stretch/Lowest to Highest",
        "Map/Stretch/1% to 99%",
        "Map/Stretch/2% to 98%",
        "Map/Stretch/5% to 95%",
        "Map/DEM Folder...",
        "GPS/Connect",
        "GPS/Track",
        "GPS/Store Position...",
        "GPS/Clear Trail",
        "GPS/Disconnect",
        "GPS/Settings...",
        "GPS/",
        "GPS/Go to Point...",
        "GPS/Stop Going to Point",
        "GPS/Arrival Radius/10 m",
        "GPS/Arrival Radius/25 m",
        "GPS/Arrival Radius/50 m",
        "GPS/Arrival Radius/100 m",
        "GPS/Arrival Radius/250 m",
        "GPS/Reset Trip Meter",
        "GPS/",
        "GPS/Anchor Alarm",
        "GPS/Clear Alarm Circle",
        "GPS/Alarm Radius/25 m",
        "GPS/Alarm Radius/50 m",
        "GPS/Alarm Radius/100 m",
        "GPS/Alarm Radius/250 m",
        "GPS/Alarm Radius/500 m",
        "GPS/Alarm Grace/1 Fix",
        "GPS/Alarm Grace/3 Fixes",
        "GPS/Alarm Grace/5 Fixes",
        "GPS/Alarm Grace/10 Fixes",
        "Help/Keyboard Shortcuts...",
        "Help/User Guide...",
        "Help/About...",
    };
    EXPECT_EQ(seen, expected);
    // Toolbar: three buttons, a separator, four toggles, course-up, night mode and heading-up.
    const QList<QAction*> buttons = f.ToolBar()->actions();
    ASSERT_EQ(buttons.size(), 11);
    EXPECT_TRUE(buttons[3]->isSeparator());
    EXPECT_EQ(buttons[0], f.Action(kCmdZoomIn));
    EXPECT_EQ(buttons[7], f.Action(kCmdButtonLabels));
    EXPECT_EQ(buttons[9], f.Action(kCmdNightMode));
    EXPECT_EQ(buttons[10], f.Action(kCmdHeadingUp));
    for (QAction* b : buttons)
        EXPECT_TRUE(b->isSeparator() || !b->icon().isNull());
    EXPECT_EQ(f.Action(kCmdAppExit)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
}

// Items find their menus by id, not by title: with every title changed, each item still lands
// in its own menu and none is lost.
TEST(MenuTree, EveryItemLandsInItsMenuWhateverTheTitles) {
    std::array<MenuDef, kMenus.size()> renamed = kMenus;
    std::vector<std::string> titles;
    titles.reserve(renamed.size());
    for (MenuDef& menu : renamed)
        menu.title = titles.emplace_back("Renamed " + std::string(menu.title));
    QMenuBar bar;
    QMenu context;
    std::map<int, QAction*> actions;
    const std::map<Menu, QMenu*> menus =
        BuildMenuTree(renamed, kMenuItems, bar, context, [&](int id) {
            QAction*& action = actions[id];
            if (action == nullptr)
                action = new QAction(&bar);
            return action;
        });
    EXPECT_EQ(bar.actions().size(), 5);
    for (const MenuItemDef& item : kMenuItems) {
        if (item.menu == Menu::None || item.kind == ItemKind::Separator)
            continue;
        ASSERT_TRUE(menus.contains(item.menu)) << item.text;
        EXPECT_TRUE(menus.at(item.menu)->actions().contains(actions.at(item.id))) << item.text;
    }
    for (const MenuDef& menu : renamed) {
        if (menu.id != Menu::Context) {
            EXPECT_EQ(menus.at(menu.id)->title().remove('&').toStdString(), menu.title);
        }
    }
}

TEST_F(FrameFixture, ExitWritesTheSevenKeysInOrderAndTheNextStartRestoresThem) {
    {
        MemorySettingsStore memory;
        CGPSMapFrame f(memory);
        ASSERT_TRUE(f.Create());
        f.OnCommand(kCmdViewToolbar);         // toolbar on
        f.OnCommand(kCmdButtonFollowGps);     // follow off
        f.OnCommand(kCmdCursorInfo);          // cursor line off
        EXPECT_TRUE(memory.Writes().empty()); // toggles write nothing
        f.OnCommand(kCmdExit);
        std::vector<std::string> keys;
        std::vector<int> values;
        for (const auto& w : memory.Writes()) {
            if (w.section != "Settings")
                continue; // the last session, stored at any close
            keys.push_back(w.key);
            values.push_back(w.value);
        }
        EXPECT_EQ(keys, (std::vector<std::string>{"ShowGPSTrail", "ShowMapPoints", "ShowLabels",
                                                  "FollowGPS", "ShowStatusInfo", "ShowCursorInfo",
                                                  "ShowToolbar"}));
        EXPECT_EQ(values, (std::vector<int>{1, 1, 1, 0, 1, 0, 1}));
    }

    CGPSMapFrame& f = StartFrame();
    f.OnCommand(kCmdMenuBarToolbar);
    f.OnCommand(kCmdMenuLabels);
    f.OnCommand(kCmdStatusInfo);
    f.Action(kCmdExit)->trigger();
    StopFrame();

    QSettings ini(IniPath(), QSettings::IniFormat);
    EXPECT_EQ(ini.value("Settings/ShowToolbar").toInt(), 1);
    EXPECT_EQ(ini.value("Settings/ShowLabels").toInt(), 0);

    CGPSMapFrame& next = StartFrame();
    EXPECT_TRUE(next.ToolbarShown());
    EXPECT_TRUE(next.MenuBarToolbarButton()->isChecked());
    EXPECT_TRUE(next.Action(kCmdViewToolbar)->isChecked());
    EXPECT_FALSE(next.ButtonState(ShowFlag::Labels));
    EXPECT_FALSE(next.Action(kCmdMenuLabels)->isChecked());
    EXPECT_FALSE(next.View().Session().Flags().labels);
    EXPECT_FALSE(next.ShowStatusInfo());
    EXPECT_FALSE(next.View().Session().Flags().statusInfo);
    EXPECT_TRUE(next.ButtonState(ShowFlag::MapPoints));
    EXPECT_TRUE(next.Tracking()); // whatever was stored
}

TEST_F(FrameFixture, OnlyExitWritesTheShowFlags) {
    MemorySettingsStore memory;
    CGPSMapFrame f(memory);
    ASSERT_TRUE(f.Create());
    f.OnCommand(kCmdButtonGpsTrail);
    f.Action(kCmdAppExit)->trigger(); // Ctrl+Q closes without saving
    for (const auto& w : memory.Writes())
        EXPECT_NE(w.section, "Settings") << w.key; // only the last session is stored
}

TEST_F(FrameFixture, ZoomGroupMarksTheChosenFactorAndNoneAfterZoomInOrOut) {
    CGPSMapFrame& f = StartFrame();
    for (int i = 0; i < 3; ++i)
        f.Action(kCmdZoomIn)->trigger();
    EXPECT_DOUBLE_EQ(f.ZoomFactor(), 1.2 * 1.2 * 1.2);
    EXPECT_NEAR(f.ZoomFactor(), 1.728, 1e-12);
    EXPECT_DOUBLE_EQ(f.View().Geometry().Zoom(), f.ZoomFactor());
    EXPECT_EQ(CheckedZoomItem(f), nullptr);

    f.Action(kCmdZoom50)->trigger();
    EXPECT_DOUBLE_EQ(f.ZoomFactor(), 0.5);
    EXPECT_EQ(CheckedZoomItem(f), f.Action(kCmdZoom50));
    // Choosing the marked item again keeps its mark.
    f.Action(kCmdZoom50)->trigger();
    EXPECT_EQ(CheckedZoomItem(f), f.Action(kCmdZoom50));

    f.Action(kCmdZoomOut)->trigger();
    EXPECT_DOUBLE_EQ(f.ZoomFactor(), 0.4);
    EXPECT_EQ(CheckedZoomItem(f), nullptr);

    // A failed load keeps the factor and the (absent) mark.
    EXPECT_FALSE(f.LoadMapFile(dir.filePath("no-such-map.png")));
    EXPECT_DOUBLE_EQ(f.ZoomFactor(), 0.4);
    EXPECT_EQ(CheckedZoomItem(f), nullptr);
    ASSERT_EQ(catcher.messages.size(), 1u);
    EXPECT_EQ(catcher.messages[0].text, "Failed to load map\n" + dir.filePath("no-such-map.png") +
                                            ": No such file or directory");
    EXPECT_EQ(catcher.messages[0].caption, "Error");
    EXPECT_EQ(catcher.messages[0].icon, platform::MessageIcon::Warning);

    // A successful one resets both.
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::gray);
    const QString map = dir.filePath("grey.png");
    ASSERT_TRUE(image.save(map));
    f.OnCommand(kCmdZoom200);
    EXPECT_TRUE(f.LoadMapFile(map));
    EXPECT_DOUBLE_EQ(f.ZoomFactor(), 1.0);
    EXPECT_DOUBLE_EQ(f.View().Geometry().Zoom(), 1.0);
    EXPECT_EQ(CheckedZoomItem(f), f.Action(kCmdZoom100));
}

TEST_F(FrameFixture, ZoomOutAnswersAtOnceAfterManyZoomIns) {
    CGPSMapFrame& f = StartFrame();
    for (int i = 0; i < 100; ++i)
        f.Action(kCmdZoomIn)->trigger();
    EXPECT_DOUBLE_EQ(f.ZoomFactor(), view::ViewGeometry::kMaxZoom);
    f.Action(kCmdZoomOut)->trigger();
    EXPECT_DOUBLE_EQ(f.ZoomFactor(), view::ViewGeometry::kMaxZoom * 0.8);
    EXPECT_DOUBLE_EQ(f.View().Geometry().Zoom(), f.ZoomFactor());
}

TEST_F(FrameFixture, ButtonAndMenuItemOfEachShowToggleAlwaysAgree) {
    CGPSMapFrame& f = StartFrame();
    view::MapView& v = f.View();
    const struct {
        const char* legend;
        ShowFlag flag;
        std::function<bool()> viewFlag;
    } rows[] = {
        {"follow", ShowFlag::FollowGps, [&v] { return v.Session().Flags().follow; }},
        {"map points", ShowFlag::MapPoints, [&v] { return v.Session().Flags().mapPoints; }},
        {"labels", ShowFlag::Labels, [&v] { return v.Session().Flags().labels; }},
        {"trail", ShowFlag::GpsTrail, [&v] { return v.Session().Flags().trail; }},
    };
    for (const auto& row : rows) {
        const ButtonToggleDef& def = kButtonToggles[static_cast<std::size_t>(
            std::find_if(kButtonToggles.begin(), kButtonToggles.end(),
                         [&row](const ButtonToggleDef& d) { return d.flag == row.flag; }) -
            kButtonToggles.begin())];
        QAction* button = f.Action(def.buttonId);
        QAction* menu = f.Action(def.menuId);
        bool expected = true;
        // Button, menu, menu, button, button: every path flips both and the view.
        for (QAction* used : {button, menu, menu, button, button}) {
            used->trigger();
            expected = !expected;
            EXPECT_EQ(button->isChecked(), expected) << row.legend;
            EXPECT_EQ(menu->isChecked(), expected) << row.legend;
            EXPECT_EQ(f.ButtonState(row.flag), expected) << row.legend;
            EXPECT_EQ(row.viewFlag(), expected) << row.legend;
        }
    }
}

TEST_F(FrameFixture, ToolbarToggleFromMenuOrMenuBarButtonKeepsBothChecksInStep) {
    CGPSMapFrame& f = StartFrame();
    f.MenuBarToolbarButton()->click();
    EXPECT_TRUE(f.ToolbarShown());
    EXPECT_TRUE(f.Action(kCmdViewToolbar)->isChecked());
    EXPECT_TRUE(f.MenuBarToolbarButton()->isChecked());
    f.Action(kCmdViewToolbar)->trigger();
    EXPECT_FALSE(f.ToolbarShown());
    EXPECT_FALSE(f.MenuBarToolbarButton()->isChecked());
    EXPECT_FALSE(f.Action(kCmdViewToolbar)->isChecked());
}

TEST_F(FrameFixture, CoordFormatGroupMarksOneItemAndSetsTheViewsFormat) {
    CGPSMapFrame& f = StartFrame();
    const struct {
        int id;
        coords::CoordFormat format;
    } rows[] = {{kCmdFormatDeg, coords::CoordFormat::Deg},
                {kCmdFormatMgrs, coords::CoordFormat::Mgrs},
                {kCmdFormatUtm, coords::CoordFormat::Utm},
                {kCmdFormatDm, coords::CoordFormat::Dm},
                {kCmdFormatDms, coords::CoordFormat::Dms}};
    for (const auto& row : rows) {
        f.Action(row.id)->trigger();
        EXPECT_EQ(f.View().Session().CoordFormat(), row.format);
        for (int id : {kCmdFormatDms, kCmdFormatDm, kCmdFormatDeg, kCmdFormatUtm, kCmdFormatMgrs})
            EXPECT_EQ(f.Action(id)->isChecked(), id == row.id) << id;
    }
}

// After each change the window, as the window system's own repaints leave it (a band for a
// new status text, the whole view for a scroll), shows what a full repaint draws.
TEST_F(FrameFixture, TheWindowAlwaysShowsWhatAFullRepaintDraws) {
    QString error;
    ASSERT_TRUE(demo::WriteDemoMap(dir.path(), &error)) << error.toStdString();
    CGPSMapFrame& f = StartFrame(QSize(500, 400));
    ASSERT_TRUE(f.LoadMapFile(demo::DemoMapImagePath(dir.path())));
    view::MapView& v = f.View();
    const QPoint at = v.mapTo(&f, QPoint(0, 0));
    ASSERT_GT(at.y(), 0) << "the view lies below the menu bar";
    // Fixes walking east from the map's middle, 30 pixels apart; course-up turns the map.
    int walked = 0;
    const auto walk = [&](int fixes, bool courseUp = false) {
        const std::size_t samples = v.Session().Recording().Trail().Count();
        v.Change([&](session::MapSession& s) {
            session::Changes changes;
            if (!s.GpsConnected())
                changes |= s.Connect(gps::GpsOpening{true, "", ""}).changes;
            session::LiveSettings live = s.Live().Settings();
            live.courseUp = courseUp;
            s.Live().SetSettings(live);
            for (int i = 0; i < fixes; ++i, ++walked) {
                gps::GpsUpdate update;
                update.handled = true;
                update.what = gps::GpsUpdate::kPosition;
                update.fix.position = s.Georeference().ToGeo(
                    MapPos(demo::kMapWidth / 2.0 + 30 * walked, demo::kMapHeight / 2.0));
                update.fix.hasFix = true;
                update.details.courseTrue = 80.0;
                update.epochs = {{update.fix.position, 1000LL * (walked + 1), NAN, 5.0, 80.0}};
                changes |= s.OnGpsUpdate(update, false).changes;
            }
            return changes;
        });
        EXPECT_GT(v.Session().Recording().Trail().Count(), samples) << "the trail grows";
        v.CentreOnGps();
    };
    const auto scrollBy = [&](int dx, int dy) {
        const view::ViewPoint now = v.Geometry().ScrollOffset();
        v.ScrollTo({now.x + dx, now.y + dy});
    };
    const std::function<void()> steps[] = {
        [&] { scrollBy(300, 200); },
        [&] { f.Commands().ShowStatusNote("Note."); },
        [&] { scrollBy(3, -4); },
        [&] { v.SetZoom(0.5); },
        [&] { v.SetOverlays({.grid = true}); },
        [&] { v.ScrollByKey(Qt::Key_Down); },
        [&] { walk(1); },           // a fix arriving
        [&] { v.update(); },        // a still repaint
        [&] { walk(1); },           // the trail grows by a sample
        [&] { walk(12); },          // and by many
        [&] { v.SetOverlays({}); }, // no grid: a scroll shifts the kept frame
        [&] { scrollBy(2, 1); },    // the kept trail shifted
        [&] { scrollBy(300, 0); },  // past its margin
        [&] {
            // A track of wide lines across the view, drawn into a layer of its own.
            trail::TrackSegment zigzag;
            const view::ViewPoint now = v.Geometry().ScrollOffset();
            for (int i = 0; i < 200; ++i)
                zigzag.push_back({demo::PixelToGeo({(now.x - 100.0 + 5 * i) / 0.5,
                                                    (now.y + 50.0 + 40 * (i % 2) + i) / 0.5}),
                                  1'765'188'000'000 + i * 1000LL, 100.0});
            v.Change([&zigzag](session::MapSession& s) {
                s.Tracks().Add({.path = "zigzag.gpx", .name = "zigzag", .track = {zigzag}});
                return session::Changes(session::Changed::Trail);
            });
        },
        [&] { scrollBy(5, 3); },   // the track's layer shifted
        [&] { scrollBy(0, 300); }, // past its margin
        [&] { walk(1, true); },    // course-up turns the map
        [&] { scrollBy(1, 0); },
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        steps[i]();
        QApplication::processEvents(); // the repaint the change asked for
        QApplication::processEvents();
        QImage full(v.size(), QImage::Format_RGB32);
        QPainter painter(&full);
        v.PaintFrameAfresh(painter);
        EXPECT_TRUE(f.screen()
                        ->grabWindow(f.winId(), at.x(), at.y(), v.width(), v.height())
                        .toImage()
                        .convertToFormat(QImage::Format_RGB32) == full)
            << "step " << i;
    }
}

TEST_F(FrameFixture, ArrowKeysReachingTheFrameScrollTheView) {
    CGPSMapFrame& f = StartFrame();
    const int step = f.View().Geometry().ClientWidth() / 5;
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.View(), &right); // the view passes keys on to the frame
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.View(), &down);
    EXPECT_EQ(f.View().Geometry().ScrollOffset(), (view::ViewPoint{step, step}));
}

TEST(FileFilters, TranslateToQtSyntax) {
    EXPECT_EQ(CGPSMapFrame::QtFileFilters(kMapFilter),
              (QStringList{"Compressed Image Files (*.gif *.png *.jpg)", "GIF Images (*.gif)",
                           "Portable Network Graphics (*.png)", "JPEG Images (*.jpg)",
                           "Bitmap Images (*.bmp)", "All Files (*)"}));
    // Load Map opens on all maps, then the handheld's entries with each other kind of map file
    // between the images and all files.
    const QStringList maps = CGPSMapFrame::QtFileFilters(CGPSMapFrame::MapFilter());
    const auto kinds = std::ranges::count_if(map::MapFormats(), [](const map::MapFormat& f) {
        return f.kind != map::MapFileKind::Image;
    });
    EXPECT_EQ(maps.size(), 7 + kinds);
    EXPECT_EQ(maps.mid(1, 5), CGPSMapFrame::QtFileFilters(kMapFilter).first(5));
    EXPECT_EQ(maps.last(), "All Files (*)");
    EXPECT_TRUE(maps.contains("OziExplorer Maps (*.map)")) << maps.join(", ").toStdString();
    EXPECT_EQ(CGPSMapFrame::QtFileFilters(kTrailSaveFilter),
              (QStringList{"QUILO Trails (*.trl)", "Google KML (*.kml)", "GPX 1.1 (*.gpx)"}));
    EXPECT_EQ(CGPSMapFrame::QtFileFilters(CGPSMapFrame::TrailLoadFilter()),
              (QStringList{"All trails (*.trl *.TRL *.kml *.KML *.gpx *.GPX)",
                           "QUILO Trails (*.trl)", "GPX Tracks (*.gpx)"}));
}

TEST_F(FrameFixture, LoadMapAndLoadTrailOpenOnEveryFileTheyRead) {
    CGPSMapFrame& f = StartFrame();
    const QString files = dir.filePath("files");
    ASSERT_TRUE(QDir().mkpath(files));
    // A KML is a ground overlay or a trail, as its content tells.
    const QStringList maps{"a.tif",  "b.jpg", "b.jgw", "c.map", "d.kmz", "e.mbtiles",
                           "s.jpeg", "s.JPG", "s.bmp", "s.Png", "x.kml"};
    const QStringList trails{"w.trl", "w.gpx", "W.GPX", "x.kml"};
    const QStringList tracks = trails + QStringList{"notes.txt", "w.qjr"};
    for (const QString& name : maps + trails + QStringList{"notes.txt", "w.qjr"})
        ASSERT_TRUE(QFile(files + '/' + name).open(QIODevice::WriteOnly));
    for (const auto& [command, first, expected] : {std::tuple{kCmdLoadMap, "All maps (", maps},
                                                   {kCmdLoadTrail, "All trails (", trails},
                                                   {kCmdOpenTracks, "All tracks (", tracks}}) {
        QStringList listed;
        testsupport::WhenModal<QFileDialog>([&](QFileDialog& d) {
            EXPECT_TRUE(d.selectedNameFilter().startsWith(first));
            d.setDirectory(files);
            const auto* model = d.findChild<QFileSystemModel*>();
            // The folder is read on a thread; a file filtered out is missing or disabled.
            PumpUntil([&] {
                listed.clear();
                const QModelIndex folder = model->index(files);
                for (int i = 0; i < model->rowCount(folder); ++i)
                    if (model->flags(model->index(i, 0, folder)) & Qt::ItemIsEnabled)
                        listed << model->fileName(model->index(i, 0, folder));
                return listed.size() >= expected.size();
            });
            d.reject();
        });
        f.OnCommand(command);
        QStringList want = expected;
        want.sort();
        listed.sort();
        EXPECT_EQ(listed, want) << first;
    }
}

TEST(GpsAppStartUp, EndsWithAMessageWhenTheFrameCannotBeCreated) {
    MessageCatcher catcher;
    MemorySettingsStore memory;
    const struct {
        const char* legend;
        GpsApp::FrameFactory factory;
    } failures[] = {
        {"no frame", [](SettingsStore&) { return std::unique_ptr<CGPSMapFrame>(); }},
        {"out of memory",
         [](SettingsStore&) -> std::unique_ptr<CGPSMapFrame> { throw std::bad_alloc(); }},
        {"view already made",
         [](SettingsStore& s) {
             auto frame = std::make_unique<CGPSMapFrame>(s);
             frame->Create();
             return frame;
         }},
    };
    for (const auto& row : failures) {
        catcher.messages.clear();
        GpsApp app(memory);
        app.SetFrameFactory(row.factory);
        EXPECT_FALSE(app.InitInstance(false)) << row.legend;
        EXPECT_EQ(app.Frame(), nullptr) << row.legend;
        ASSERT_EQ(catcher.messages.size(), 1u) << row.legend;
        EXPECT_EQ(catcher.messages[0].caption, "Error") << row.legend;
    }

    GpsApp working(memory);
    EXPECT_TRUE(working.InitInstance(false));
    ASSERT_NE(working.Frame(), nullptr);
    EXPECT_TRUE(working.Frame()->HasView());
}

namespace {

// The statistics read the journal the view was given; without one they say so.
TEST_F(FrameFixture, TrailStatisticsReadTheJournal) {
    CGPSMapFrame& f = StartFrame();
    f.OnCommand(kCmdTrailStatistics);
    ASSERT_EQ(catcher.messages.size(), 1u);
    EXPECT_EQ(catcher.messages[0].text, "The trail is not being recorded.");
    EXPECT_EQ(catcher.messages[0].caption, "Trail Statistics");

    QTemporaryDir state;
    f.Commands().OpenJournal(state.filePath("trail.qjr").toStdString());
    f.OnCommand(kCmdTrailStatistics);
    ASSERT_EQ(catcher.messages.size(), 2u);
    EXPECT_TRUE(catcher.messages[1].text.startsWith("Length: 0.00 km\n"))
        << catcher.messages[1].text.toStdString();
    EXPECT_TRUE(QFileInfo::exists(state.filePath("trail.qjr")));

    // A journal damaged before a good record is told once, in a box, when the events run.
    const std::string damaged = state.filePath("damaged.qjr").toStdString();
    std::string bytes = trail::EncodeJournalHeader();
    for (int i = 0; i < 2; ++i)
        bytes += trail::EncodeJournalRecord(trail::JournalEntry::Break(0));
    bytes[16 + 10] ^= 1;
    testsupport::WriteBytes(damaged, bytes);
    f.Commands().OpenJournal(damaged);
    EXPECT_EQ(catcher.messages.size(), 2u);
    ASSERT_TRUE(testsupport::PumpUntil([&] { return catcher.messages.size() == 3u; }));
    EXPECT_EQ(catcher.messages[2].caption, "Warning");
    EXPECT_TRUE(catcher.messages[2].text.endsWith("kept as " + state.filePath("damaged.1.qjr")));
}

// Tracks open whole beside the map, in their colours or by value with a legend, are listed,
// hidden, removed, and come back with their colouring at the next start.
TEST_F(FrameFixture, TracksShowWholeInTheirColoursAndComeBack) {
    CGPSMapFrame& f = StartFrame(QSize(900, 700));
    QString why;
    ASSERT_TRUE(demo::WriteDemoMap(dir.path(), &why)) << why.toStdString();
    ASSERT_TRUE(f.LoadMapFile(demo::DemoMapImagePath(dir.path())));
    // 500 m at 30 km/h, half a minute's stop, 250 m at 15 km/h climbing 60 m, on the map.
    const std::string nmea = dir.filePath("drive.nmea").toStdString();
    const std::string gpx = dir.filePath("drive.gpx").toStdString();
    testsupport::WriteBytes(
        nmea, testsupport::NmeaDrive({{30, 60}, {0, 30}, {15, 60, 1}}, MapPos(-1.90, 52.228)));
    if (!testsupport::GpsbabelGpx(nmea, gpx))
        GTEST_SKIP() << "gpsbabel is not installed";
    QSignalSpy finished(&f.Tracks().Loader(), &view::TrackLoader::Finished);
    f.Tracks().OpenTracks(
        {QString::fromStdString(gpx), QString::fromStdString(nmea), dir.filePath("gone.gpx")});
    ASSERT_TRUE(finished.wait(10000));
    ASSERT_EQ(catcher.messages.size(), 1u) << "the file that is gone, in one box";
    EXPECT_TRUE(catcher.messages[0].text.contains("gone.gpx"));
    TracksDock& dock = f.Tracks().Dock();
    ASSERT_EQ(dock.List()->topLevelItemCount(), 2);
    EXPECT_EQ(dock.List()->topLevelItem(0)->text(1), "0.75 km");
    EXPECT_TRUE(f.Action(kCmdTracksList)->isChecked());

    dock.List()->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    dock.Select(0);
    dock.ZoomToSelected();
    const auto count = [&f](const std::function<bool(QRgb)>& wanted) {
        QImage frame(f.View().size(), QImage::Format_RGB32);
        QPainter painter(&frame);
        f.View().PaintFrame(painter);
        int n = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                n += wanted(frame.pixel(x, y)) ? 1 : 0;
        return n;
    };
    const auto colour = [](std::uint32_t rgb) {
        return [rgb](QRgb p) { return (p & 0xFFFFFFu) == rgb; };
    };
    const struct {
        const char* legend;
        std::uint32_t rgb;
        int least, most;
    } plain[] = {
        {"the shown track, whole, in the first colour", trail::TrackSet::kPalette[0], 400, 1000000},
        {"the hidden one not at all", trail::TrackSet::kPalette[1], 0, 0},
    };
    for (const auto& row : plain) {
        const int n = count(colour(row.rgb));
        EXPECT_TRUE(n >= row.least && n <= row.most) << row.legend << ": " << n;
    }
    // By elevation: the flat part at the low end of the ramp, the track's own colour gone.
    f.OnCommand(kCmdColourElevation);
    EXPECT_LT(count(colour(trail::TrackSet::kPalette[0])), 40) << "its name alone";
    EXPECT_EQ(f.View().ColourLimits(), (trail::ValueLimits{500, 560})) << "as the legend says";
    // The live trail by the same measure: its newest sample, at the top of the climb, red and
    // faded only by its age.
    f.LoadTrailFile(QString::fromStdString(gpx));
    EXPECT_GT(
        count(colour(trail::FadedColour(0xE60000, view::kTrailLevels - 1, view::kTrailLevels))), 0);
    EXPECT_GT(count(colour(0x0000FF)), 100) << "the flat part";

    dock.Select(1);
    dock.RemoveSelected();
    EXPECT_EQ(dock.List()->topLevelItemCount(), 1);
    f.Tracks().Profile().ShowTrack(0);
    f.close();
    StopFrame();
    CGPSMapFrame& again = StartFrame();
    EXPECT_TRUE(again.Action(kCmdColourElevation)->isChecked()) << "before any track is open";
    QSignalSpy restored(&again.Tracks().Loader(), &view::TrackLoader::Finished);
    again.Tracks().Restore();
    ASSERT_TRUE(restored.wait(10000));
    ASSERT_EQ(again.View().Session().Tracks().Size(), 1u);
    EXPECT_EQ(again.View().Session().Tracks().All()[0].path, gpx);
    EXPECT_EQ(again.Tracks().Profile().ShownTrack(), 0u) << "the track profiled last time";
}

// The profile of the track chosen in the list: a tap on the profile puts the marker on the map
// at that point of the track, a tap on the track on the map moves the profile's cursor there;
// the dock comes back at the next start.
TEST_F(FrameFixture, ProfileCursorAndMapMarkerFollowEachOther) {
    CGPSMapFrame& f = StartFrame(QSize(900, 700));
    QString why;
    ASSERT_TRUE(demo::WriteDemoMap(dir.path(), &why)) << why.toStdString();
    ASSERT_TRUE(f.LoadMapFile(demo::DemoMapImagePath(dir.path())));
    view::MapView& v = f.View();
    // 400 m east, a point every 2 pixels (4 m), climbing a metre a point.
    trail::TrackSegment walk;
    for (int i = 0; i <= 100; ++i)
        walk.push_back(
            {demo::PixelToGeo({500.0 + 2 * i, 700}), 1'765'188'000'000 + i * 1000LL, 100.0 + i});
    v.Change([&walk](session::MapSession& session) {
        session.Tracks().Add({.path = "walk.gpx", .name = "walk", .track = {walk}});
        return session::Changes(session::Changed::Trail);
    });
    f.OnCommand(kCmdProfile);
    ASSERT_TRUE(f.Action(kCmdProfile)->isChecked());
    ProfileDock& profile = f.Tracks().Profile();
    ASSERT_TRUE(PumpUntil([&profile] { return profile.Plot().width() > 500; }));
    v.CentreOn(MapPos(600, 700));
    f.Tracks().Dock().Refresh();
    f.Tracks().Dock().Select(0);
    ASSERT_EQ(profile.ShownTrack(), 0u);
    ASSERT_EQ(profile.Series().Samples().size(), walk.size());

    const auto onView = [&v](const MapPos& geo) {
        const std::optional<view::ViewPoint> at = v.Geometry().ImageToScreen(
            v.Session().Georeference().ToPixel(geo), v.Geometry().PaintOffset());
        return at ? QPoint(at->x, at->y) : QPoint(-1, -1);
    };
    view::ProfilePlot& plot = profile.Plot();
    QTest::mouseClick(&plot, Qt::LeftButton, {}, QPoint(*plot.XOf(60), plot.height() / 2));
    ASSERT_EQ(plot.Cursor(), 60u);
    ASSERT_EQ(v.Overlays().profileMarker, walk[60].position);
    QImage frame(v.size(), QImage::Format_RGB32);
    {
        QPainter painter(&frame);
        v.PaintFrame(painter);
    }
    const QPoint marker = onView(walk[60].position);
    int magenta = 0;
    for (int y = marker.y() - 9; y <= marker.y() + 9; ++y)
        for (int x = marker.x() - 9; x <= marker.x() + 9; ++x)
            magenta += frame.valid(x, y) && (frame.pixel(x, y) & 0xFFFFFFu) == 0xFF00FFu ? 1 : 0;
    EXPECT_GT(magenta, 20) << "the marker drawn round the point";

    const struct {
        const char* legend;
        QPoint at;
        std::size_t cursor;
    } taps[] = {
        {"on the track, beside a point", onView(walk[20].position) + QPoint(0, 3), 20},
        {"far from it: the cursor stays", onView(walk[20].position) + QPoint(0, 80), 20},
        {"on its end", onView(walk[100].position), 100},
    };
    for (const auto& tap : taps) {
        QTest::mouseClick(&v, Qt::LeftButton, {}, tap.at);
        EXPECT_EQ(plot.Cursor(), tap.cursor) << tap.legend;
        EXPECT_EQ(v.Overlays().profileMarker, walk[tap.cursor].position) << tap.legend;
    }
    // Terrain heights beside the receiver's, none east of the middle: hatched there, and the
    // stretch without them given to name its tiles once.
    const double middle = walk[50].position.x;
    std::size_t stretches = 0;
    profile.SetDem(
        [middle](double, double lon) { return lon <= middle ? std::optional(90.0) : std::nullopt; },
        [&stretches](const std::vector<MapPos>& places) {
            stretches = places.size();
            return std::vector<std::string>{"N52W002"};
        });
    EXPECT_EQ(stretches, 1u);
    QImage graph(plot.size(), QImage::Format_RGB32);
    {
        QPainter painter(&graph);
        plot.Paint(painter);
    }
    const auto hatched = [&graph](int from, int to) {
        int count = 0;
        for (int y = 0; y < graph.height(); ++y)
            for (int x = from; x < to; ++x)
                count += (graph.pixel(x, y) & 0xFFFFFFu) == 0xC82828u ? 1 : 0;
        return count;
    };
    EXPECT_EQ(hatched(0, *plot.XOf(49)), 0) << "where the terrain has heights";
    EXPECT_GT(hatched(*plot.XOf(52), graph.width()), 40) << "where it has none";
    // The DEM folder chosen in the window: its tile's heights beside the receiver's.
    const MapPos start = walk.front().position;
    const terrain::TileKey key{static_cast<int>(std::floor(start.y)),
                               static_cast<int>(std::floor(start.x))};
    ASSERT_TRUE(QDir(dir.path()).mkpath("dem"));
    terraintest::WriteHgt(
        dir.filePath("dem/" + QString::fromStdString(terrain::TileName(key)) + ".hgt")
            .toStdString(),
        1201, [](int, int) { return 321; });
    f.Terrain().UseDemFolder(dir.filePath("dem"));
    ASSERT_TRUE(profile.Series().HasDem());
    EXPECT_EQ(profile.Series().Samples().front().demM, 321.0);
    EXPECT_EQ(profile.Series().Samples().back().demM, 321.0);
    f.close();
    StopFrame();
    EXPECT_TRUE(StartFrame().Action(kCmdProfile)->isChecked());
}

// The ruler on a calibrated map: taps lay its legs, the box says them, Escape ends it.
TEST_F(FrameFixture, RulerLegsFollowTapsUntilEscape) {
    CGPSMapFrame& f = StartFrame(QSize(600, 500));
    EXPECT_FALSE(f.Action(kCmdRuler)->isEnabled()) << "no map, nothing to measure on";
    QString why;
    ASSERT_TRUE(demo::WriteDemoMap(dir.path(), &why)) << why.toStdString();
    ASSERT_TRUE(f.LoadMapFile(demo::DemoMapImagePath(dir.path())));
    f.OnCommand(kCmdRuler);
    ASSERT_TRUE(f.Action(kCmdRuler)->isChecked());
    // 2 m a pixel: 150 pixels east, then 100 south.
    for (const QPoint at : {QPoint(100, 200), QPoint(250, 200), QPoint(250, 300)})
        QTest::mouseClick(&f.View(), Qt::LeftButton, {}, at);
    ASSERT_EQ(f.View().Overlays().ruler->size(), 3u);
    QImage frame(f.View().size(), QImage::Format_RGB32);
    {
        QPainter painter(&frame);
        f.View().PaintFrame(painter);
    }
    int yellow = 0;
    for (int x = 100; x <= 250; ++x) {
        bool any = false;
        for (int y = 198; y <= 202; ++y)
            any = any || (frame.pixel(x, y) & 0xFFFFFFu) == 0xFFE600u;
        yellow += any ? 1 : 0;
    }
    EXPECT_GT(yellow, 140) << "the first leg drawn along its row";
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_FALSE(f.View().Overlays().ruler);
    EXPECT_FALSE(f.Action(kCmdRuler)->isChecked());
}

} // namespace
