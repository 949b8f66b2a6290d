#include "session/LastSession.h"

#include "base/Number.h"
#include "platform/SettingsStore.h"

#include <algorithm>
#include <cmath>

namespace session {

namespace {

std::string RecentKey(std::size_t index) {
    return "RecentMap" + std::to_string(index + 1);
}

} // namespace

LastSession LastSession::Read(const SettingsStore& store) {
    LastSession last;
    last.map = store.ReadText(kSessionSection, "LastMap", "");
    const auto zoom = base::ParseExact<double>(store.ReadText(kSessionSection, "LastZoom", "1"));
    if (zoom && std::isfinite(*zoom) && *zoom > 0.0)
        last.zoom = *zoom;
    last.scrollX = store.ReadInt(kSessionSection, "LastScrollX", 0);
    last.scrollY = store.ReadInt(kSessionSection, "LastScrollY", 0);
    last.windowGeometry = store.ReadText(kSessionSection, "WindowGeometry", "");
    return last;
}

void LastSession::Write(SettingsStore& store) const {
    store.WriteText(kSessionSection, "LastMap", map);
    store.WriteText(kSessionSection, "LastZoom", base::FormatShortest(zoom));
    store.WriteInt(kSessionSection, "LastScrollX", scrollX);
    store.WriteInt(kSessionSection, "LastScrollY", scrollY);
    store.WriteText(kSessionSection, "WindowGeometry", windowGeometry);
}

bool ReadReopenLastMap(const SettingsStore& store) {
    return store.ReadInt(kSessionSection, "ReopenLastMap", 1) != 0;
}

void WriteReopenLastMap(SettingsStore& store, bool on) {
    store.WriteInt(kSessionSection, "ReopenLastMap", on ? 1 : 0);
}

bool ReadGridOverlay(const SettingsStore& store) {
    return store.ReadInt(kSessionSection, "GridOverlay", 0) != 0;
}

void WriteGridOverlay(SettingsStore& store, bool on) {
    store.WriteInt(kSessionSection, "GridOverlay", on ? 1 : 0);
}

int ReadGridOverlayColour(const SettingsStore& store) {
    return store.ReadInt(kSessionSection, "GridOverlayColour", 0);
}

void WriteGridOverlayColour(SettingsStore& store, int colour) {
    store.WriteInt(kSessionSection, "GridOverlayColour", colour);
}

std::vector<std::string> ReadRecentMaps(const SettingsStore& store) {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < kRecentMapCount; ++i) {
        std::string path = store.ReadText(kSessionSection, RecentKey(i), "");
        // A hand-edited file may leave gaps or repeats; the menu shows neither.
        if (!path.empty() && std::find(paths.begin(), paths.end(), path) == paths.end())
            paths.push_back(std::move(path));
    }
    return paths;
}

void WriteRecentMaps(SettingsStore& store, const std::vector<std::string>& paths) {
    for (std::size_t i = 0; i < kRecentMapCount; ++i)
        store.WriteText(kSessionSection, RecentKey(i), i < paths.size() ? paths[i] : "");
}

std::vector<std::string> WithRecentMap(std::vector<std::string> paths, const std::string& path) {
    std::erase(paths, path);
    paths.insert(paths.begin(), path);
    if (paths.size() > kRecentMapCount)
        paths.resize(kRecentMapCount);
    return paths;
}

} // namespace session
