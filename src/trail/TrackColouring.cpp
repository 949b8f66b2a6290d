#include "trail/TrackColouring.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "geo/RangeBearing.h"

namespace trail {

namespace {

constexpr double kKnotKmh = 1.852;
constexpr double kNaN = TrackPoint::kUnknown;

double Distance(const TrackPoint& a, const TrackPoint& b) {
    return calib::RangeAndBearing(a.position, b.position).distance;
}

std::vector<double> Speeds(const TrackSegment& segment) {
    std::vector<double> out(segment.size(), kNaN);
    for (std::size_t i = 0; i < segment.size(); ++i) {
        const TrackPoint& p = segment[i];
        if (std::isfinite(p.speedKnots) && p.speedKnots >= 0.0) {
            out[i] = p.speedKnots * kKnotKmh;
            continue;
        }
        // The step that ends here, or for the first point the one that starts here.
        const std::size_t from = i > 0 ? i - 1 : 0;
        const std::size_t to = i > 0 ? i : 1;
        if (to >= segment.size())
            continue;
        const TrackPoint& a = segment[from];
        const TrackPoint& b = segment[to];
        if (a.utcMs != 0 && b.utcMs > a.utcMs)
            out[i] = Distance(a, b) / (static_cast<double>(b.utcMs - a.utcMs) / 1000.0) * 3.6;
    }
    return out;
}

std::vector<double> Slopes(const TrackSegment& segment) {
    std::vector<double> out(segment.size(), kNaN);
    // Distance along the segment to each point, then for each point the nearest earlier point
    // at least kSlopeRunM back.
    std::vector<double> along(segment.size(), 0.0);
    for (std::size_t i = 1; i < segment.size(); ++i) {
        const double d = Distance(segment[i - 1], segment[i]);
        along[i] = along[i - 1] + (std::isfinite(d) ? d : 0.0);
    }
    std::size_t back = 0;
    for (std::size_t i = 1; i < segment.size(); ++i) {
        while (back + 1 < i && along[i] - along[back + 1] >= kSlopeRunM)
            ++back;
        const double run = along[i] - along[back];
        const double rise = segment[i].heightM - segment[back].heightM;
        if (run >= kSlopeRunM && std::isfinite(rise))
            out[i] = rise / run * 100.0;
    }
    return out;
}

} // namespace

std::vector<std::vector<double>> ValuesOf(const Track& track, ColourBy by) {
    std::int64_t firstMs = 0;
    for (const TrackSegment& segment : track)
        for (const TrackPoint& p : segment)
            if (firstMs == 0 && p.utcMs != 0)
                firstMs = p.utcMs;
    std::vector<std::vector<double>> values;
    values.reserve(track.size());
    for (const TrackSegment& segment : track) {
        switch (by) {
        case ColourBy::Speed:
            values.push_back(Speeds(segment));
            continue;
        case ColourBy::Slope:
            values.push_back(Slopes(segment));
            continue;
        default:
            break;
        }
        std::vector<double>& out = values.emplace_back(segment.size(), kNaN);
        for (std::size_t i = 0; i < segment.size(); ++i) {
            const TrackPoint& p = segment[i];
            if (by == ColourBy::Elevation)
                out[i] = p.heightM;
            else if (by == ColourBy::Time && p.utcMs != 0)
                out[i] = static_cast<double>(p.utcMs - firstMs) / 1000.0;
        }
    }
    return values;
}

std::optional<ValueLimits> LimitsOf(const std::vector<std::vector<double>>& values) {
    std::optional<ValueLimits> limits;
    for (const std::vector<double>& segment : values)
        for (const double v : segment) {
            if (!std::isfinite(v))
                continue;
            if (!limits)
                limits = ValueLimits{v, v};
            limits->low = std::min(limits->low, v);
            limits->high = std::max(limits->high, v);
        }
    return limits;
}

double FractionOf(double value, const ValueLimits& limits) {
    if (std::isnan(value))
        return kNaN;
    if (!(limits.high > limits.low))
        return 0.5;
    return std::clamp((value - limits.low) / (limits.high - limits.low), 0.0, 1.0);
}

std::uint32_t RampColour(double fraction) {
    if (std::isnan(fraction))
        return 0x808080;
    // Blue, cyan, green, yellow, red: readable on the pale and the busy parts of a scan.
    static constexpr std::array<std::array<double, 3>, 5> kStops = {{
        {0, 0, 255},
        {0, 200, 255},
        {0, 200, 0},
        {255, 220, 0},
        {230, 0, 0},
    }};
    const double at = std::clamp(fraction, 0.0, 1.0) * (kStops.size() - 1);
    const auto i = std::min(static_cast<std::size_t>(at), kStops.size() - 2);
    const double t = at - static_cast<double>(i);
    std::uint32_t rgb = 0;
    for (std::size_t c = 0; c < 3; ++c) {
        const double v = kStops[i][c] + (kStops[i + 1][c] - kStops[i][c]) * t;
        rgb = rgb << 8 | static_cast<std::uint32_t>(std::lround(v));
    }
    return rgb;
}

std::uint32_t FadedColour(std::uint32_t rgb, int level, int levels) {
    const int top = std::max(levels - 1, 1);
    const double scale = std::clamp(level, 0, top) / static_cast<double>(top) * 242.0 / 255.0;
    std::uint32_t out = 0;
    for (int shift = 16; shift >= 0; shift -= 8) {
        const auto v = static_cast<double>(rgb >> shift & 0xFFu);
        out = out << 8 | static_cast<std::uint32_t>(v * scale);
    }
    return out;
}

} // namespace trail
