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
    if (opened.map.Empty() && !opened.tiles) {
        if (error)
            *error = QString::fromStdString(opened.error);
        return false;
    }
    SetShownMap(opened.tiles
                    ? std::move(opened.tiles)
                    : std::make_shared<map::MapPyramid>(std::move(opened.map))); // zoom 1.0
    session_.SetImageSize(Map().Width(), Map().Height());
    geometry_.SetScrollOffset(scroll);
    mapImagePath_ = path;
    ShowAttribution(QString::fromStdString(opened.source.attribution));
    imageNeedingGrid_ = !opened.source.worldFile.empty() && !opened.source.grid
                            ? QFile::decodeName(opened.source.imagePath.c_str())
                            : QString();
    // Told once the new map shows under its own name: a box over the old map and a full
    // progress bar reads as if the old map had no calibration.
    std::vector<session::Notice> told;
    if (opened.incomplete)
        told.push_back(session::Notice{
            session::Notice::Kind::Warning,
            path.toStdString() + ": the file ends early; part of the image may be missing.",
            "Warning"});
    else if (opened.damaged)
        told.push_back(session::Notice{session::Notice::Kind::Warning,
                                       path.toStdString() +
                                           ": the file is damaged; part of the image may be wrong.",
                                       "Warning"});
    // A world file without its grid says so in the question that follows, not in a box more.
    if (imageNeedingGrid_.isEmpty()) {
        for (const std::string& warning : opened.source.warnings)
            told.push_back(session::Notice{session::Notice::Kind::Warning, warning, "Warning"});
    }
    for (session::Notice& notice :
         session_.OpenMap(path.toStdString(), Map().Height(), opened.source.grid).notices)
        told.push_back(std::move(notice));
    emit MapShowing(path);
    update();
    if (!told.empty())
        repaint();
    for (const session::Notice& notice : told)
        Tell(notice);
    return true;
}

void MapView::ReplaceMapPixels(const map::MapPixel* shown, map::MapPyramid kept) {
    auto* pyramid = dynamic_cast<map::MapPyramid*>(map_.get());
    if (pyramid && pyramid->Store() == shown && kept.Width() == pyramid->Width() &&
        kept.Height() == pyramid->Height())
        *pyramid = std::move(kept);
}

void MapView::ChangeLoading(const std::function<void(LoadingMode&)>& step) {
    step(loading_);
    update();
}

} // namespace view
