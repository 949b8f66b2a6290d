#include "view/LoadingPicture.h"

#include "map/JpegPyramid.h"

#include <QPainter>

#include <algorithm>

namespace view {

LoadingPicture::LoadingPicture(map::MapPyramid picture, int clientWidth, int clientHeight)
    : picture_(std::move(picture)) {
    geometry_.SetClientSize(clientWidth, clientHeight);
    geometry_.SetImageSize(picture_.Width(), picture_.Height());
    // The picture's pixels at the map's 100 %, from the corner, as the map will open.
    geometry_.SetZoom(map::kJpegPreviewScale);
    geometry_.SetScrollOffset(ViewPoint{0, 0});
}

bool LoadingPicture::StoreRows(map::MapPyramid full, int rows) {
    full_ = std::move(full);
    fullRows_ = rows;
    const ViewPoint offset = geometry_.PaintOffset();
    const int needed = std::min(full_.Height(), offset.y + geometry_.ClientHeight());
    if (fullShown_ || rows < needed)
        return false;
    fullShown_ = true;
    return true;
}

void LoadingPicture::Paint(QPainter& painter, const SceneOf& sceneOf) const {
    const MapScene scene = sceneOf(geometry_, picture_);
    const ViewPoint offset = geometry_.PaintOffset();
    PaintMap(painter, scene, offset);
    // The rows decoded so far at full resolution over the picture (100 %: level 0 only).
    if (const int rowsInView = fullRows_ - offset.y; rowsInView > 0) {
        ViewGeometry full;
        full.SetClientSize(geometry_.ClientWidth(), geometry_.ClientHeight());
        full.SetImageSize(full_.Width(), full_.Height());
        painter.save();
        painter.setClipRect(QRect(0, 0, full.ClientWidth(), rowsInView));
        PaintMap(painter, sceneOf(full, full_), offset);
        painter.restore();
    }
    DrawInfoLines(painter, scene);
}

} // namespace view
