#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/MapPos.h"
#include "trail/TrackPoint.h"
#include "trail/TrailStatistics.h"

// Tracks opened beside the live trail: each shown whole, in its own colour, with its own
// statistics. Nothing here reads a file; the session's track files do.
namespace trail {

// The corners of what a track covers, in degrees (y latitude, x longitude).
struct GeoBounds {
    MapPos southWest;
    MapPos northEast;
};

// What a track covers; none for a track without a finite position.
[[nodiscard]] std::optional<GeoBounds> BoundsOf(const Track& track);

// The statistics of a whole track: each segment its own journey (a break between segments), by
// the one moving rule of TrailStatisticsBuilder.
[[nodiscard]] TrailStatistics StatisticsOf(const Track& track);

struct LoadedTrack {
    std::string path; // the file it came from
    std::string name; // its own name, or the file's when it has none
    Track track;
    TrailStatistics statistics{};
    std::uint32_t colour = 0; // 0xRRGGBB
    bool shown = true;
    // The file gave no heights and the DEM's stand in: kept here, never written to a file.
    bool heightsFromDem = false;
    std::vector<std::string> missingDemTiles{}; // the DEM's tiles the track lacks
};

// The open tracks in the order they were opened. Version() grows with every change, so that
// what is drawn from them knows when to draw again.
class TrackSet {
public:
    // The colours new tracks take in turn: strong, and none of them the live trail's green.
    static constexpr std::uint32_t kPalette[] = {0xE6194B, 0x4363D8, 0xF58231, 0x911EB4,
                                                 0x42D4F4, 0xF032E6, 0x9A6324, 0x000075};

    // Adds track with the next colour of the palette; its statistics are taken here.
    void Add(LoadedTrack track);
    // Out of range: nothing happens.
    void Remove(std::size_t index);
    void SetShown(std::size_t index, bool shown);
    void SetColour(std::size_t index, std::uint32_t colour);
    // Runs edit on the track at index (out of range: nothing happens); a change when it returns
    // true. Returns what edit did.
    bool Edit(std::size_t index, const std::function<bool(LoadedTrack&)>& edit);
    void Clear();

    [[nodiscard]] const std::vector<LoadedTrack>& All() const { return tracks_; }
    [[nodiscard]] std::size_t Size() const { return tracks_.size(); }
    [[nodiscard]] std::uint64_t Version() const { return version_; }
    // The files the tracks came from, each once, in the order first opened: what comes back at
    // the next start.
    [[nodiscard]] std::vector<std::string> Paths() const;
    [[nodiscard]] bool Holds(const std::string& path) const;

private:
    std::vector<LoadedTrack> tracks_;
    std::size_t added_ = 0; // tracks ever added: the palette goes on, not back to its start
    std::uint64_t version_ = 0;
};

} // namespace trail
