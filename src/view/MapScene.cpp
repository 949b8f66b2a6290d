#include "view/MapScene.h"

namespace view {

std::optional<MapPos> GeoToImage(const MapScene& scene, const MapPos& geo) {
    // Before the map's first fit no position has a place on it.
    if (!scene.georeference.HasTransform())
        return std::nullopt;
    return scene.georeference.ToPixel(geo);
}

std::optional<ViewPoint> GeoToView(const MapScene& scene, const MapPos& geo, ViewPoint offset) {
    const std::optional<MapPos> pixel = GeoToImage(scene, geo);
    if (!pixel)
        return std::nullopt;
    return scene.geometry.ImageToScreen(*pixel, offset);
}

} // namespace view
