#include "trail/Profile.h"

#include "geo/RangeBearing.h"
#include "trail/TrailBuffer.h"

#include <algorithm>
#include <cmath>

namespace trail {

namespace {

constexpr double kKnotKmh = 1.852;

double Distance(const MapPos& a, const MapPos& b) {
    const double d = calib::RangeAndBearing(a, b).distance;
    return std::isfinite(d) ? d : 0.0;
}

// The step's own speed, km/h; NaN without two times in order.
double StepSpeed(const TrackPoint& from, const TrackPoint& to) {
    if (from.utcMs == 0 || to.utcMs <= from.utcMs)
        return TrackPoint::kUnknown;
    return Distance(from.position, to.position) /
           (static_cast<double>(to.utcMs - from.utcMs) / 1000.0) * 3.6;
}

bool Finite(const MapPos& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// The lowest and highest value of every line and lone sample, column by column.
std::vector<ProfileColumn> Columns(const std::vector<ProfileSample>& samples,
                                   double ProfileSample::*value, double from, double step,
                                   int width) {
    std::vector<ProfileColumn> columns(static_cast<std::size_t>(width));
    const auto columnOf = [&](double x) {
        return std::clamp(static_cast<int>(std::floor((x - from) / step)), 0, width - 1);
    };
    const auto take = [&](int c, double v) {
        ProfileColumn& column = columns[static_cast<std::size_t>(c)];
        if (column.Gap()) {
            column.low = column.high = v;
            return;
        }
        column.low = std::min(column.low, v);
        column.high = std::max(column.high, v);
    };
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const ProfileSample& b = samples[i];
        const double vb = b.*value;
        if (!std::isfinite(vb))
            continue;
        take(columnOf(b.x), vb);
        if (i == 0 || b.startsSegment || !std::isfinite(samples[i - 1].*value))
            continue;
        double xa = samples[i - 1].x, va = samples[i - 1].*value, xb = b.x, vbb = vb;
        if (xa > xb) {
            std::swap(xa, xb);
            std::swap(va, vbb);
        }
        const double run = xb - xa;
        const auto at = [&](double x) { return run > 0.0 ? va + (vbb - va) * (x - xa) / run : va; };
        // The line clipped to each column it crosses, taken at both ends of what is inside.
        for (int c = columnOf(xa) + 1, last = columnOf(xb); c <= last; ++c) {
            const double edge = from + c * step;
            take(c - 1, at(edge));
            take(c, at(edge));
        }
    }
    return columns;
}

} // namespace

ProfileSeries::ProfileSeries(ProfileAxis axis, DemHeights dem)
    : axis_(axis), dem_(std::move(dem)) {}

void ProfileSeries::Append(const TrackPoint& p, std::size_t segment, std::size_t point) {
    ++taken_;
    const bool newSegment = !last_ || segment != lastSegment_;
    const std::optional<TrackPoint> previous = newSegment ? std::nullopt : last_;
    if (!first_)
        first_ = p;
    last_ = p;
    lastSegment_ = segment;
    lastPoint_ = point;
    breakPending_ = breakPending_ || newSegment;
    if (!Finite(p.position) || (axis_ == ProfileAxis::Time && p.utcMs == 0)) {
        breakPending_ = true;
        return;
    }
    ProfileSample s;
    if (axis_ == ProfileAxis::Time) {
        if (firstMs_ == 0)
            firstMs_ = p.utcMs;
        s.x = static_cast<double>(p.utcMs - firstMs_) / 1000.0;
    } else if (!samples_.empty()) {
        s.x = samples_.back().x + Distance(samples_.back().position, p.position);
    }
    s.heightM = p.heightM;
    const double step = previous ? StepSpeed(*previous, p) : TrackPoint::kUnknown;
    s.speedKmh =
        std::isfinite(p.speedKnots) && p.speedKnots >= 0.0 ? p.speedKnots * kKnotKmh : step;
    // A segment's first point takes its first step's speed, as the colouring does.
    if (!breakPending_ && !samples_.empty() && samples_.back().startsSegment &&
        !std::isfinite(samples_.back().speedKmh))
        samples_.back().speedKmh = step;
    if (dem_) {
        const std::optional<double> h = dem_(p.position.y, p.position.x);
        if (h && std::isfinite(*h))
            s.demM = *h;
        else
            s.demMissing = true;
    }
    s.startsSegment = breakPending_;
    s.position = p.position;
    s.segment = segment;
    s.point = point;
    samples_.push_back(s);
    breakPending_ = false;
}

bool ProfileSeries::Follow(const Track& track) {
    const auto same = [](const TrackPoint& a, const TrackPoint& b) {
        return a.position == b.position && a.utcMs == b.utcMs;
    };
    std::size_t total = 0;
    for (const TrackSegment& segment : track)
        total += segment.size();
    const bool goesOn = first_ && total >= taken_ && !track.empty() && !track[0].empty() &&
                        same(track[0][0], *first_) && lastSegment_ < track.size() &&
                        lastPoint_ < track[lastSegment_].size() &&
                        same(track[lastSegment_][lastPoint_], *last_);
    if (!goesOn)
        *this = ProfileSeries(axis_, std::move(dem_));
    std::size_t skip = taken_;
    for (std::size_t s = 0; s < track.size(); ++s)
        for (std::size_t p = 0; p < track[s].size(); ++p) {
            if (skip > 0)
                --skip;
            else
                Append(track[s][p], s, p);
        }
    return goesOn;
}

std::optional<std::pair<double, double>> ProfileSeries::Range() const {
    if (samples_.empty())
        return std::nullopt;
    const auto [low, high] = std::minmax_element(
        samples_.begin(), samples_.end(),
        [](const ProfileSample& a, const ProfileSample& b) { return a.x < b.x; });
    return std::pair(low->x, high->x);
}

std::optional<std::size_t> ProfileSeries::NearestTo(double x) const {
    std::optional<std::size_t> best;
    double bestOff = INFINITY;
    for (std::size_t i = 0; i < samples_.size(); ++i)
        if (const double off = std::abs(samples_[i].x - x); off < bestOff) {
            bestOff = off;
            best = i;
        }
    return best;
}

std::optional<std::size_t> ProfileSeries::NearestPlace(const MapPos& geo, double withinM) const {
    // Flat within the few pixels a tap reaches: no trigonometry for each of many samples.
    constexpr double kMetresPerDegree = calib::kEarthRadiusMetres * calib::kDegreesToRadians;
    const double east = std::cos(geo.y * calib::kDegreesToRadians) * kMetresPerDegree;
    std::optional<std::size_t> best;
    double bestSquared = withinM * withinM;
    for (std::size_t i = 0; i < samples_.size(); ++i) {
        const double dx = (samples_[i].position.x - geo.x) * east;
        const double dy = (samples_[i].position.y - geo.y) * kMetresPerDegree;
        if (const double squared = dx * dx + dy * dy; squared <= bestSquared) {
            bestSquared = squared;
            best = i;
        }
    }
    return best;
}

std::vector<MapPos> ProfileSeries::DemMissingPlaces() const {
    std::vector<MapPos> places;
    bool inRun = false;
    for (const ProfileSample& s : samples_) {
        if (s.demMissing && !inRun)
            places.push_back(s.position);
        inRun = s.demMissing;
    }
    return places;
}

ProfileSeries SeriesOf(const Track& track, ProfileAxis axis, DemHeights dem) {
    ProfileSeries series(axis, std::move(dem));
    for (std::size_t s = 0; s < track.size(); ++s)
        for (std::size_t p = 0; p < track[s].size(); ++p)
            series.Append(track[s][p], s, p);
    return series;
}

Track TrailTrack(const TrailBuffer& trail, const std::deque<TrackPoint>& recent) {
    std::size_t count = 0;
    for (const MapPos& sample : trail.OldestToNewest())
        count += sample.IsSet() ? 1 : 0;
    // The trail's newest samples are the newest recent points.
    std::size_t next = recent.size() >= count ? recent.size() - count : 0;
    std::size_t skip = count > recent.size() ? count - recent.size() : 0;
    Track track(1);
    for (const MapPos& sample : trail.OldestToNewest()) {
        if (!sample.IsSet()) {
            if (!track.back().empty())
                track.emplace_back();
            continue;
        }
        TrackPoint point{sample};
        if (skip > 0)
            --skip;
        else if (next < recent.size() && recent[next].position == sample)
            point = recent[next++];
        else
            ++next;
        track.back().push_back(point);
    }
    if (track.back().empty())
        track.pop_back();
    return track;
}

ProfileColumns ColumnsOf(const ProfileSeries& series, int width) {
    ProfileColumns out;
    const std::optional<std::pair<double, double>> range = series.Range();
    if (width < 1 || !range)
        return out;
    out.from = range->first;
    // A single place still takes the whole width's first column.
    out.to = range->second > range->first ? range->second : range->first + 1.0;
    const double step = (out.to - out.from) / width;
    const std::vector<ProfileSample>& samples = series.Samples();
    out.height = Columns(samples, &ProfileSample::heightM, out.from, step, width);
    out.speed = Columns(samples, &ProfileSample::speedKmh, out.from, step, width);
    out.demMissing.assign(static_cast<std::size_t>(width), false);
    if (series.HasDem()) {
        out.dem = Columns(samples, &ProfileSample::demM, out.from, step, width);
        for (const ProfileSample& s : samples)
            if (s.demMissing)
                out.demMissing[static_cast<std::size_t>(std::clamp(
                    static_cast<int>(std::floor((s.x - out.from) / step)), 0, width - 1))] = true;
    }
    return out;
}

} // namespace trail
