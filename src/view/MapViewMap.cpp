// Showing a loaded map with the calibration and points files beside it, and the picture of one
// still loading.
#include "view/MapView.h"

#include <QFile>

#include <vector>

namespace view {

MapView::MapDialogOpen::MapDialogOpen(MapView& view) : view_(view) {
    ++view_.mapDialogs_;
}

MapView::MapDialogOpen::~MapDialogOpen() {
    if (--view_.mapDialogs_ > 0)
        return;
    // After the command that opened the dialog has returned, not in the middle of it.
    QMetaObject::invokeMethod(
        &view_,
        [view = &view_] {
            if (view->mapDialogs_ == 0)
                emit view->MapDialogsClosed();
        },
        Qt::QueuedConnection);
}

bool MapView::ShowMap(const QString& path, map::OpenedMap opened, QString* error,
                      ViewPoint scroll) {
    // A file that cannot be decoded changes nothing: the map showing stays.
    if (!opened.shown) {
        if (error)
            *error = QString::fromStdString(opened.error);
        return false;
    }
    shown_ = opened.shown;
    SetShownMap(shown_->Tiles()); // zoom 1.0
    session_.SetImageSize(shown_->Width(), shown_->Height());
    geometry_.SetScrollOffset(scroll);
    mapImagePath_ = path;
    ShowAttribution(QString::fromStdString(opened.source.attribution));
    imageNeedingGrid_ = map::AsksForGrid(opened.source)
                            ? QFile::decodeName(opened.source.imagePath.c_str())
                            : QString();
    mapsInFile_ = opened.source.maps;
    // Told once the new map shows under its own name: a box over the old map and a full
    // progress bar reads as if the old map had no calibration.
    const std::vector<session::Notice> told = session_.OpenMap(path.toStdString(), opened).notices;
    emit MapShowing(path);
    update();
    if (!told.empty())
        repaint();
    for (const session::Notice& notice : told)
        Tell(notice);
    return true;
}

void MapView::ReplaceMapPixels(const map::MapPixel* shown, std::shared_ptr<map::TiledMap> kept) {
    const auto* pyramid = dynamic_cast<const map::MapPyramid*>(map_.get());
    if (pyramid && kept && pyramid->Store() == shown && kept->Width() == pyramid->Width() &&
        kept->Height() == pyramid->Height()) {
        // The same pixels: the zoom and scroll stay as the user has left them, and the shown
        // map lets go of the pixels it was opened with.
        if (shown_)
            shown_ = shown_->WithTiles(kept);
        map_ = std::move(kept);
        kept_.Forget();
        update();
    }
}

void MapView::ChangeLoading(const std::function<void(LoadingMode&)>& step) {
    step(loading_);
    kept_.Forget();
    update();
}

} // namespace view
