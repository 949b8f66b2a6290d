#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "trail/TrackSet.h"

class SettingsStore;

// Reading a file of any kind a track comes in into whole tracks, for File > Open Tracks..., the
// command line and quilo-tool stats.
namespace session {

struct TrackFileRead {
    std::vector<trail::LoadedTrack> tracks; // statistics and colour not yet given
    std::string error;                      // "PATH: reason" when nothing could be read
};

// Each track of the file, whole: a GPX document's every <trk> (its segments) and every <rte>,
// each named by its own name or else the file's; a KML document's line strings as one track; a
// trail file's runs; a trail journal's recording (loaded and recorded points alike, a break
// between runs); an NMEA log's receiver fixes (GGA and RMC gathered by time). The kind is told
// by the extension (base/FileKind.h). A file without a point is an error.
[[nodiscard]] TrackFileRead ReadTrackFile(const std::string& path);

// The fixes of NMEA bytes, one segment, oldest first.
[[nodiscard]] trail::TrackSegment NmeaFixes(std::string_view bytes);

// The files of the tracks open when the window last closed, in their order ("Session",
// "OpenTracks" a count, "OpenTrack1"...); at most kMostOpenTracks, each once.
inline constexpr std::size_t kMostOpenTracks = 1000;
[[nodiscard]] std::vector<std::string> ReadOpenTracks(const SettingsStore& store);
void WriteOpenTracks(SettingsStore& store, const std::vector<std::string>& paths);

// Whether path is of a kind ReadTrackFile reads.
[[nodiscard]] bool IsTrackFile(std::string_view path);

} // namespace session
