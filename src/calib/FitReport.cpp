#include "calib/FitReport.h"

#include "base/Number.h"
#include "geo/Proj.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace map {

namespace {

// A left-out miss this many times what the other points miss among themselves marks a point.
constexpr double kSuspectFactor = 5.0;
// Below this the others' RMS is reading error, which no point can be told apart by.
constexpr double kReadingMetres = kClearlyBetterMetres;

// Measures each point against the fit of the others. Comparing the left-out misses with each
// other does not find a wrong point among few: it spoils the fit of every set that holds it,
// so good points left out miss by tens of metres too. What tells it is that the others agree
// without it. Only a clear, small set is marked: fewer than half the points, and every point
// not marked either leaves behind a fit clearly worse than the marked ones do, or is missed
// far less than they are.
void LeaveEachOut(const GridModel& model, std::span<const CalibrationPoint> points,
                  std::vector<calib::PairCheck>& checks) {
    if (points.size() < kMinLeftOutPoints)
        return;
    const std::size_t n = points.size();
    // The RMS of the others' fit; a set that cannot be fitted tells nothing either way.
    std::vector<double> rest(n, std::numeric_limits<double>::infinity());
    std::vector<CalibrationPoint> others;
    for (std::size_t i = 0; i < n; ++i) {
        others.assign(points.begin(), points.end());
        others.erase(others.begin() + static_cast<std::ptrdiff_t>(i));
        const std::optional<GridGeoreference> fit = GridGeoreference::Fit(model, others, nullptr);
        if (!fit)
            continue;
        checks[i].leftOutMetres = GroundMetres(points[i].geo, fit->ToGeo(points[i].pixel));
        rest[i] = fit->RmsMetres();
    }
    if (n < kMinLeftOutPoints + 1) // four points: every one left out misses alike
        return;
    std::vector<std::size_t> suspects;
    for (std::size_t i = 0; i < n; ++i)
        if (checks[i].leftOutMetres &&
            *checks[i].leftOutMetres >= kSuspectFactor * std::max(rest[i], kReadingMetres))
            suspects.push_back(i);
    if (suspects.empty() || 2 * suspects.size() >= n)
        return;
    double worstRest = 0.0;
    double leastMiss = std::numeric_limits<double>::infinity();
    for (const std::size_t i : suspects) {
        worstRest = std::max(worstRest, std::max(rest[i], kReadingMetres));
        leastMiss = std::min(leastMiss, *checks[i].leftOutMetres);
    }
    for (std::size_t j = 0; j < n; ++j) {
        if (std::ranges::find(suspects, j) != suspects.end())
            continue;
        const bool worseWithout = rest[j] >= 2 * worstRest;
        const bool missedLess =
            checks[j].leftOutMetres && 3 * *checks[j].leftOutMetres <= leastMiss;
        if (!worseWithout && !missedLess)
            return;
    }
    for (const std::size_t i : suspects)
        checks[i].suspect = true;
}

} // namespace

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
    LeaveEachOut(model, points, report.points);
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
    std::vector<std::string> suspects;
    for (std::size_t i = 0; i < report.points.size(); ++i)
        if (report.points[i].suspect)
            suspects.push_back(std::to_string(i + 1));
    if (suspects.size() == 1)
        text += "; check point " + suspects[0] + ": the others agree without it";
    else if (!suspects.empty()) {
        text += "; check points ";
        for (std::size_t i = 0; i < suspects.size(); ++i)
            text += (i == 0 ? "" : i + 1 == suspects.size() ? " and " : ", ") + suspects[i];
        text += ": the others agree without any one of them";
    }
    return text;
}

} // namespace map
