#include "coords/CoordFormat.h"

#include "coords/Mgrs.h"
#include "coords/Utm.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace coords {

namespace {

constexpr std::string_view kDegreeMark = "\xC2\xB0"; // U+00B0 in UTF-8
// Far beyond any coordinate, small enough that degrees and a carry fit a 32-bit integer.
constexpr double kMaxDegrees = 1e9;

double Magnitude(double angle) {
    if (!std::isfinite(angle))
        return 0.0;
    const double a = std::fabs(angle);
    return a > kMaxDegrees ? kMaxDegrees : a;
}

// The value the text of FormatFixed(value, decimals) stands for, so that a carry decision is
// made on exactly what the user will see.
double RoundedAsPrinted(double value, int decimals) {
    const std::string text = FormatFixed(value, decimals);
    double rounded = value;
    std::from_chars(text.data(), text.data() + text.size(), rounded);
    return rounded;
}

std::string Join(std::int32_t degrees, std::string_view rest) {
    std::string text = FormatPadded(degrees, 0);
    text += kDegreeMark;
    text += rest;
    return text;
}

std::string FormatAngle(double angle, CoordFormat format, std::string_view negative,
                        std::string_view positive) {
    const std::string_view hemisphere = angle < 0.0 ? negative : positive;
    std::string text;
    switch (format) {
    case CoordFormat::Dms: {
        const DmsParts parts = SplitDmsRounded(angle, 1);
        text = Join(parts.degrees, FormatPadded(parts.minutes, 2));
        text += '\'';
        text += FormatFixed(parts.seconds, 1);
        break;
    }
    case CoordFormat::Dm: {
        const DmParts parts = SplitDmRounded(angle, 2);
        text = Join(parts.degrees, FormatFixed(parts.minutes, 2));
        text += '\'';
        break;
    }
    case CoordFormat::Deg:
    case CoordFormat::Utm:
    case CoordFormat::Mgrs:
    default:
        text = FormatFixed(Magnitude(angle), 4);
        text += kDegreeMark;
        break;
    }
    text += hemisphere;
    return text;
}

} // namespace

DmsParts SplitDms(double angle) {
    const double a = Magnitude(angle);
    DmsParts parts;
    parts.degrees = static_cast<std::int32_t>(a);
    const double f = a - parts.degrees;
    parts.minutes = static_cast<std::int32_t>(f * 60.0);
    parts.seconds = (f - parts.minutes * K60) * 3600.0;
    // A residue below zero would print as "-0.0"; none turns up near whole minutes up to
    // 180 degrees, but the guard is cheap.
    if (parts.seconds < 0.0)
        parts.seconds = 0.0;
    return parts;
}

DmParts SplitDm(double angle) {
    const double a = Magnitude(angle);
    DmParts parts;
    parts.degrees = static_cast<std::int32_t>(a);
    parts.minutes = (a - parts.degrees) * 60.0;
    return parts;
}

DmsParts SplitDmsRounded(double angle, int decimals) {
    DmsParts parts = SplitDms(angle);
    parts.seconds = RoundedAsPrinted(parts.seconds, decimals);
    if (parts.seconds >= 60.0) {
        parts.seconds = 0.0;
        if (++parts.minutes == 60) {
            parts.minutes = 0;
            ++parts.degrees;
        }
    }
    return parts;
}

DmParts SplitDmRounded(double angle, int decimals) {
    DmParts parts = SplitDm(angle);
    parts.minutes = RoundedAsPrinted(parts.minutes, decimals);
    if (parts.minutes >= 60.0) {
        parts.minutes = 0.0;
        ++parts.degrees;
    }
    return parts;
}

double DmsToDegrees(std::int32_t degrees, std::int32_t minutes, double seconds) {
    return (minutes * K60 + seconds * K3600) + degrees;
}

double DmToDegrees(std::int32_t degrees, double minutes) {
    return minutes * K60 + degrees;
}

std::string FormatLatitude(double angle, CoordFormat format) {
    return FormatAngle(angle, format, "S", "N");
}

std::string FormatLongitude(double angle, CoordFormat format) {
    return FormatAngle(angle, format, "W", "E");
}

std::string FormatPosition(const MapPos& position, CoordFormat format) {
    if (format == CoordFormat::Utm || format == CoordFormat::Mgrs) {
        std::string grid = format == CoordFormat::Utm ? FormatUtm(position) : FormatMgrs(position);
        if (!grid.empty())
            return grid;
        format = CoordFormat::Deg;
    }
    std::string text = FormatLongitude(position.x, format);
    text += ' ';
    text += FormatLatitude(position.y, format);
    return text;
}

} // namespace coords
