#pragma once

#include "map/pyramid/MapPyramid.h"
#include "view/LoadingPicture.h"
#include "view/ViewGeometry.h"

#include <optional>

class QPainter;

namespace view {

// What the view is while a MapLoader loads a map into it. The map commands wait for as long as
// the load runs (the frame disables them). A JPEG map of many pixels shows a picture of itself
// (LoadingPicture) while it decodes: the picture then holds the view, so that nothing but a drag
// of the picture moves it, and the map, zoom, scroll, calibration, points and selection of the
// map before stay as they were, for a cancel or a failure to go back to.
class LoadingMode {
public:
    // A load runs from Start to End.
    void Start() { active_ = true; }
    [[nodiscard]] bool Active() const { return active_; }
    // Ends the load and its picture; returns where the picture was dragged to.
    ViewPoint End();

    // The picture, at the client size given, holds the view from now on; a later one of the
    // same size takes its place, keeping the drag and the rows shown over it.
    void ShowPicture(map::MapPyramid picture, int clientWidth, int clientHeight);
    [[nodiscard]] bool HoldsView() const { return picture_.has_value(); }
    // The map's first columns x rows at full resolution over the picture; true the first time
    // every pixel in view is (never without a picture).
    bool ShowRows(map::MapPyramid map, int columns, int rows);
    // The geometry pointer gestures move: the picture's while it holds the view, else map.
    [[nodiscard]] ViewGeometry& PointerGeometry(ViewGeometry& map) {
        return picture_ ? picture_->Geometry() : map;
    }
    void SetClientSize(int width, int height);
    // Paints the picture (see LoadingPicture::Paint); false, painting nothing, without one.
    bool Paint(QPainter& painter, const LoadingPicture::SceneOf& sceneOf) const;

private:
    bool active_ = false;
    std::optional<LoadingPicture> picture_;
};

} // namespace view
