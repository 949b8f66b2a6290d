#include "map/ShownMap.h"

#include "calib/CalibrationFile.h"

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
    calib::CGPSMapFuncs calibration;
    const std::string calibrationPath = calib::CalibrationFileName(calib::MapBaseName(imagePath));
    const platform::LoadResult loaded = calib::LoadCalibrationFile(calibrationPath, calibration);
    switch (loaded.status) {
    case platform::LoadStatus::Loaded:
    case platform::LoadStatus::Missing:
        break;
    case platform::LoadStatus::Unreadable:
    case platform::LoadStatus::Damaged:
        return {std::nullopt, false, loaded.error};
    }
    return {ImageMap(*read.header,
                     MapGeoreference(HandheldGeoreference(calibration, read.header->height))),
            loaded.status == platform::LoadStatus::Loaded,
            {}};
}

} // namespace map
