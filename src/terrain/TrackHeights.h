#pragma once

#include "base/MapPos.h"
#include "trail/TrackSet.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace terrain {

class DemFolder;

// What a DEM says along a line of positions (y latitude, x longitude): what a profile draws
// beside the receiver's heights.
struct HeightsAlong {
    std::vector<std::optional<double>> metres; // one per position; none where it has no data
    // The SRTM tiles the folder lacks where a position found no height, each once, in the
    // order the line meets them.
    std::vector<std::string> missingTiles;
};
HeightsAlong HeightsAlongPath(DemFolder& dem, std::span<const MapPos> positions);

// The tiles the folder lacks for track's points.
std::vector<std::string> MissingTiles(DemFolder& dem, const trail::Track& track);

// A track whose file gave no point a height takes the DEM's heights (points without one keep
// none), is marked as heightsFromDem, and its statistics are taken again; the tiles it still
// lacks go to missingDemTiles. A track with heights of its own is left as it is. True when
// track changed.
bool GiveHeights(DemFolder& dem, trail::LoadedTrack& track);

} // namespace terrain
