#include "session/MapFolderFollow.h"

#include "platform/SettingsStore.h"
#include "session/LastSession.h"

#include <algorithm>

namespace session {

MapFolderFollow::MapFolderFollow(const SettingsStore& store)
    : folder_(store.ReadText(kSessionSection, "MapFolder", "")),
      switchMaps_(store.ReadInt(kSessionSection, "SwitchMaps", 1) != 0) {}

void MapFolderFollow::SetSwitchMaps(bool on, SettingsStore& store) {
    switchMaps_ = on;
    store.WriteInt(kSessionSection, "SwitchMaps", on ? 1 : 0);
}

std::vector<std::string> MapFolderFollow::Open(const std::string& folder,
                                               const std::filesystem::path& cache,
                                               SettingsStore* store) {
    map::IndexedFolder indexed = map::IndexMapFolder(folder, cache);
    if (!indexed.index)
        return {indexed.error};
    folder_ = folder;
    index_ = std::move(indexed.index);
    switching_.clear();
    failed_.clear();
    if (store != nullptr)
        store->WriteText(kSessionSection, "MapFolder", folder_);
    return std::move(indexed.warnings);
}

std::optional<std::string> MapFolderFollow::MapToLoad(const std::string& showing,
                                                      std::span<const MapPos> showingOutline,
                                                      const MapPos& position) {
    if (!index_ || !switchMaps_ || !switching_.empty())
        return std::nullopt;
    const map::FolderMap* next = map::MapToFollow(*index_, showingOutline, position);
    if (next == nullptr)
        return std::nullopt;
    std::string path = index_->PathOf(*next);
    if (path == showing || std::ranges::find(failed_, path) != failed_.end())
        return std::nullopt;
    switching_ = path;
    return path;
}

std::optional<std::string> MapFolderFollow::LoadEnded(const std::string& path, bool loaded,
                                                      bool cancelled) {
    if (switching_.empty() || path != switching_)
        return std::nullopt;
    switching_.clear();
    if (!loaded) {
        if (!cancelled)
            failed_.push_back(path);
        return std::nullopt;
    }
    const map::FolderMap* shown = index_ ? index_->Find(path) : nullptr;
    return "Switched to " + (shown ? shown->Name() : path) + ".";
}

std::vector<std::vector<MapPos>> MapFolderFollow::OutlinesAround(const std::string& showing) const {
    std::vector<std::vector<MapPos>> outlines;
    if (!index_)
        return outlines;
    for (const map::FolderMap& file : index_->files)
        if (file.Placed() && index_->PathOf(file) != showing)
            outlines.push_back(file.outline);
    return outlines;
}

} // namespace session
