#pragma once

#include "app/CommandRow.h"
#include "app/Commands.h"
#include "coords/CoordFormat.h"
#include "session/ShowFlags.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace view {
class GpsConnection;
class MapCommands;
class MapFolderCommands;
class MapLoader;
class MapView;
} // namespace view
class LiveCommands;
class TrackCommands;
class TerrainCommands;
class QAction;
class QMenu;
class QProgressBar;
class QPushButton;
class QToolBar;
class QToolButton;
class SettingsStore;
namespace session {
struct LastSession;
}

// The frame window: the menu bar with its toolbar toggle, the bottom toolbar and the map view
// filling the rest. Each command, the live display's and the context menu's too, is a row of a
// table: its handler (a call on the view, on the map commands beside it or on the live display)
// and the rules its check mark and enabled state follow. The frame keeps the seven show flags in
// the settings store.
class CGPSMapFrame : public QMainWindow {
    Q_OBJECT

public:
    // store must outlive the frame; the view reads its settings from it and Exit writes the
    // show flags into it.
    explicit CGPSMapFrame(SettingsStore& store, QWidget* parent = nullptr);
    ~CGPSMapFrame() override;

    // Creates the map view, the menus and the hidden toolbar, then applies the stored show
    // flags and turns Track on. False when called a second time.
    bool Create();

    [[nodiscard]] view::MapView& View() { return *view_; }
    [[nodiscard]] bool HasView() const { return view_ != nullptr; }
    // What loads the view's maps.
    [[nodiscard]] view::MapLoader& Loader() { return *loader_; }
    // The view's GPS link.
    [[nodiscard]] view::GpsConnection& Gps() { return *gps_; }
    [[nodiscard]] view::MapCommands& Commands() { return *commands_; }
    // The live display's panel and commands.
    [[nodiscard]] LiveCommands& Live() { return *live_; }
    // File > Open Tracks..., the Tracks list and the colouring by value.
    [[nodiscard]] TrackCommands& Tracks() { return *tracks_; }
    [[nodiscard]] TerrainCommands& Terrain() { return *terrain_; }
    // File > Open Map Folder... and the map folder's switch while following the GPS.
    [[nodiscard]] view::MapFolderCommands& MapFolder() { return *mapFolder_; }

    // Runs a command as a menu item, toolbar button or accelerator would.
    void OnCommand(int id);
    // The action behind a menu item or toolbar button (nullptr for an unknown id).
    [[nodiscard]] QAction* Action(int id) const;
    [[nodiscard]] QToolBar* ToolBar() const { return toolBar_; }
    [[nodiscard]] QToolButton* MenuBarToolbarButton() const { return toolbarToggle_; }

    // The view's zoom factor.
    [[nodiscard]] double ZoomFactor() const;
    [[nodiscard]] bool ShowStatusInfo() const { return flags_.statusInfo; }
    [[nodiscard]] bool ShowCursorInfo() const { return flags_.cursorInfo; }
    [[nodiscard]] bool Tracking() const { return flags_.tracking; }
    [[nodiscard]] bool ToolbarShown() const;
    // The state a toolbar toggle holds (Follow GPS, Map Points, Labels, GPS Trail).
    [[nodiscard]] bool ButtonState(app::ShowFlag flag) const;

    // The halves of the file commands after their dialog. A map loads in the background, with
    // a progress bar and Cancel over the map; the failure box comes when it ends. A map loaded
    // goes to the front of File > Recent Maps and names the window.
    void StartLoadMapFile(const QString& path);
    // The same, waiting for the load to end; true when its map shows.
    bool LoadMapFile(const QString& path);
    // The tile source at path under the map showing (View > World Map), or as the map when
    // none placed on the earth shows; wait as LoadMapFile does, else in the background.
    bool ShowWorldMap(const QString& path, bool wait);
    // The progress bar shown while a map loads in the background (nullptr before Create). It
    // lies over the map, above the cursor line, so the map area keeps its size and place.
    [[nodiscard]] QProgressBar* LoadProgress() const { return loadProgress_; }
    [[nodiscard]] QPushButton* LoadCancelButton() const { return loadCancel_; }
    void SaveTrailFile(const QString& path);
    void LoadTrailFile(const QString& path);

    // Started without a map: reopens the last session's map, zoom, scroll and window
    // geometry while Reopen Last Map is on; the map loads in the background, and its zoom and
    // scroll come with it. A map that is gone is named on the status line; one that cannot be
    // decoded is no longer the last map.
    void RestoreLastSession();
    // A file dropped on the window or given by name: an image loads as the map, a trail
    // (.trl, .gpx, .kml) as the trail; anything else is refused on the status line.
    void OpenDroppedFile(const QString& path);
    // Files dropped together: the maps among them as OpenDroppedFile takes a map, every track
    // file opened as a track.
    void OpenDroppedFiles(const QStringList& paths);
    // File > Recent Maps, newest first.
    [[nodiscard]] const std::vector<std::string>& RecentMaps() const { return recentMaps_; }

    // The map filter, first "All maps" (every kind of map file, in any case), then the handheld's
    // pairs with one for each kind of map file beyond the images they list.
    static std::string MapFilter();
    // "All trails" (every kind Load Trail reads, in any case), then the trail-load filter.
    static std::string TrailLoadFilter();
    // "All tracks" (every kind Open Tracks reads, in any case), then one for each kind.
    static std::string TracksFilter();
    // "Compressed Image Files|*.gif;*.png|..." -> {"Compressed Image Files (*.gif *.png)", ...}
    [[nodiscard]] static QStringList QtFileFilters(std::string_view filter);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    using CommandRow = app::CommandRow<CGPSMapFrame>;
    // Every command the frame runs itself, by id; LiveCommands::Rows has the live display's.
    static std::span<const CommandRow> CommandRows();
    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    void ApplyStoredShowFlags();
    void Toggle(app::ShowFlag flag);
    void SetZoom(double factor);
    void OnExit();
    void OnLoadMap();
    void OnSaveTrail();
    void OnLoadTrail();
    // Sets every check mark and enabled state by its row's rules; the live display follows.
    void UpdateActions();
    // After a wheel or pinch: the preset the zoom landed on is marked, or none.
    void MarkZoomPreset();
    void RefreshRecentMenu();
    // View > World Map: Off, then the tile sources the definition folders hold.
    void FillWorldMapMenu();
    void SaveLastSession();
    void ToggleFullScreen();
    // View > Ruler: on, taps on the map add its points; off (also by Escape), it is gone.
    void SetRuler(bool on);
    void BuildLoadProgress();
    void PlaceLoadProgress();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void OnMapLoadFinished(const QString& path, bool loaded, const QString& error);
    // A new map shows: the zoom mark, the title and the recent list follow it.
    void OnMapShown(const QString& path);
    // Asks, once a run for each image, the grid of a map whose world file has no .prj; a grid
    // given is written to the .prj and the map opened again.
    void AskForGrid(const QString& path, const QString& image);
    // Asks which of the maps of a file of several to show (the first shows meanwhile); another
    // one chosen opens as "FILE#N".
    void AskWhichMap(const QString& path);

    SettingsStore& store_;
    // What the view shows and does; the toolbar's state is its visibility.
    session::ShowFlags flags_;
    // The format the coordinate dialogs open in: Dms at start, then the user's last choice
    // for the life of the window, never stored.
    coords::CoordFormat entryFormat_ = coords::CoordFormat::Dms;

    view::MapView* view_ = nullptr;         // child widget, owned by the frame
    view::MapLoader* loader_ = nullptr;     // the view's child
    view::GpsConnection* gps_ = nullptr;    // the view's child
    view::MapCommands* commands_ = nullptr; // the view's child
    LiveCommands* live_ = nullptr;          // the frame's child
    TrackCommands* tracks_ = nullptr;       // the frame's child
    TerrainCommands* terrain_ = nullptr;    // the frame's child

    view::MapFolderCommands* mapFolder_ = nullptr; // the view's child
    // The last session whose map is loading, to be restored with it.
    std::unique_ptr<session::LastSession> restoring_;
    // The zoom preset marked in View > Zoom; 0 after zoom in or out leaves none marked.
    int zoomMark_ = app::kCmdZoom100;
    QToolBar* toolBar_ = nullptr;
    QToolButton* toolbarToggle_ = nullptr;
    std::map<int, QAction*> actions_;
    QMenu* recentMenu_ = nullptr;
    std::vector<std::string> recentMaps_;
    std::vector<std::string> worldMaps_; // the definition files of World Map's entries
    std::set<QString> askedForGrid_;
    QWidget* loadBar_ = nullptr; // the progress bar and Cancel
    QProgressBar* loadProgress_ = nullptr;
    QPushButton* loadCancel_ = nullptr;
};
