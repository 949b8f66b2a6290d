// Loading a map with the calibration and points files beside it.
#include "view/MapView.h"

#include "platform/ImageLoader.h"
#include "view/PyramidImage.h"

#include <QApplication>

namespace {

// The wait cursor for as long as an image decodes.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

bool MapView::LoadMap(const QString& path) {
    // The old image goes first, whatever the new one turns out to be; zoom and scroll are
    // kept for a load that fails.
    const double zoom = geometry_.Zoom();
    const ViewPoint scroll = geometry_.ScrollOffset();
    map_ = MapPyramid();
    geometry_.SetImageSize(0, 0);
    session_.SetImageHeight(0);

    MapPyramid map;
    {
        WaitCursor wait;
        map = PyramidFromImage(platform::LoadMapImageFile(path));
    }
    if (map.Empty()) {
        geometry_.SetZoom(zoom);
        geometry_.SetScrollOffset(scroll);
        update();
        return false;
    }
    map_ = std::move(map);
    geometry_.SetImageSize(map_.Width(), map_.Height()); // zoom 1.0, scroll (0, 0)
    mapImagePath_ = path;
    for (const session::Notice& notice : session_.OpenMap(path.toStdString(), map_.Height()))
        Tell(notice);
    update();
    return true;
}
