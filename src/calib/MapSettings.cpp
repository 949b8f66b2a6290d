#include "calib/MapSettings.h"

#include <charconv>
#include <cmath>

namespace calib {

namespace {

// Fixed notation of a double can be over 300 digits long before the point.
constexpr std::size_t kFixedBufferSize = 400;

std::string Fixed(double value, int decimals) {
    char buffer[kFixedBufferSize];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return ec == std::errc{} ? std::string(buffer, end) : std::string("nan");
}

} // namespace

MagVarEntry SplitMagVar(double magVar) {
    return {std::fabs(magVar), !(magVar < 0)};
}

double SignedMagVar(const MagVarEntry& entry) {
    return entry.east ? entry.magnitude : -entry.magnitude;
}

std::string FormatMagVarMagnitude(double magnitude) {
    char buffer[kFixedBufferSize];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed);
    return ec == std::errc{} ? std::string(buffer, end) : std::string("nan");
}

std::optional<double> ParseMagVarMagnitude(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    // Digits and at most one point only: from_chars alone would also take "inf" and "nan".
    bool digit = false;
    int points = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == '.')
            ++points;
        else
            return std::nullopt;
    }
    if (!digit || points > 1)
        return std::nullopt;
    double value = 0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    if (value > kMaxMagVarMagnitude)
        return std::nullopt;
    return value;
}

std::string FormatCalibrationParams(const CGPSMapFuncs& calibration) {
    return "A: " + Fixed(calibration.GetA(), 10) + "   B: " + Fixed(calibration.GetB(), 10) +
           "\nC: " + Fixed(calibration.GetC(), 10) + "   D: " + Fixed(calibration.GetD(), 10) +
           "\nE: " + Fixed(calibration.GetE(), 10) + "   F: " + Fixed(calibration.GetF(), 10);
}

} // namespace calib
