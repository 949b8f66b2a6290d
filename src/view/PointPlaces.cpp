#include "view/PointPlaces.h"

#include "points/MapPoint.h"
#include "view/MapScene.h"

#include <algorithm>

namespace view {

const std::vector<std::optional<MapPos>>& PointPlaces::Of(const MapScene& scene) {
    const std::vector<CMapPoint>& points = scene.mapPoints;
    // Entries below this were converted by the georeference the scene still has.
    const std::size_t valid = georeference_ == scene.georeference ? converted_ : 0;
    positions_.resize(points.size());
    pixels_.resize(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const MapPos position = points[i].GetPosition();
        if (i < valid && positions_[i] == position)
            continue;
        positions_[i] = position;
        pixels_[i] = GeoToImage(scene, position);
    }
    converted_ = points.size();
    georeference_ = scene.georeference;
    return pixels_;
}

} // namespace view
