#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "base/MapPos.h"
#include "trail/TrackPoint.h"

// A track's profile: its heights and speeds against distance or time, and the columns a graph
// of a given width draws them in.
namespace trail {

class TrailBuffer;

enum class ProfileAxis { Distance, Time };

// A second height for a position (latitude, longitude in degrees), from a terrain model; none
// where it has no data.
using DemHeights = std::function<std::optional<double>(double lat, double lon)>;

struct ProfileSample {
    double x = 0.0;                         // metres from the start, or seconds since it
    double heightM = TrackPoint::kUnknown;  // the receiver's
    double speedKmh = TrackPoint::kUnknown; // the receiver's, else the last step's
    double demM = TrackPoint::kUnknown;     // the terrain model's, when one is given
    bool demMissing = false;                // a terrain model was asked and had none
    bool startsSegment = false;             // not joined to the sample before
    MapPos position;                        // y latitude, x longitude
    std::size_t segment = 0;                // where it is in the track it came from
    std::size_t point = 0;
};

// The samples of one track, oldest first, built one point at a time so that a recording
// growing by a fix costs one step.
//
// Distance runs along each segment and across a break by the straight line over it, so a gap
// is as wide as the ground it skipped. Time is seconds since the first point with a time; a
// point without one cannot be placed on that axis and breaks the line there.
class ProfileSeries {
public:
    explicit ProfileSeries(ProfileAxis axis = ProfileAxis::Distance, DemHeights dem = {});

    // The point at (segment, point) of its track: a new segment number starts a new segment.
    void Append(const TrackPoint& p, std::size_t segment, std::size_t point);
    // Brings the series up to track: when track goes on from what was taken (a recording that
    // grew) only its new points are appended, otherwise (trimmed, replaced) it is built afresh.
    // True when it only appended.
    bool Follow(const Track& track);

    [[nodiscard]] ProfileAxis Axis() const { return axis_; }
    [[nodiscard]] bool HasDem() const { return static_cast<bool>(dem_); }
    [[nodiscard]] const std::vector<ProfileSample>& Samples() const { return samples_; }
    // The points appended, those left off the time axis too.
    [[nodiscard]] std::size_t PointsTaken() const { return taken_; }
    // The x range the samples cover; none without samples.
    [[nodiscard]] std::optional<std::pair<double, double>> Range() const;

    // The sample whose x is nearest to x; none without samples.
    [[nodiscard]] std::optional<std::size_t> NearestTo(double x) const;
    // The sample nearest to geo (latitude in y) within withinM metres; none when none is.
    [[nodiscard]] std::optional<std::size_t> NearestPlace(const MapPos& geo, double withinM) const;
    // The places whose terrain height is missing, one for each run of them (what names the
    // missing tiles).
    [[nodiscard]] std::vector<MapPos> DemMissingPlaces() const;

private:
    ProfileAxis axis_;
    DemHeights dem_;
    std::vector<ProfileSample> samples_;
    std::size_t taken_ = 0;
    std::optional<TrackPoint> last_; // the last point appended, placed or not
    std::size_t lastSegment_ = 0;
    std::size_t lastPoint_ = 0;
    std::optional<TrackPoint> first_;
    std::int64_t firstMs_ = 0;
    bool breakPending_ = false;
};

[[nodiscard]] ProfileSeries SeriesOf(const Track& track, ProfileAxis axis, DemHeights dem = {});

// The live trail as a track: its samples oldest first, a segment between breaks, each with what
// the receiver said of it where recent (the recording's recent points, oldest first) still holds
// it; the trail's positions and those points' are the same in the same order.
[[nodiscard]] Track TrailTrack(const TrailBuffer& trail, const std::deque<TrackPoint>& recent);

// One column of the graph: the lowest and highest value of the line within it, NaN for both
// where the line has a gap. Each column holds the values of the line at its edges too, so
// neighbouring columns join and a peak narrower than a column keeps its height.
struct ProfileColumn {
    double low = TrackPoint::kUnknown;
    double high = TrackPoint::kUnknown;
    [[nodiscard]] bool Gap() const { return !(low <= high); }
};

struct ProfileColumns {
    double from = 0.0, to = 0.0; // the x range across the columns
    std::vector<ProfileColumn> height, speed, dem;
    std::vector<bool> demMissing; // a column with a sample whose terrain height is missing
};

// width columns over the series' range (none for a width below 1 or no samples). A line runs
// between neighbouring samples of a segment that both have the value; a sample alone marks its
// own column.
[[nodiscard]] ProfileColumns ColumnsOf(const ProfileSeries& series, int width);

} // namespace trail
