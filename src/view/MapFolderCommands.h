#pragma once

#include "session/MapFolderFollow.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <filesystem>
#include <string>

class QMenu;
class SettingsStore;

namespace view {

class GpsConnection;
class MapCommands;
class MapLoader;
class MapView;

// The map folder on the window: File > Open Map Folder..., the other maps' edges drawn around
// the map showing, "Maps Here" in the context menu (the maps under the press point, most
// detailed first), and the switch to the next map while the view follows the GPS, named on the
// status line. The decisions are session::MapFolderFollow's.
class MapFolderCommands : public QObject {
    Q_OBJECT

public:
    // All must outlive the commands. mapsHere is the context menu's submenu, filled with the
    // maps under the press point as the menu opens. The folder kept in store is indexed at once,
    // its index kept in cache (map::DefaultFolderIndexCache() in the program).
    MapFolderCommands(MapView& view, MapLoader& loader, GpsConnection& gps, MapCommands& commands,
                      QMenu& mapsHere, SettingsStore& store, std::filesystem::path cache,
                      QObject* parent = nullptr);

    // The folder dialog, then OpenFolder.
    void OnOpenMapFolder();
    // Indexes folder and remembers it; a folder that cannot be read, or maps in it that cannot,
    // are told in a message box. True when the folder is open.
    bool OpenFolder(const QString& folder);
    // View > Switch Maps.
    void ToggleSwitchMaps();
    [[nodiscard]] const session::MapFolderFollow& Folder() const { return folder_; }

private:
    void OnGpsFollowed();
    void OnLoadFinished(const QString& path, bool loaded, const QString& error);
    void OnContextMenu(QPoint at);
    // The other maps' edges, for the map showing now.
    void RefreshOutlines();
    [[nodiscard]] std::string ShowingPath() const;

    MapView& view_;
    MapLoader& loader_;
    MapCommands& commands_;
    SettingsStore& store_;
    std::filesystem::path cache_;
    session::MapFolderFollow folder_;
    QMenu& mapsHere_;
};

} // namespace view
