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

bool MapView::LoadMap(const QString& path, QString* error) {
    platform::MapImage loaded;
    MapPyramid map;
    {
        // Cutting a big scan into its levels takes a while too.
        WaitCursor wait;
        loaded = platform::LoadMapImageFile(path);
        if (!loaded.image.isNull())
            map = PyramidFromImage(loaded.image);
    }
    // A file that cannot be decoded changes nothing: the map showing stays.
    if (loaded.image.isNull()) {
        if (error)
            *error = loaded.error;
        return false;
    }
    loaded.image = QImage(); // the pyramid holds the pixels now
    if (map.Empty()) {
        if (error)
            *error = QStringLiteral("Not enough memory for the image.");
        return false;
    }
    map_ = std::move(map);
    geometry_.SetImageSize(map_.Width(), map_.Height()); // zoom 1.0, scroll (0, 0)
    mapImagePath_ = path;
    if (loaded.incomplete)
        Tell(session::Notice{session::Notice::Kind::Warning,
                             path.toStdString() +
                                 ": the file ends early; part of the image may be missing.",
                             "Warning"});
    for (const session::Notice& notice : session_.OpenMap(path.toStdString(), map_.Height()))
        Tell(notice);
    update();
    return true;
}
