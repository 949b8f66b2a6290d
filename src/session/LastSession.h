#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class SettingsStore;

namespace session {

// The keys of the last session and the recent maps live in a section of their own, beside
// the handheld's "Settings".
inline constexpr std::string_view kSessionSection = "Session";
// File > Recent Maps holds this many maps.
inline constexpr std::size_t kRecentMapCount = 8;

// What the window showed when the program ended, for the next start without a map argument.
struct LastSession {
    std::string map; // empty: no map was loaded
    double zoom = 1.0;
    int scrollX = 0;
    int scrollY = 0;
    std::string windowGeometry; // the window system's own encoding, opaque here

    // Keys absent or damaged read as the defaults above; a zoom that is not a finite number
    // greater than zero reads as 1.
    [[nodiscard]] static LastSession Read(const SettingsStore& store);
    void Write(SettingsStore& store) const;
    friend bool operator==(const LastSession&, const LastSession&) = default;
};

// View > Reopen Last Map; on unless the user turned it off.
[[nodiscard]] bool ReadReopenLastMap(const SettingsStore& store);
void WriteReopenLastMap(SettingsStore& store, bool on);

// View > Show > Grid Overlay; off until the user turns it on.
[[nodiscard]] bool ReadGridOverlay(const SettingsStore& store);
void WriteGridOverlay(SettingsStore& store, bool on);
// Which of the overlay's colours its lines are drawn in (an index the view gives meaning to;
// 0 unless chosen).
[[nodiscard]] int ReadGridOverlayColour(const SettingsStore& store);
void WriteGridOverlayColour(SettingsStore& store, int colour);

// The recent maps, newest first: at most kRecentMapCount paths, no empty ones, no repeats.
[[nodiscard]] std::vector<std::string> ReadRecentMaps(const SettingsStore& store);
void WriteRecentMaps(SettingsStore& store, const std::vector<std::string>& paths);
// path moved (or added) to the front; the oldest dropped beyond kRecentMapCount.
[[nodiscard]] std::vector<std::string> WithRecentMap(std::vector<std::string> paths,
                                                     const std::string& path);

} // namespace session
