#pragma once

#include "map/pyramid/MapPyramid.h"
#include "view/MapPaint.h"
#include "view/ViewGeometry.h"

#include <functional>

class QPainter;

namespace view {

// The small picture of a JPEG or TIFF map that is still decoding, in the map's place until the
// map itself shows: at the zoom (100 %) and scroll (0, 0) the map will open with, the region
// decoded so far drawn over it at full resolution. It can be dragged, the drag carried over to the
// map; it has no image positions, calibration or points of its own.
class LoadingPicture {
public:
    LoadingPicture(map::MapPyramid picture, int clientWidth, int clientHeight);

    // Shows picture instead when it is of the same size; else false, changing nothing.
    bool Replace(const map::MapPyramid& picture);
    // The geometry pointer gestures move while the picture shows.
    [[nodiscard]] ViewGeometry& Geometry() { return geometry_; }
    [[nodiscard]] const ViewGeometry& Geometry() const { return geometry_; }
    // The map being decoded: only its first columns x rows pixels are read. True the first
    // time every pixel in view is drawn at full resolution.
    bool StoreRows(map::MapPyramid full, int columns, int rows);
    // Paints the picture and the rows over it; sceneOf gives the scene of a geometry over a
    // pyramid (the caller's lines and settings, no overlay of the map's).
    using SceneOf = std::function<MapScene(const ViewGeometry&, const map::MapPyramid&)>;
    void Paint(QPainter& painter, const SceneOf& sceneOf) const;

private:
    map::MapPyramid picture_;
    ViewGeometry geometry_; // of the picture, zoomed to show it at the map's size
    map::MapPyramid full_;
    int fullColumns_ = 0;
    int fullRows_ = 0;
    bool fullShown_ = false;
};

} // namespace view
