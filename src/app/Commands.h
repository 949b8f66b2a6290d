#pragma once

#include "base/Translatable.h"
#include "view/ViewGeometry.h"

#include <array>
#include <string_view>

// Every command of the frame's menus, the live display's, the context menu's and the toolbar's,
// declared once: the menus, the toolbar and the persisted show flags are built from these
// tables, so an identifier or text lives in one place.
namespace app {

enum Command : int {
    kCmdZoom25 = 32701,
    kCmdZoom50 = 32702,
    kCmdZoom75 = 32703,
    kCmdZoom100 = 32704,
    kCmdZoom150 = 32705,
    kCmdZoom200 = 32706,
    kCmdZoom400 = 32707,
    kCmdZoom800 = 32708,
    kCmdExit = 32774,
    kCmdLoadMap = 32778,
    kCmdCentreOnGps = 32792,
    kCmdStatusInfo = 32793,
    kCmdGpsConnect = 32814,
    kCmdGpsDisconnect = 32815,
    kCmdGpsSettings = 32818,
    kCmdClearTrail = 32819,
    kCmdMapSettings = 32827,
    kCmdEditPoints = 32828,
    kCmdMenuMapPoints = 32829,
    kCmdNewPointAtCursor = 32830, // the context menu's
    kCmdMenuFollowGps = 32831,
    kCmdGoToGpsPosition = 32833, // the context menu's
    kCmdGoToMapCentre = 32834,   // the context menu's
    kCmdStorePosition = 32835,
    kCmdMapCentre = 32836,
    kCmdCursorInfo = 32837,
    kCmdAbout = 32841,
    kCmdMenuLabels = 32842,
    kCmdButtonFollowGps = 32845,
    kCmdZoomIn = 32846,
    kCmdZoomOut = 32847,
    kCmdMenuBarToolbar = 32848,
    kCmdButtonCentreOnGps = 32849,
    kCmdButtonMapPoints = 32851,
    kCmdButtonLabels = 32852,
    kCmdButtonGpsTrail = 32854,
    kCmdMenuGpsTrail = 32855,
    kCmdSaveTrail = 32857,
    kCmdLoadTrail = 32858,
    kCmdTrack = 32859,
    kCmdEnterCalibrationPoint = 32861,
    kCmdFormatDms = 32863,
    kCmdFormatDm = 32864,
    kCmdFormatDeg = 32865,
    kCmdFormatUtm = 32866, // the formats' ids run in CoordFormat's order
    kCmdFormatMgrs = 32867,
    kCmdGoToPosition = 32870,
    kCmdFullScreen = 32871,
    kCmdReopenLastMap = 32872,
    kCmdCalibrationPoints = 32873,
    kCmdCheckPosition = 32874,
    kCmdRecentMaps = 32875, // the submenu; its entries are kCmdRecentMap1 onwards
    kCmdTrailStatistics = 32876,
    kCmdGridOverlay = 32877,
    kCmdRecentMap1 = 32880,
    kCmdOpenMapFolder = 32896,
    kCmdSwitchMaps = 32897,
    kCmdWorldMap = 32898, // the submenu: Off, then the tile sources from kCmdWorldMap1 on
    kCmdWorldMapOff = 32899,
    kCmdWorldMap1 = 32900,
    kCmdWorkOffline = 32932,
    kCmdSaveMapArea = 32933,
    kCmdScanOpacity100 = 32934, // the map over the world map; ids run from opaque down
    kCmdScanOpacity75 = 32935,
    kCmdScanOpacity50 = 32936,
    kCmdScanOpacity25 = 32937,
    // The live display's, in their menus' order; a radio group's ids run in its values' order.
    kCmdDetailsPanel = 33001,
    kCmdHeadingArrow = 33002,
    kCmdAccuracyCircle = 33003,
    kCmdScaleBar = 33004,
    kCmdNightMode = 33005,
    kCmdNight25 = 33006,
    kCmdNight50 = 33007,
    kCmdNight75 = 33008,
    kCmdUnitsMetric = 33009,
    kCmdUnitsImperial = 33010,
    kCmdUnitsNautical = 33011,
    kCmdGoToPoint = 33012,
    kCmdStopGoTo = 33013,
    kCmdRadius10 = 33014,
    kCmdRadius25 = 33015,
    kCmdRadius50 = 33016,
    kCmdRadius100 = 33017,
    kCmdRadius250 = 33018,
    kCmdResetTrip = 33019,
    kCmdGoToHere = 33020, // the context menu's
    kCmdMapsHere = 33021, // the context menu's submenu of the folder's maps under the press
    // Course-up and the alarm circle.
    kCmdCourseUp = 33022,
    kCmdCourseSmoothing2 = 33023,
    kCmdCourseSmoothing5 = 33024,
    kCmdCourseSmoothing10 = 33025,
    kCmdCourseSmoothing20 = 33026,
    kCmdHeadingUp = 33027,
    kCmdAnchorAlarm = 33030,
    kCmdAlarmCircleHere = 33031, // the context menu's
    kCmdClearAlarm = 33032,
    kCmdAlarmRadius25 = 33033,
    kCmdAlarmRadius50 = 33034,
    kCmdAlarmRadius100 = 33035,
    kCmdAlarmRadius250 = 33036,
    kCmdAlarmRadius500 = 33037,
    kCmdAlarmGrace1 = 33038,
    kCmdAlarmGrace3 = 33039,
    kCmdAlarmGrace5 = 33040,
    kCmdAlarmGrace10 = 33041,
    kCmdKiosk = 33045,
    kCmdLargeToolbar = 33046,
    kCmdTouchTurn = 33047,
    kCmdShortcuts = 33048,
    kCmdUserGuide = 33049,
    kCmdThinPlateSpline = 33071,
    kCmdStretch0 = 33072,
    kCmdStretch1 = 33073,
    kCmdStretch2 = 33074,
    kCmdStretch5 = 33075,
    // Tracks, their colouring, the profile and the ruler; the colourings in ColourBy's order.
    kCmdOpenTracks = 33201,
    kCmdTracksList = 33202,
    kCmdRuler = 33204,
    kCmdColourPlain = 33205,
    kCmdColourSpeed = 33206,
    kCmdColourElevation = 33207,
    kCmdColourSlope = 33208,
    kCmdColourTime = 33209,
    kCmdColourLimits = 33210,
    // Terrain: the DEM folder, the shading and its opacities in TerrainCommands' order.
    kCmdDemFolder = 33220,
    kCmdHillShading = 33221,
    kCmdSlopeShading = 33222,
    kCmdShading25 = 33223,
    kCmdShading50 = 33224,
    kCmdShading75 = 33225,
    kCmdShading100 = 33226,
    kCmdProfile = 33211,
    kCmdAppExit = 57665, // Ctrl+Q: closes without saving the show flags
    kCmdViewToolbar = 59392,
};

// Tile sources World Map lists, at most.
inline constexpr std::size_t kWorldMapEntries = 32;
// The settings key of the map's opacity over the world map, in percent.
inline constexpr char kScanOpacityKey[] = "ScanOpacity";

// The menus, by id: an item names the id of its menu, never the menu's text, so a menu renamed
// keeps its items.
enum class Menu {
    None, // not in a menu: the menu bar's own toolbar button and the exit accelerator
    Bar,  // the menu bar itself
    File,
    View,
    Map,
    Gps,
    Help,
    Zoom,
    Show,
    CoordFormat,
    NightDimming,
    Units,
    ArrivalRadius,
    CourseSmoothing,
    AlarmRadius,
    AlarmGrace,
    ColourBy,
    Stretch,
    ScanOpacity,
    ShadingOpacity,
    Context, // the map's context menu, opened by a hold or a right click
};

struct MenuDef {
    Menu id;
    Menu parent;
    std::string_view title;
};

// The menu bar's menus in their order, then the submenus, each where its first item comes.
inline constexpr std::array<MenuDef, 19> kMenus = {{
    {Menu::File, Menu::Bar, QUILO_TRANSLATABLE("Menu", "File")},
    {Menu::View, Menu::Bar, QUILO_TRANSLATABLE("Menu", "View")},
    {Menu::Map, Menu::Bar, QUILO_TRANSLATABLE("Menu", "Map")},
    {Menu::Gps, Menu::Bar, QUILO_TRANSLATABLE("Menu", "GPS")},
    {Menu::Help, Menu::Bar, QUILO_TRANSLATABLE("Menu", "Help")},
    {Menu::Zoom, Menu::View, QUILO_TRANSLATABLE("Menu", "Zoom")},
    {Menu::Show, Menu::View, QUILO_TRANSLATABLE("Menu", "Show")},
    {Menu::CoordFormat, Menu::View, QUILO_TRANSLATABLE("Menu", "Coord Format")},
    {Menu::NightDimming, Menu::View, QUILO_TRANSLATABLE("Menu", "Night Dimming")},
    {Menu::Units, Menu::View, QUILO_TRANSLATABLE("Menu", "Units")},
    {Menu::ArrivalRadius, Menu::Gps, QUILO_TRANSLATABLE("Menu", "Arrival Radius")},
    {Menu::CourseSmoothing, Menu::View, QUILO_TRANSLATABLE("Menu", "Course Smoothing")},
    {Menu::AlarmRadius, Menu::Gps, QUILO_TRANSLATABLE("Menu", "Alarm Radius")},
    {Menu::AlarmGrace, Menu::Gps, QUILO_TRANSLATABLE("Menu", "Alarm Grace")},
    {Menu::ColourBy, Menu::View, QUILO_TRANSLATABLE("Menu", "Colour By")},
    {Menu::Stretch, Menu::Map, QUILO_TRANSLATABLE("Menu", "Stretch")},
    {Menu::ScanOpacity, Menu::View, QUILO_TRANSLATABLE("Menu", "Scan Opacity")},
    {Menu::ShadingOpacity, Menu::View, QUILO_TRANSLATABLE("Menu", "Shading Opacity")},
    {Menu::Context, Menu::None, QUILO_TRANSLATABLE("Menu", "Context")},
}};

// How a menu item shows its state.
enum class ItemKind {
    Plain,
    Check,     // a check mark that follows a state
    Radio,     // one mark among the radio items of its menu, or none (zoom in/out leave none)
    List,      // a submenu whose entries its owner fills: the recent maps, the maps here
    Separator, // id 0
};

struct MenuItemDef {
    Menu menu;
    std::string_view text;
    int id;
    ItemKind kind;
};

inline constexpr std::array<MenuItemDef, 131> kMenuItems = {{
    {Menu::File, QUILO_TRANSLATABLE("Menu", "Load Map..."), kCmdLoadMap, ItemKind::Plain},
    {Menu::File, QUILO_TRANSLATABLE("Menu", "Open Map Folder..."), kCmdOpenMapFolder,
     ItemKind::Plain},
    {Menu::File, QUILO_TRANSLATABLE("Menu", "Recent Maps"), kCmdRecentMaps, ItemKind::List},
    {Menu::File, QUILO_TRANSLATABLE("Menu", "Load Trail..."), kCmdLoadTrail, ItemKind::Plain},
    {Menu::File, QUILO_TRANSLATABLE("Menu", "Save Trail..."), kCmdSaveTrail, ItemKind::Plain},
    {Menu::File, QUILO_TRANSLATABLE("Menu", "Save Map Area..."), kCmdSaveMapArea, ItemKind::Plain},
    {Menu::File, QUILO_TRANSLATABLE("Menu", "Work Offline"), kCmdWorkOffline, ItemKind::Check},
    {Menu::File, QUILO_TRANSLATABLE("Menu", "Open Tracks..."), kCmdOpenTracks, ItemKind::Plain},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Tracks"), kCmdTracksList, ItemKind::Check},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Ruler"), kCmdRuler, ItemKind::Check},
    {Menu::ColourBy, QUILO_TRANSLATABLE("Menu", "Plain"), kCmdColourPlain, ItemKind::Radio},
    {Menu::ColourBy, QUILO_TRANSLATABLE("Menu", "Speed"), kCmdColourSpeed, ItemKind::Radio},
    {Menu::ColourBy, QUILO_TRANSLATABLE("Menu", "Elevation"), kCmdColourElevation, ItemKind::Radio},
    {Menu::ColourBy, QUILO_TRANSLATABLE("Menu", "Slope"), kCmdColourSlope, ItemKind::Radio},
    {Menu::ColourBy, QUILO_TRANSLATABLE("Menu", "Time"), kCmdColourTime, ItemKind::Radio},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Colour Limits..."), kCmdColourLimits, ItemKind::Plain},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Hill Shading"), kCmdHillShading, ItemKind::Check},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Slope Shading"), kCmdSlopeShading, ItemKind::Check},
    {Menu::ShadingOpacity, "25%", kCmdShading25, ItemKind::Radio},
    {Menu::ShadingOpacity, "50%", kCmdShading50, ItemKind::Radio},
    {Menu::ShadingOpacity, "75%", kCmdShading75, ItemKind::Radio},
    {Menu::ShadingOpacity, "100%", kCmdShading100, ItemKind::Radio},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Profile"), kCmdProfile, ItemKind::Check},
    {Menu::View, "", 0, ItemKind::Separator},
    {Menu::File, QUILO_TRANSLATABLE("Menu", "Exit"), kCmdExit, ItemKind::Plain},
    {Menu::Zoom, QUILO_TRANSLATABLE("Menu", "Zoom In"), kCmdZoomIn, ItemKind::Plain},
    {Menu::Zoom, QUILO_TRANSLATABLE("Menu", "Zoom Out"), kCmdZoomOut, ItemKind::Plain},
    {Menu::Zoom, "800%", kCmdZoom800, ItemKind::Radio},
    {Menu::Zoom, "400%", kCmdZoom400, ItemKind::Radio},
    {Menu::Zoom, "200%", kCmdZoom200, ItemKind::Radio},
    {Menu::Zoom, "150%", kCmdZoom150, ItemKind::Radio},
    {Menu::Zoom, "100%", kCmdZoom100, ItemKind::Radio},
    {Menu::Zoom, "75%", kCmdZoom75, ItemKind::Radio},
    {Menu::Zoom, "50%", kCmdZoom50, ItemKind::Radio},
    {Menu::Zoom, "25%", kCmdZoom25, ItemKind::Radio},
    {Menu::Show, QUILO_TRANSLATABLE("Menu", "GPS Trail"), kCmdMenuGpsTrail, ItemKind::Check},
    {Menu::Show, QUILO_TRANSLATABLE("Menu", "Status Info"), kCmdStatusInfo, ItemKind::Check},
    {Menu::Show, QUILO_TRANSLATABLE("Menu", "Cursor Info"), kCmdCursorInfo, ItemKind::Check},
    {Menu::Show, QUILO_TRANSLATABLE("Menu", "Map Points"), kCmdMenuMapPoints, ItemKind::Check},
    {Menu::Show, QUILO_TRANSLATABLE("Menu", "Labels"), kCmdMenuLabels, ItemKind::Check},
    {Menu::Show, QUILO_TRANSLATABLE("Menu", "Grid Overlay"), kCmdGridOverlay, ItemKind::Check},
    {Menu::Show, QUILO_TRANSLATABLE("Menu", "Heading Arrow"), kCmdHeadingArrow, ItemKind::Check},
    {Menu::Show, QUILO_TRANSLATABLE("Menu", "Accuracy Circle"), kCmdAccuracyCircle,
     ItemKind::Check},
    {Menu::Show, QUILO_TRANSLATABLE("Menu", "Scale Bar"), kCmdScaleBar, ItemKind::Check},
    {Menu::CoordFormat, "dms", kCmdFormatDms, ItemKind::Radio},
    {Menu::CoordFormat, "dm", kCmdFormatDm, ItemKind::Radio},
    {Menu::CoordFormat, "d", kCmdFormatDeg, ItemKind::Radio},
    {Menu::CoordFormat, "UTM", kCmdFormatUtm, ItemKind::Radio},
    {Menu::CoordFormat, "MGRS", kCmdFormatMgrs, ItemKind::Radio},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Map Centre"), kCmdMapCentre, ItemKind::Plain},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Centre on GPS"), kCmdCentreOnGps, ItemKind::Plain},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Follow GPS"), kCmdMenuFollowGps, ItemKind::Check},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Switch Maps"), kCmdSwitchMaps, ItemKind::Check},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Go to Position..."), kCmdGoToPosition,
     ItemKind::Plain},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Trail Statistics..."), kCmdTrailStatistics,
     ItemKind::Plain},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Full Screen"), kCmdFullScreen, ItemKind::Check},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Toolbar"), kCmdViewToolbar, ItemKind::Check},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Reopen Last Map"), kCmdReopenLastMap, ItemKind::Check},
    {Menu::View, "", 0, ItemKind::Separator},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "GPS Details"), kCmdDetailsPanel, ItemKind::Check},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Night Mode"), kCmdNightMode, ItemKind::Check},
    {Menu::NightDimming, "25%", kCmdNight25, ItemKind::Radio},
    {Menu::NightDimming, "50%", kCmdNight50, ItemKind::Radio},
    {Menu::NightDimming, "75%", kCmdNight75, ItemKind::Radio},
    {Menu::Units, QUILO_TRANSLATABLE("Menu", "Metric"), kCmdUnitsMetric, ItemKind::Radio},
    {Menu::Units, QUILO_TRANSLATABLE("Menu", "Imperial"), kCmdUnitsImperial, ItemKind::Radio},
    {Menu::Units, QUILO_TRANSLATABLE("Menu", "Nautical"), kCmdUnitsNautical, ItemKind::Radio},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "World Map"), kCmdWorldMap, ItemKind::List},
    {Menu::ScanOpacity, "100%", kCmdScanOpacity100, ItemKind::Radio},
    {Menu::ScanOpacity, "75%", kCmdScanOpacity75, ItemKind::Radio},
    {Menu::ScanOpacity, "50%", kCmdScanOpacity50, ItemKind::Radio},
    {Menu::ScanOpacity, "25%", kCmdScanOpacity25, ItemKind::Radio},
    // Course-up.
    {Menu::View, "", 0, ItemKind::Separator},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Course Up"), kCmdCourseUp, ItemKind::Check},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Heading Up"), kCmdHeadingUp, ItemKind::Check},
    {Menu::CourseSmoothing, "2 s", kCmdCourseSmoothing2, ItemKind::Radio},
    {Menu::CourseSmoothing, "5 s", kCmdCourseSmoothing5, ItemKind::Radio},
    {Menu::CourseSmoothing, "10 s", kCmdCourseSmoothing10, ItemKind::Radio},
    {Menu::CourseSmoothing, "20 s", kCmdCourseSmoothing20, ItemKind::Radio},
    // For a touch screen on a dashboard.
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Kiosk Mode"), kCmdKiosk, ItemKind::Check},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Large Toolbar"), kCmdLargeToolbar, ItemKind::Check},
    {Menu::View, QUILO_TRANSLATABLE("Menu", "Two-Finger Turn"), kCmdTouchTurn, ItemKind::Check},
    {Menu::Map, QUILO_TRANSLATABLE("Menu", "Enter Calibration Point..."), kCmdEnterCalibrationPoint,
     ItemKind::Plain},
    {Menu::Map, QUILO_TRANSLATABLE("Menu", "Calibration Points..."), kCmdCalibrationPoints,
     ItemKind::Plain},
    {Menu::Map, QUILO_TRANSLATABLE("Menu", "Check Position..."), kCmdCheckPosition,
     ItemKind::Plain},
    {Menu::Map, QUILO_TRANSLATABLE("Menu", "Edit Points..."), kCmdEditPoints, ItemKind::Plain},
    {Menu::Map, QUILO_TRANSLATABLE("Menu", "Settings..."), kCmdMapSettings, ItemKind::Plain},
    // Rasters placed by many control points: through every one instead of the polynomial.
    {Menu::Map, QUILO_TRANSLATABLE("Menu", "Thin Plate Spline"), kCmdThinPlateSpline,
     ItemKind::Check},
    // Elevations and 16-bit scans: between their own low and high, or percentiles of them.
    {Menu::Stretch, QUILO_TRANSLATABLE("Menu", "Lowest to Highest"), kCmdStretch0, ItemKind::Radio},
    {Menu::Stretch, QUILO_TRANSLATABLE("Menu", "1% to 99%"), kCmdStretch1, ItemKind::Radio},
    {Menu::Stretch, QUILO_TRANSLATABLE("Menu", "2% to 98%"), kCmdStretch2, ItemKind::Radio},
    {Menu::Stretch, QUILO_TRANSLATABLE("Menu", "5% to 95%"), kCmdStretch5, ItemKind::Radio},
    {Menu::Map, QUILO_TRANSLATABLE("Menu", "DEM Folder..."), kCmdDemFolder, ItemKind::Plain},
    {Menu::Gps, QUILO_TRANSLATABLE("Menu", "Connect"), kCmdGpsConnect, ItemKind::Plain},
    {Menu::Gps, QUILO_TRANSLATABLE("Menu", "Track"), kCmdTrack, ItemKind::Check},
    {Menu::Gps, QUILO_TRANSLATABLE("Menu", "Store Position..."), kCmdStorePosition,
     ItemKind::Plain},
    {Menu::Gps, QUILO_TRANSLATABLE("Menu", "Clear Trail"), kCmdClearTrail, ItemKind::Plain},
    {Menu::Gps, QUILO_TRANSLATABLE("Menu", "Disconnect"), kCmdGpsDisconnect, ItemKind::Plain},
    {Menu::Gps, QUILO_TRANSLATABLE("Menu", "Settings..."), kCmdGpsSettings, ItemKind::Plain},
    {Menu::Gps, "", 0, ItemKind::Separator},
    {Menu::Gps, QUILO_TRANSLATABLE("Menu", "Go to Point..."), kCmdGoToPoint, ItemKind::Plain},
    {Menu::Gps, QUILO_TRANSLATABLE("Menu", "Stop Going to Point"), kCmdStopGoTo, ItemKind::Plain},
    {Menu::ArrivalRadius, "10 m", kCmdRadius10, ItemKind::Radio},
    {Menu::ArrivalRadius, "25 m", kCmdRadius25, ItemKind::Radio},
    {Menu::ArrivalRadius, "50 m", kCmdRadius50, ItemKind::Radio},
    {Menu::ArrivalRadius, "100 m", kCmdRadius100, ItemKind::Radio},
    {Menu::ArrivalRadius, "250 m", kCmdRadius250, ItemKind::Radio},
    {Menu::Gps, QUILO_TRANSLATABLE("Menu", "Reset Trip Meter"), kCmdResetTrip, ItemKind::Plain},
    // The alarm circle.
    {Menu::Gps, "", 0, ItemKind::Separator},
    {Menu::Gps, QUILO_TRANSLATABLE("Menu", "Anchor Alarm"), kCmdAnchorAlarm, ItemKind::Check},
    {Menu::Gps, QUILO_TRANSLATABLE("Menu", "Clear Alarm Circle"), kCmdClearAlarm, ItemKind::Plain},
    {Menu::AlarmRadius, "25 m", kCmdAlarmRadius25, ItemKind::Radio},
    {Menu::AlarmRadius, "50 m", kCmdAlarmRadius50, ItemKind::Radio},
    {Menu::AlarmRadius, "100 m", kCmdAlarmRadius100, ItemKind::Radio},
    {Menu::AlarmRadius, "250 m", kCmdAlarmRadius250, ItemKind::Radio},
    {Menu::AlarmRadius, "500 m", kCmdAlarmRadius500, ItemKind::Radio},
    {Menu::AlarmGrace, QUILO_TRANSLATABLE("Menu", "1 Fix"), kCmdAlarmGrace1, ItemKind::Radio},
    {Menu::AlarmGrace, QUILO_TRANSLATABLE("Menu", "3 Fixes"), kCmdAlarmGrace3, ItemKind::Radio},
    {Menu::AlarmGrace, QUILO_TRANSLATABLE("Menu", "5 Fixes"), kCmdAlarmGrace5, ItemKind::Radio},
    {Menu::AlarmGrace, QUILO_TRANSLATABLE("Menu", "10 Fixes"), kCmdAlarmGrace10, ItemKind::Radio},
    {Menu::Help, QUILO_TRANSLATABLE("Menu", "Keyboard Shortcuts..."), kCmdShortcuts,
     ItemKind::Plain},
    {Menu::Help, QUILO_TRANSLATABLE("Menu", "User Guide..."), kCmdUserGuide, ItemKind::Plain},
    {Menu::Help, QUILO_TRANSLATABLE("Menu", "About..."), kCmdAbout, ItemKind::Plain},
    {Menu::Context, QUILO_TRANSLATABLE("Menu", "New Point at Cursor"), kCmdNewPointAtCursor,
     ItemKind::Plain},
    {Menu::Context, QUILO_TRANSLATABLE("Menu", "Go to GPS Position"), kCmdGoToGpsPosition,
     ItemKind::Plain},
    {Menu::Context, QUILO_TRANSLATABLE("Menu", "Go to Map Centre"), kCmdGoToMapCentre,
     ItemKind::Plain},
    {Menu::Context, QUILO_TRANSLATABLE("Menu", "Maps Here"), kCmdMapsHere, ItemKind::List},
    {Menu::Context, QUILO_TRANSLATABLE("Menu", "Go to This Point"), kCmdGoToHere, ItemKind::Plain},
    {Menu::Context, QUILO_TRANSLATABLE("Menu", "Alarm Circle Here"), kCmdAlarmCircleHere,
     ItemKind::Plain},
    {Menu::None, QUILO_TRANSLATABLE("Menu", "Toolbar"), kCmdMenuBarToolbar, ItemKind::Check},
    {Menu::None, QUILO_TRANSLATABLE("Menu", "Quit"), kCmdAppExit, ItemKind::Plain},
}};

// Every item's menu is one of kMenus (or none): an item cannot name a menu that is not there.
constexpr bool EveryItemHasItsMenu() {
    for (const MenuItemDef& item : kMenuItems) {
        bool found = item.menu == Menu::None;
        for (const MenuDef& menu : kMenus)
            found = found || menu.id == item.menu;
        if (!found)
            return false;
    }
    return true;
}
static_assert(EveryItemHasItsMenu());

// Keyboard shortcuts, in QKeySequence's portable text; a second key after a comma. Shown in
// the menus beside their items.
struct ShortcutDef {
    int id;
    std::string_view keys;
};

inline constexpr std::array<ShortcutDef, 16> kShortcuts = {{
    {kCmdLoadMap, "Ctrl+O"},
    {kCmdSaveTrail, "Ctrl+S"},
    {kCmdLoadTrail, "Ctrl+L"},
    {kCmdZoomIn, "+,="}, // = is + without Shift on many layouts
    {kCmdZoomOut, "-"},
    {kCmdZoom100, "Ctrl+0"},
    {kCmdMenuFollowGps, "F"},
    {kCmdCentreOnGps, "C"},
    {kCmdMapCentre, "M"},
    {kCmdFullScreen, "F11"},
    {kCmdGoToPosition, "Ctrl+G"},
    {kCmdDetailsPanel, "D"},
    {kCmdNightMode, "N"},
    {kCmdCourseUp, "U"},
    {kCmdUserGuide, "F1"},
    {kCmdRuler, "R"},
}};

struct ZoomDef {
    int id;
    double factor;
};

inline constexpr std::array<ZoomDef, 8> kZoomLevels = {{{kCmdZoom25, 0.25},
                                                        {kCmdZoom50, 0.5},
                                                        {kCmdZoom75, 0.75},
                                                        {kCmdZoom100, 1.0},
                                                        {kCmdZoom150, 1.5},
                                                        {kCmdZoom200, 2.0},
                                                        {kCmdZoom400, 4.0},
                                                        {kCmdZoom800, 8.0}}};

inline constexpr double kZoomInStep = view::ViewGeometry::kZoomInStep;
inline constexpr double kZoomOutStep = view::ViewGeometry::kZoomOutStep;

enum class ToolbarIcon {
    ZoomIn,
    ZoomOut,
    CentreOnGps,
    FollowGps,
    GpsTrail,
    MapPoints,
    Labels,
    CourseUp,
    NightMode,
    HeadingUp,
};

struct ToolbarButtonDef {
    int id; // 0: a separator
    ToolbarIcon icon;
    std::string_view tip;
};

inline constexpr std::array<ToolbarButtonDef, 11> kToolbarButtons = {{
    {kCmdZoomIn, ToolbarIcon::ZoomIn, QUILO_TRANSLATABLE("Menu", "Zoom In")},
    {kCmdZoomOut, ToolbarIcon::ZoomOut, QUILO_TRANSLATABLE("Menu", "Zoom Out")},
    {kCmdButtonCentreOnGps, ToolbarIcon::CentreOnGps, QUILO_TRANSLATABLE("Menu", "Centre on GPS")},
    {0, ToolbarIcon::ZoomIn, ""},
    {kCmdButtonFollowGps, ToolbarIcon::FollowGps, QUILO_TRANSLATABLE("Menu", "Follow GPS")},
    {kCmdButtonGpsTrail, ToolbarIcon::GpsTrail, QUILO_TRANSLATABLE("Menu", "GPS Trail")},
    {kCmdButtonMapPoints, ToolbarIcon::MapPoints, QUILO_TRANSLATABLE("Menu", "Map Points")},
    {kCmdButtonLabels, ToolbarIcon::Labels, QUILO_TRANSLATABLE("Menu", "Labels")},
    {kCmdCourseUp, ToolbarIcon::CourseUp, QUILO_TRANSLATABLE("Menu", "Course Up")},
    {kCmdNightMode, ToolbarIcon::NightMode, QUILO_TRANSLATABLE("Menu", "Night Mode")},
    {kCmdHeadingUp, ToolbarIcon::HeadingUp, QUILO_TRANSLATABLE("Menu", "Heading Up")},
}};

// The states the frame keeps and persists.
enum class ShowFlag { GpsTrail, MapPoints, Labels, Toolbar, StatusInfo, CursorInfo, FollowGps };

// The four states held by a toolbar button and mirrored by a menu item.
struct ButtonToggleDef {
    ShowFlag flag;
    int buttonId;
    int menuId;
};

inline constexpr std::array<ButtonToggleDef, 4> kButtonToggles = {{
    {ShowFlag::FollowGps, kCmdButtonFollowGps, kCmdMenuFollowGps},
    {ShowFlag::MapPoints, kCmdButtonMapPoints, kCmdMenuMapPoints},
    {ShowFlag::Labels, kCmdButtonLabels, kCmdMenuLabels},
    {ShowFlag::GpsTrail, kCmdButtonGpsTrail, kCmdMenuGpsTrail},
}};

struct ShowKeyDef {
    std::string_view key;
    int defaultValue;
    ShowFlag flag;
    int writeRank; // Exit writes the keys in this order
};

// The persisted show flags, in the order they are read at start (a non-zero value runs the
// flag's toggle once). Exit, and only Exit, writes them in writeRank order.
inline constexpr std::array<ShowKeyDef, 7> kShowKeys = {{
    {"ShowGPSTrail", 1, ShowFlag::GpsTrail, 0},
    {"ShowMapPoints", 1, ShowFlag::MapPoints, 1},
    {"ShowLabels", 1, ShowFlag::Labels, 2},
    {"ShowToolbar", 0, ShowFlag::Toolbar, 6},
    {"ShowStatusInfo", 1, ShowFlag::StatusInfo, 4},
    {"ShowCursorInfo", 1, ShowFlag::CursorInfo, 5},
    {"FollowGPS", 1, ShowFlag::FollowGps, 3},
}};

// The file dialogs' filters, as description|pattern pairs ending in "||".
inline constexpr std::string_view kMapFilter =
    "Compressed Image Files|*.gif;*.png;*.jpg|GIF Images (*.gif)|*.gif|Portable Network "
    "Graphics (*.png)|*.png|JPEG Images (*.jpg)|*.jpg|Bitmap Images (*.bmp)|*.bmp|All Files "
    "(*.*)|*.*||";
inline constexpr std::string_view kTrailSaveFilter =
    "QUILO Trails (*.trl)|*.trl|Google KML (*.kml)|*.kml|GPX 1.1 (*.gpx)|*.gpx||";
inline constexpr std::string_view kTrailLoadFilter = "QUILO Trails|*.trl|GPX Tracks|*.gpx||";
inline constexpr std::string_view kTracksFilter =
    "GPX Tracks and Routes|*.gpx|Google KML|*.kml|QUILO Trails|*.trl|Trail Journals|*.qjr|NMEA "
    "Logs|*.nmea;*.log;*.txt||";
inline constexpr std::string_view kMapDialogTitle = "QUILO Maps";

} // namespace app
