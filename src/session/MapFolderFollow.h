#pragma once

#include "base/MapPos.h"
#include "map/MapFolder.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

class SettingsStore;

namespace session {

// The map folder the user opened, and the choice of map while the view follows the GPS: which
// map to load when the position leaves the one showing, and what the status line says when it
// shows. The folder and the switch are kept in the store ("MapFolder", "SwitchMaps").
class MapFolderFollow {
public:
    // Reads the folder and the switch (on unless turned off); the folder is not indexed yet.
    explicit MapFolderFollow(const SettingsStore& store);

    [[nodiscard]] const std::string& Folder() const { return folder_; }
    [[nodiscard]] const std::optional<map::MapFolderIndex>& Index() const { return index_; }
    [[nodiscard]] bool SwitchMaps() const { return switchMaps_; }
    void SetSwitchMaps(bool on, SettingsStore& store);

    // Indexes folder (see map::IndexMapFolder, the index kept in cache) and, when it can be
    // read, remembers it in store. The lines to tell the user: the error, or the maps that
    // could not be read.
    std::vector<std::string> Open(const std::string& folder, const std::filesystem::path& cache,
                                  SettingsStore* store);

    // The map to load for a GPS position while following: the folder's most detailed map holding
    // position, once position has left showingOutline (the outline of the map showing, at
    // showing). Nothing while a switch is under way, while switching is off, or for a map whose
    // load failed before (until another folder is opened).
    std::optional<std::string> MapToLoad(const std::string& showing,
                                         std::span<const MapPos> showingOutline,
                                         const MapPos& position);
    // A load has ended; "Switched to NAME." for the status line when it was the switch's and its
    // map shows. A switch's map that failed to load is not tried again; one cancelled may be.
    std::optional<std::string> LoadEnded(const std::string& path, bool loaded, bool cancelled);

    // The outlines of the folder's placed maps but the one at showing, to draw around it.
    [[nodiscard]] std::vector<std::vector<MapPos>> OutlinesAround(const std::string& showing) const;

private:
    std::string folder_;
    bool switchMaps_ = true;
    std::optional<map::MapFolderIndex> index_;
    std::string switching_;           // the map a switch is loading
    std::vector<std::string> failed_; // maps a switch could not load
};

} // namespace session
