#pragma once

#include "base/MapPos.h"
#include "calib/MapGeoreference.h"

#include <cstddef>
#include <optional>
#include <vector>

class CMapPoint;

namespace view {

struct MapScene;

// The map points' image pixels, kept from frame to frame: on a projected grid every position
// goes through PROJ, which cost a quarter of every frame. A point is converted again only when
// its position or the georeference (a new fit, another map) has changed.
class PointPlaces {
public:
    // The image pixel of each of the scene's map points, in their order; empty for one that
    // cannot be placed. Valid until the next call.
    const std::vector<std::optional<MapPos>>& Of(const MapScene& scene);

private:
    std::vector<MapPos> positions_; // the points' positions the pixels are of
    map::MapGeoreference georeference_;
    std::size_t converted_ = 0; // entries that hold a conversion by georeference_
    std::vector<std::optional<MapPos>> pixels_;
};

} // namespace view
