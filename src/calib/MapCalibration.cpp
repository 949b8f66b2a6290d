#include "calib/MapCalibration.h"

#include "calib/CalibrationFile.h"
#include "calib/PlaceImage.h"

#include <algorithm>
#include <cmath>

namespace map {

namespace {

// The pixel of a plane point read back from a file may differ from the one written in the last
// bits: rows are stored counted from the bottom.
constexpr double kSamePixel = 1e-6;

std::size_t NewestCount(const GridSettings& settings) {
    return std::min<std::size_t>(settings.points.size(), kMinKeptPoints);
}

} // namespace

GridSettings DefaultGridSettings(const calib::CGPSMapFuncs& calibration, bool calibrationFileRead,
                                 int imageHeight) {
    GridSettings settings;
    settings.model.kind = calibrationFileRead ? GridKind::Graticule : GridKind::Topographic;
    const std::vector<MapPos>& entries = calibration.GetCalibrationPoints();
    for (std::size_t i = 0; i + 1 < entries.size(); i += 2)
        settings.points.push_back(
            {MapPos(entries[i].x, imageHeight - entries[i].y), entries[i + 1]});
    return settings;
}

bool UsesHandheldModel(const GridSettings& settings) {
    return settings.model.kind == GridKind::Graticule &&
           settings.points.size() <= static_cast<std::size_t>(kMinKeptPoints);
}

bool NeedsGridFile(const GridSettings& settings) {
    return settings.model.kind != GridKind::Graticule || settings.keep != kMinKeptPoints ||
           settings.datum != GridSettings().datum;
}

bool MatchesCalibration(const GridSettings& settings, const calib::CGPSMapFuncs& calibration,
                        int imageHeight) {
    const std::vector<MapPos>& entries = calibration.GetCalibrationPoints();
    const std::size_t count = NewestCount(settings);
    if (entries.size() != 2 * count)
        return false;
    const std::size_t first = settings.points.size() - count;
    for (std::size_t i = 0; i < count; ++i) {
        const CalibrationPoint& point = settings.points[first + i];
        const MapPos& plane = entries[2 * i];
        if (std::abs(point.pixel.x - plane.x) > kSamePixel ||
            std::abs(point.pixel.y - (imageHeight - plane.y)) > kSamePixel ||
            !(point.geo == entries[2 * i + 1]))
            return false;
    }
    return true;
}

calib::CGPSMapFuncs CalibrationFor(const GridSettings& settings,
                                   const calib::CGPSMapFuncs& calibration, int imageHeight) {
    if (MatchesCalibration(settings, calibration, imageHeight))
        return calibration;
    calib::CGPSMapFuncs rebuilt;
    rebuilt.SetMagVar(calibration.GetMagVar());
    for (std::size_t i = settings.points.size() - NewestCount(settings); i < settings.points.size();
         ++i) {
        const CalibrationPoint& point = settings.points[i];
        (void)rebuilt.AddCalibrationPoint(MapPos(point.pixel.x, imageHeight - point.pixel.y),
                                          point.geo);
    }
    return rebuilt;
}

std::shared_ptr<const GridGeoreference> FitGrid(const GridSettings& settings, std::string* error) {
    error->clear();
    if (UsesHandheldModel(settings) ||
        settings.points.size() < static_cast<std::size_t>(kMinKeptPoints))
        return nullptr;
    std::optional<GridGeoreference> fit =
        GridGeoreference::Fit(settings.model, settings.points, error);
    if (!fit) {
        if (error->empty())
            *error = "the grid cannot be fitted through these points";
        return nullptr;
    }
    return std::make_shared<const GridGeoreference>(std::move(*fit));
}

MapCalibrationRead ReadMapCalibration(const std::string& baseName, int height) {
    const std::string calibrationPath = calib::CalibrationFileName(baseName);
    ImagePlacement placed = PlaceImage(calibrationPath, height, nullptr);
    // A calibration file whose pairs give no transform is still the calibration.
    for (const FileIssue& issue : placed.issues) {
        if (issue.path != calibrationPath || issue.status != platform::LoadStatus::Loaded)
            return {std::nullopt, false, issue.text};
    }
    return {std::move(placed.georeference), placed.calibrated, {}};
}

} // namespace map
