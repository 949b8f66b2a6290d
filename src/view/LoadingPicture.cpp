#include "view/LoadingPicture.h"

#include "map/formats/JpegPyramid.h"

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

bool LoadingPicture::Replace(const map::MapPyramid& picture) {
    if (picture.Width() != picture_.Width() || picture.Height() != picture_.Height())
        return false;
    picture_ = picture;
    return true;
}

bool LoadingPicture::StoreRows(map::MapPyramid full, int columns, int rows) {
    full_ = std::move(full);
    fullColumns_ = columns;
    fullRows_ = rows;
    const ViewPoint offset = geometry_.PaintOffset();
    const int neededRows = std::min(full_.Height(), offset.y + geometry_.ClientHeight());
    const int neededColumns = std::min(full_.Width(), offset.x + geometry_.ClientWidth());
    if (fullShown_ || rows < neededRows || columns < neededColumns)
        return false;
    fullShown_ = true;
    return true;
}

void LoadingPicture::Paint(QPainter& painter, const SceneOf& sceneOf) const {
    const MapScene scene = sceneOf(geometry_, picture_);
    const ViewPoint offset = geometry_.PaintOffset();
    PaintMap(painter, scene, offset);
    // The region decoded so far at full resolution over the picture (100 %: level 0 only).
    const int rowsInView = fullRows_ - offset.y;
    if (const int columnsInView = fullColumns_ - offset.x; rowsInView > 0 && columnsInView > 0) {
        ViewGeometry full;
        full.SetClientSize(geometry_.ClientWidth(), geometry_.ClientHeight());
        full.SetImageSize(full_.Width(), full_.Height());
        painter.save();
        painter.setClipRect(QRect(0, 0, std::min(full.ClientWidth(), columnsInView), rowsInView),
                            Qt::IntersectClip);
        PaintMap(painter, sceneOf(full, full_), offset);
        painter.restore();
    }
    DrawInfoLines(painter, scene);
}

} // namespace view
