#include "view/LoadingMode.h"

namespace view {

ViewPoint LoadingMode::End() {
    const ViewPoint scroll = picture_ ? picture_->Geometry().ScrollOffset() : ViewPoint{};
    picture_.reset();
    active_ = false;
    return scroll;
}

void LoadingMode::ShowPicture(map::MapPyramid picture, int clientWidth, int clientHeight) {
    // A better picture of the same map keeps the drag and the rows shown over the first.
    if (picture_ && picture_->Replace(picture))
        return;
    picture_.emplace(std::move(picture), clientWidth, clientHeight);
}

bool LoadingMode::ShowRows(map::MapPyramid map, int columns, int rows) {
    return picture_ && picture_->StoreRows(std::move(map), columns, rows);
}

void LoadingMode::SetClientSize(int width, int height) {
    if (picture_)
        picture_->Geometry().SetClientSize(width, height);
}

bool LoadingMode::Paint(QPainter& painter, const LoadingPicture::SceneOf& sceneOf) const {
    if (!picture_)
        return false;
    picture_->Paint(painter, sceneOf);
    return true;
}

} // namespace view
