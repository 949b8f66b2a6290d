#pragma once

#include "view/ViewGeometry.h"

#include <array>
#include <string_view>

// Every command of the frame's menus and toolbar, declared once: the menus, the toolbar and the
// persisted show flags are built from these tables, so an identifier or text lives in one place.
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
    kCmdMenuFollowGps = 32831,
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
    kCmdAppExit = 57665, // Ctrl+Q: closes without saving the show flags
    kCmdViewToolbar = 59392,
};

// How a menu item shows its state.
enum class ItemKind {
    Plain,
    Check,       // a check mark that follows a state
    ZoomRadio,   // one radio mark in the Zoom submenu, or none after zoom in/out
    FormatRadio, // one radio mark in Coord Format: the format in use
    RecentList,  // a submenu of the maps last loaded, newest first
};

struct MenuItemDef {
    std::string_view menu;    // "File", "View", "Map", "GPS", "Help"
    std::string_view submenu; // "" or "Zoom", "Show", "Coord Format"
    std::string_view text;
    int id;
    ItemKind kind;
};

inline constexpr std::array<std::string_view, 5> kMenuTitles = {"File", "View", "Map", "GPS",
                                                                "Help"};

inline constexpr std::array<MenuItemDef, 51> kMenuItems = {{
    {"File", "", "Load Map...", kCmdLoadMap, ItemKind::Plain},
    {"File", "", "Open Map Folder...", kCmdOpenMapFolder, ItemKind::Plain},
    {"File", "", "Recent Maps", kCmdRecentMaps, ItemKind::RecentList},
    {"File", "", "Load Trail...", kCmdLoadTrail, ItemKind::Plain},
    {"File", "", "Save Trail...", kCmdSaveTrail, ItemKind::Plain},
    {"File", "", "Exit", kCmdExit, ItemKind::Plain},
    {"View", "Zoom", "Zoom In", kCmdZoomIn, ItemKind::Plain},
    {"View", "Zoom", "Zoom Out", kCmdZoomOut, ItemKind::Plain},
    {"View", "Zoom", "800%", kCmdZoom800, ItemKind::ZoomRadio},
    {"View", "Zoom", "400%", kCmdZoom400, ItemKind::ZoomRadio},
    {"View", "Zoom", "200%", kCmdZoom200, ItemKind::ZoomRadio},
    {"View", "Zoom", "150%", kCmdZoom150, ItemKind::ZoomRadio},
    {"View", "Zoom", "100%", kCmdZoom100, ItemKind::ZoomRadio},
    {"View", "Zoom", "75%", kCmdZoom75, ItemKind::ZoomRadio},
    {"View", "Zoom", "50%", kCmdZoom50, ItemKind::ZoomRadio},
    {"View", "Zoom", "25%", kCmdZoom25, ItemKind::ZoomRadio},
    {"View", "Show", "GPS Trail", kCmdMenuGpsTrail, ItemKind::Check},
    {"View", "Show", "Status Info", kCmdStatusInfo, ItemKind::Check},
    {"View", "Show", "Cursor Info", kCmdCursorInfo, ItemKind::Check},
    {"View", "Show", "Map Points", kCmdMenuMapPoints, ItemKind::Check},
    {"View", "Show", "Labels", kCmdMenuLabels, ItemKind::Check},
    {"View", "Show", "Grid Overlay", kCmdGridOverlay, ItemKind::Check},
    {"View", "Coord Format", "dms", kCmdFormatDms, ItemKind::FormatRadio},
    {"View", "Coord Format", "dm", kCmdFormatDm, ItemKind::FormatRadio},
    {"View", "Coord Format", "d", kCmdFormatDeg, ItemKind::FormatRadio},
    {"View", "Coord Format", "UTM", kCmdFormatUtm, ItemKind::FormatRadio},
    {"View", "Coord Format", "MGRS", kCmdFormatMgrs, ItemKind::FormatRadio},
    {"View", "", "Map Centre", kCmdMapCentre, ItemKind::Plain},
    {"View", "", "Centre on GPS", kCmdCentreOnGps, ItemKind::Plain},
    {"View", "", "Follow GPS", kCmdMenuFollowGps, ItemKind::Check},
    {"View", "", "Switch Maps", kCmdSwitchMaps, ItemKind::Check},
    {"View", "", "Go to Position...", kCmdGoToPosition, ItemKind::Plain},
    {"View", "", "Trail Statistics...", kCmdTrailStatistics, ItemKind::Plain},
    {"View", "", "Full Screen", kCmdFullScreen, ItemKind::Check},
    {"View", "", "Toolbar", kCmdViewToolbar, ItemKind::Check},
    {"View", "", "Reopen Last Map", kCmdReopenLastMap, ItemKind::Check},
    {"Map", "", "Enter Calibration Point...", kCmdEnterCalibrationPoint, ItemKind::Plain},
    {"Map", "", "Calibration Points...", kCmdCalibrationPoints, ItemKind::Plain},
    {"Map", "", "Check Position...", kCmdCheckPosition, ItemKind::Plain},
    {"Map", "", "Edit Points...", kCmdEditPoints, ItemKind::Plain},
    {"Map", "", "Settings...", kCmdMapSettings, ItemKind::Plain},
    {"GPS", "", "Connect", kCmdGpsConnect, ItemKind::Plain},
    {"GPS", "", "Track", kCmdTrack, ItemKind::Check},
    {"GPS", "", "Store Position...", kCmdStorePosition, ItemKind::Plain},
    {"GPS", "", "Clear Trail", kCmdClearTrail, ItemKind::Plain},
    {"GPS", "", "Disconnect", kCmdGpsDisconnect, ItemKind::Plain},
    {"GPS", "", "Settings...", kCmdGpsSettings, ItemKind::Plain},
    {"Help", "", "About...", kCmdAbout, ItemKind::Plain},
    // Not in a drop-down: the menu bar's own toolbar button and the exit accelerator.
    {"", "", "Toolbar", kCmdMenuBarToolbar, ItemKind::Check},
    {"", "", "Quit", kCmdAppExit, ItemKind::Plain},
}};

// Keyboard shortcuts, in QKeySequence's portable text; a second key after a comma. Shown in
// the menus beside their items.
struct ShortcutDef {
    int id;
    std::string_view keys;
};

inline constexpr std::array<ShortcutDef, 11> kShortcuts = {{
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

enum class ToolbarIcon { ZoomIn, ZoomOut, CentreOnGps, FollowGps, GpsTrail, MapPoints, Labels };

struct ToolbarButtonDef {
    int id; // 0: a separator
    ToolbarIcon icon;
    std::string_view tip;
};

inline constexpr std::array<ToolbarButtonDef, 8> kToolbarButtons = {{
    {kCmdZoomIn, ToolbarIcon::ZoomIn, "Zoom In"},
    {kCmdZoomOut, ToolbarIcon::ZoomOut, "Zoom Out"},
    {kCmdButtonCentreOnGps, ToolbarIcon::CentreOnGps, "Centre on GPS"},
    {0, ToolbarIcon::ZoomIn, ""},
    {kCmdButtonFollowGps, ToolbarIcon::FollowGps, "Follow GPS"},
    {kCmdButtonGpsTrail, ToolbarIcon::GpsTrail, "GPS Trail"},
    {kCmdButtonMapPoints, ToolbarIcon::MapPoints, "Map Points"},
    {kCmdButtonLabels, ToolbarIcon::Labels, "Labels"},
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
inline constexpr std::string_view kMapDialogTitle = "QUILO Maps";

} // namespace app
