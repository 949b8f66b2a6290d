#include "map/ShownMap.h"

#include "calib/CalibrationFile.h"
#include "map/MapCalibration.h"

namespace map {

std::vector<MapPos> ShownMap::Outline() const {
    if (!Georef().HasTransform())
        return {};
    const double w = Width();
    const double h = Height();
    return {ToGeo(MapPos(0, 0)), ToGeo(MapPos(w, 0)), ToGeo(MapPos(w, h)), ToGeo(MapPos(0, h))};
}

std::string ShownMap::Description() const {
    const std::string model = Georef().Describe();
    return Kind() + ' ' + std::to_string(Width()) + " x " + std::to_string(Height()) + ", " +
           model.substr(0, model.find('\t'));
}

ImageMapResult ReadImageMap(const std::string& imagePath) {
    ImageHeaderResult read = ReadImageHeader(imagePath);
    if (!read.header)
        return {std::nullopt, false, std::move(read.error)};
    const int height = read.header->height;
    calib::CGPSMapFuncs calibration;
    const std::string baseName = calib::MapBaseName(imagePath);
    const std::string calibrationPath = calib::CalibrationFileName(baseName);
    const platform::LoadResult loaded = calib::LoadCalibrationFile(calibrationPath, calibration);
    switch (loaded.status) {
    case platform::LoadStatus::Loaded:
    case platform::LoadStatus::Missing:
        break;
    case platform::LoadStatus::Unreadable:
    case platform::LoadStatus::Damaged:
        return {std::nullopt, false, loaded.error};
    }
    // The grid file, when there is one, decides the model; its points give way to the
    // handheld's file where another program wrote that since.
    GridSettings settings;
    const std::string gridPath = GridFileName(baseName);
    const platform::LoadResult grid = LoadGridFile(gridPath, settings);
    if (grid.status != platform::LoadStatus::Loaded && grid.status != platform::LoadStatus::Missing)
        return {std::nullopt, false, grid.error};
    std::shared_ptr<const GridGeoreference> fit;
    if (grid) {
        if (loaded && !MatchesCalibration(settings, calibration, height))
            settings.points = DefaultGridSettings(calibration, true, height).points;
        std::string why;
        fit = FitGrid(settings, &why);
        if (!why.empty())
            return {std::nullopt, false, gridPath + ": " + why};
    }
    const bool calibrated = loaded || fit != nullptr;
    return {ImageMap(*read.header,
                     MapGeoreference(HandheldGeoreference(calibration, height), std::move(fit))),
            calibrated,
            {}};
}

} // namespace map
