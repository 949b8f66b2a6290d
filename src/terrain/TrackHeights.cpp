#include "terrain/TrackHeights.h"

#include "terrain/DemFolder.h"

#include <algorithm>
#include <cmath>

namespace terrain {

namespace {

void NoteMissing(const HeightResult& h, std::vector<std::string>& missing) {
    if (h.status == HeightResult::Status::Missing && !h.tile.empty() &&
        std::find(missing.begin(), missing.end(), h.tile) == missing.end())
        missing.push_back(h.tile);
}

} // namespace

HeightsAlong HeightsAlongPath(DemFolder& dem, std::span<const MapPos> positions) {
    HeightsAlong along;
    along.metres.reserve(positions.size());
    for (const MapPos& p : positions) {
        const HeightResult h = dem.Height(p.y, p.x);
        along.metres.push_back(h.status == HeightResult::Status::Ok ? std::optional(h.metres)
                                                                    : std::nullopt);
        NoteMissing(h, along.missingTiles);
    }
    return along;
}

std::vector<std::string> MissingTiles(DemFolder& dem, const trail::Track& track) {
    std::vector<std::string> missing;
    for (const trail::TrackSegment& segment : track)
        for (const trail::TrackPoint& point : segment)
            NoteMissing(dem.Height(point.position.y, point.position.x), missing);
    return missing;
}

bool GiveHeights(DemFolder& dem, trail::LoadedTrack& loaded) {
    for (const trail::TrackSegment& segment : loaded.track)
        for (const trail::TrackPoint& point : segment)
            if (std::isfinite(point.heightM))
                return false;
    std::vector<std::string> missing;
    bool any = false;
    for (trail::TrackSegment& segment : loaded.track)
        for (trail::TrackPoint& point : segment) {
            const HeightResult h = dem.Height(point.position.y, point.position.x);
            NoteMissing(h, missing);
            if (h.status == HeightResult::Status::Ok) {
                point.heightM = h.metres;
                any = true;
            }
        }
    loaded.missingDemTiles = std::move(missing);
    loaded.heightsFromDem = any;
    if (any)
        loaded.statistics = trail::StatisticsOf(loaded.track);
    return any || !loaded.missingDemTiles.empty();
}

} // namespace terrain
