#include "calib/MapSettings.h"

#include "base/Number.h"
#include "base/Text.h"

#include <cmath>

namespace calib {

MagVarEntry SplitMagVar(double magVar) {
    return {std::fabs(magVar), !(magVar < 0)};
}

double SignedMagVar(const MagVarEntry& entry) {
    return entry.east ? entry.magnitude : -entry.magnitude;
}

std::string FormatMagVarMagnitude(double magnitude) {
    return base::FormatShortestFixed(magnitude);
}

std::optional<double> ParseMagVarMagnitude(std::string_view text) {
    text = base::SkipPlus(base::Trim(text, " "));
    // Digits and at most one point only: from_chars alone would also take "inf", "nan" and
    // exponents.
    if (text.find_first_not_of("0123456789.") != std::string_view::npos ||
        text.find_first_of("0123456789") == std::string_view::npos ||
        text.find('.') != text.rfind('.'))
        return std::nullopt;
    return base::ParseExact<double>(text, 0.0, kMaxMagVarMagnitude);
}

std::string FormatCalibrationParams(const CGPSMapFuncs& calibration) {
    using base::FormatFixed;
    return "A: " + FormatFixed(calibration.GetA(), 10) +
           "   B: " + FormatFixed(calibration.GetB(), 10) +
           "\nC: " + FormatFixed(calibration.GetC(), 10) +
           "   D: " + FormatFixed(calibration.GetD(), 10) +
           "\nE: " + FormatFixed(calibration.GetE(), 10) +
           "   F: " + FormatFixed(calibration.GetF(), 10);
}

} // namespace calib
