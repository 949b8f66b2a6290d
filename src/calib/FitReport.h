#pragma once

#include "calib/FitCheck.h"
#include "calib/Georeference.h"
#include "calib/GridModel.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace map {

// How well a map's georeference meets its calibration points, as the Calibration Points list
// shows it.
struct FitReport {
    std::vector<calib::PairCheck> points; // oldest first, each with its miss on the ground
    std::optional<double> rmsMetres;      // none without a transform or without points
    std::optional<GridModel> better;      // another model that fits the points clearly better
};

// From this many points each is also measured against the fit of the others (PairCheck's
// leftOutMetres); from one more, a point the others agree without is marked.
inline constexpr std::size_t kMinLeftOutPoints = 4;

// Measures georeference (the map's, whichever model places its pixels) against points; model
// is the map's grid model, which the others are weighed against.
FitReport ReportFit(const Georeference& georeference, const GridModel& model,
                    std::span<const CalibrationPoint> points);

// The model as the user chooses it: "latitude/longitude graticule", "topographic grid",
// "nautical chart", or "grid EPSG:32632".
std::string GridModelLabel(const GridModel& model);

// One line under the list: "RMS 1.2 m", and when another model fits better, "; the topographic
// grid would fit these points better", and for points marked, "; check point 4: the others
// agree without it". Empty without an RMS.
std::string DescribeFit(const FitReport& report);

} // namespace map
