#include "calib/PlaceImage.h"

#include "calib/CalibrationFile.h"
#include "calib/MapCalibration.h"

namespace map {

namespace {

bool Unread(platform::LoadStatus status) {
    return status == platform::LoadStatus::Unreadable || status == platform::LoadStatus::Damaged;
}

} // namespace

ImagePlacement PlaceImage(std::string_view mapPath, int imageHeight,
                          std::shared_ptr<const GridGeoreference> placedByFile,
                          const calib::CGPSMapFuncs& unreadableKeeps) {
    ImagePlacement out;
    const std::string baseName = calib::MapBaseName(mapPath);

    calib::CGPSMapFuncs calibration = unreadableKeeps;
    const std::string calibrationPath = calib::CalibrationFileName(baseName);
    const platform::LoadResult loaded = calib::LoadCalibrationFile(calibrationPath, calibration);
    out.calibrationFile = loaded.status;
    if (loaded.status == platform::LoadStatus::Missing)
        calibration = calib::CGPSMapFuncs();
    if (Unread(loaded.status))
        out.issues.push_back({calibrationPath, loaded.status, loaded.error});
    // Three points on one line give no transform; the last good one, if any, stays.
    if (const std::string_view why = calib::DescribeFitResult(calibration.GetFitResult());
        loaded && !why.empty())
        out.issues.push_back(
            {calibrationPath, loaded.status, calibrationPath + ": " + std::string(why)});

    const std::string gridPath = GridFileName(baseName);
    GridSettings settings;
    const platform::LoadResult grid = LoadGridFile(gridPath, settings);
    out.gridFile = grid.status;
    const GridSettings fromCalibration = DefaultGridSettings(
        calibration, loaded.status != platform::LoadStatus::Missing, imageHeight);
    if (Unread(grid.status))
        out.issues.push_back({gridPath, grid.status, grid.error});
    if (!grid)
        settings = fromCalibration;
    else if (loaded && !MatchesCalibration(settings, calibration, imageHeight))
        // The handheld's file was written since, by a program that knows no grid file: its
        // points are the newest.
        settings.points = fromCalibration.points;

    std::shared_ptr<const GridGeoreference> fit;
    if (grid) {
        std::string why;
        fit = FitGrid(settings, &why);
        if (!why.empty())
            out.issues.push_back({gridPath, grid.status, gridPath + ": " + why});
    }
    out.grid = std::move(settings);
    out.georeference =
        MapGeoreference(HandheldGeoreference(std::move(calibration), imageHeight), std::move(fit));
    if (grid && out.georeference.HasTransform()) {
        out.placedBy = PlacedBy::UserGrid;
    } else if (placedByFile) {
        out.georeference.SetGrid(std::move(placedByFile));
        out.placedBy = PlacedBy::File;
    } else if (out.georeference.HasTransform()) {
        out.placedBy = PlacedBy::Calibration;
    }
    out.calibrated = loaded || out.georeference.Grid() != nullptr;
    return out;
}

} // namespace map
