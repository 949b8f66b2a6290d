#include "map/FitReport.h"

#include "base/Number.h"
#include "map/Proj.h"

#include <cmath>

namespace map {

FitReport ReportFit(const Georeference& georeference, const GridModel& model,
                    std::span<const CalibrationPoint> points) {
    FitReport report;
    double sumOfSquares = 0.0;
    for (const CalibrationPoint& point : points) {
        calib::PairCheck& check = report.points.emplace_back();
        check.pixel = point.pixel;
        check.geo = point.geo;
        if (georeference.HasTransform()) {
            check.missMetres = GroundMetres(point.geo, georeference.ToGeo(point.pixel));
            sumOfSquares += *check.missMetres * *check.missMetres;
        }
    }
    if (georeference.HasTransform() && !points.empty())
        report.rmsMetres = std::sqrt(sumOfSquares / static_cast<double>(points.size()));
    report.better = BetterModel(model, points);
    return report;
}

std::string GridModelLabel(const GridModel& model) {
    switch (model.kind) {
    case GridKind::Graticule:
        return "latitude/longitude graticule";
    case GridKind::Topographic:
        return "topographic grid";
    case GridKind::Chart:
        return "nautical chart";
    case GridKind::Named:
        break;
    }
    return "grid " + model.crs;
}

std::string DescribeFit(const FitReport& report) {
    if (!report.rmsMetres)
        return {};
    std::string text = "RMS " + base::FormatFixed(*report.rmsMetres, 1) + " m";
    if (report.better)
        text += "; the " + GridModelLabel(*report.better) + " would fit these points better";
    return text;
}

} // namespace map
