// Loading a map with the calibration and points files beside it, and writing the calibration.
#include "view/MapView.h"

#include "calib/CalibrationFile.h"
#include "platform/ImageLoader.h"
#include "platform/MessageBox.h"
#include "points/PointsFile.h"

#include <QApplication>

#include <cerrno>
#include <cstdio>

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

QImage MapView::LoadMapImage(const QString& path) {
    WaitCursor wait;
    return platform::LoadMapImageFile(path);
}

bool MapView::LoadMap(const QString& path) {
    // The old image goes first, whatever the new one turns out to be; zoom and scroll are
    // kept for a load that fails.
    const double zoom = geometry_.Zoom();
    const ViewPoint scroll = geometry_.ScrollOffset();
    mapImage_ = QImage();
    geometry_.SetImageSize(0, 0);

    QImage image = LoadMapImage(path);
    if (image.isNull()) {
        geometry_.SetZoom(zoom);
        geometry_.SetScrollOffset(scroll);
        update();
        return false;
    }
    mapImage_ = std::move(image);
    geometry_.SetImageSize(mapImage_.width(), mapImage_.height()); // zoom 1.0, scroll (0, 0)
    mapBaseName_ = calib::MapBaseName(path.toStdString());
    mapImagePath_ = path;

    const std::string calibrationPath = calib::CalibrationFileName(mapBaseName_);
    const platform::LoadResult calibration =
        calib::LoadCalibrationFile(calibrationPath, calibration_);
    calibrationFileDamaged_ = calibration.status == platform::LoadStatus::Unreadable ||
                              calibration.status == platform::LoadStatus::Damaged;
    switch (calibration.status) {
    case platform::LoadStatus::Missing:
        platform::ShowMessage(this, "This map has no calibration information.", "Warning",
                              platform::MessageIcon::Warning);
        break;
    case platform::LoadStatus::Unreadable:
    case platform::LoadStatus::Damaged:
        platform::ShowMessage(this, QString::fromStdString(calibration.error), "Load Error",
                              platform::MessageIcon::Error);
        break;
    case platform::LoadStatus::Loaded: {
        // Three points on one line give no transform; the old parameters stay in use.
        const std::string_view why = calib::DescribeFitResult(calibration_.GetFitResult());
        if (!why.empty())
            platform::ShowMessage(this,
                                  QString::fromStdString(calibrationPath) + ": " +
                                      QString::fromUtf8(why.data(), qsizetype(why.size())),
                                  "Warning", platform::MessageIcon::Warning);
        break;
    }
    }

    mapPoints_.clear();
    points::MapPointList loaded;
    const platform::LoadResult read =
        points::ReadPointsFile(calib::PointsFileName(mapBaseName_), loaded);
    pointsFileDamaged_ = !read && read.status != platform::LoadStatus::Missing;
    if (read)
        mapPoints_ = std::move(loaded);
    else if (read.status != platform::LoadStatus::Missing)
        platform::ShowMessage(this, QString::fromStdString(read.error), "Load Error",
                              platform::MessageIcon::Error);

    update();
    return true;
}

bool MapView::SetAsideIfDamaged(bool& damaged, const std::string& path) {
    if (!damaged)
        return true;
    // A file we could not read may still be recoverable by hand: it is renamed to NAME.damaged
    // (replacing an older one) before our first write over it.
    const std::string aside = path + ".damaged";
    if (std::rename(path.c_str(), aside.c_str()) != 0 && errno != ENOENT) {
        platform::ShowMessage(this, "Unable to write file: " + QString::fromStdString(path),
                              "Save Error", platform::MessageIcon::Error);
        return false;
    }
    damaged = false;
    return true;
}

bool MapView::SaveCalibration() {
    const std::string path = calib::CalibrationFileName(mapBaseName_);
    if (!SetAsideIfDamaged(calibrationFileDamaged_, path))
        return false;
    const platform::FileResult saved = calib::SaveCalibrationFile(path, calibration_);
    if (!saved) {
        platform::ShowMessage(this, "Unable to write file: " + QString::fromStdString(path),
                              "Save Error", platform::MessageIcon::Error);
        return false;
    }
    return true;
}
