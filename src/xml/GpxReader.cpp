#include "xml/GpxReader.h"

#include <cmath>

#include "base/Number.h"
#include "base/Text.h"
#include "base/Time.h"

namespace xml {

namespace {

constexpr std::string_view kGpx11 = "http://www.topografix.com/GPX/1/1";
constexpr std::string_view kGpx10 = "http://www.topografix.com/GPX/1/0";
constexpr std::string_view kBlanks = " \t\r\n";

// A number as xsd:decimal writes it (blanks around and a '+' allowed), within [min, max].
std::optional<double> ParseDecimal(std::string_view text, double min, double max) {
    return base::ParseExact<double>(base::SkipPlus(base::Trim(text, kBlanks)), min, max);
}

// The offending text for a message, cut to a readable length.
std::string Quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::string out = "\"";
    out += text.substr(0, kShown);
    if (text.size() > kShown)
        out += "...";
    return out + "\"";
}

class GpxHandler : public Handler {
public:
    GpxContents contents;

    std::string Start(const Name& name, const Attributes& attributes) override {
        if (path_.empty()) {
            if (name.local != "gpx" ||
                (name.space != kGpx11 && name.space != kGpx10 && !name.space.empty()))
                return "not a GPX document";
            space_ = name.space;
        }
        const bool gpx = name.space == space_;
        path_.emplace_back(gpx ? name.local : std::string_view{});
        if (!gpx)
            return {};
        // Each element only at its own place under the root: a <trk> in a nested <gpx> is
        // not a track of this document.
        const std::string_view parent = Parent();
        const std::size_t depth = path_.size();
        if ((name.local == "trkpt" && parent == "trkseg" && depth == 4) ||
            (name.local == "wpt" && depth == 2) ||
            (name.local == "rtept" && parent == "rte" && depth == 3)) {
            point_ = TrackPoint{};
            waypoint_ = GpxWaypoint{};
            pointDepth_ = path_.size();
            return ReadPosition(attributes);
        }
        if (name.local == "trkseg" && parent == "trk" && depth == 3)
            segment_.clear();
        else if (name.local == "trk" && depth == 2)
            track_ = GpxTrack{};
        else if (name.local == "rte" && depth == 2)
            route_ = GpxRoute{};
        return {};
    }

    std::string End(const Name& name, std::string_view text) override {
        const std::string local = std::move(path_.back());
        path_.pop_back();
        const std::string_view parent = path_.empty() ? std::string_view{} : path_.back();
        if (local.empty()) {
            // <extensions><gpxtpx:TrackPointExtension><gpxtpx:speed> of the point being read.
            if (pointDepth_ != 0 && path_.size() == pointDepth_ + 2 &&
                name.space == kGpxTrackPointExtension)
                ReadMotion(name.local, text);
            return {};
        }
        const std::size_t depth = path_.size() + 1; // of the element that ends
        if (local == "trkseg" && parent == "trk" && depth == 3) {
            if (!segment_.empty()) {
                contents.track.push_back(std::move(segment_));
                ++track_.segments;
            }
            segment_.clear();
        } else if (local == "trk" && depth == 2) {
            if (track_.segments != 0)
                contents.tracks.push_back(std::move(track_));
        } else if (local == "rte" && depth == 2) {
            if (!route_.points.empty())
                contents.routes.push_back(std::move(route_));
        } else if (local == "name" && parent == "trk" && depth == 3) {
            track_.name = text;
        } else if (local == "name" && parent == "rte" && depth == 3) {
            route_.name = text;
        } else if (path_.size() + 1 == pointDepth_) {
            pointDepth_ = 0;
            if (local == "trkpt")
                segment_.push_back(point_);
            else if (local == "rtept")
                route_.points.push_back(std::move(waypoint_));
            else
                contents.waypoints.push_back(std::move(waypoint_));
        } else if (pointDepth_ != 0 && path_.size() == pointDepth_) {
            // Only the point's own children: a <wpt> inside its extensions is not ours.
            return ReadChild(local, text);
        }
        return {};
    }

private:
    std::string space_;             // the root's namespace; only its elements are GPX
    std::vector<std::string> path_; // GPX local names of the open elements, "" for others
    TrackSegment segment_;
    GpxTrack track_;
    GpxRoute route_;
    TrackPoint point_;
    GpxWaypoint waypoint_;
    std::size_t pointDepth_ = 0; // path_'s size inside the point being read, 0 outside one

    [[nodiscard]] std::string_view Parent() const {
        return path_.size() < 2 ? std::string_view{} : path_[path_.size() - 2];
    }

    std::string ReadPosition(const Attributes& attributes) {
        const auto lat = attributes.Find("lat");
        const auto lon = attributes.Find("lon");
        if (!lat || !lon)
            return "a point without lat or lon";
        const auto y = ParseDecimal(*lat, -90, 90);
        if (!y)
            return "latitude not a number from -90 to 90: " + Quoted(*lat);
        const auto x = ParseDecimal(*lon, -180, 180);
        if (!x)
            return "longitude not a number from -180 to 180: " + Quoted(*lon);
        point_.position = MapPos(*x, *y);
        waypoint_.position = point_.position;
        return {};
    }

    // A speed in metres per second or a course in degrees; one that makes no sense is left
    // unknown, as a receiver that did not give it.
    void ReadMotion(std::string_view local, std::string_view text) {
        constexpr double kKnotsPerMetrePerSecond = 3600.0 / 1852.0;
        if (local == "speed") {
            if (const auto speed = ParseDecimal(text, 0, 1e9))
                point_.speedKnots = *speed * kKnotsPerMetrePerSecond;
        } else if (local == "course") {
            if (const auto course = ParseDecimal(text, 0, 360))
                point_.courseDeg = *course;
        }
    }

    std::string ReadChild(std::string_view local, std::string_view text) {
        if (local == "ele") {
            const auto height = ParseDecimal(text, -1e9, 1e9);
            if (!height)
                return "elevation not a number: " + Quoted(text);
            point_.heightM = *height;
            waypoint_.heightM = *height;
        } else if (local == "time") {
            const auto when = base::ParseIso8601(base::Trim(text, kBlanks));
            if (!when)
                return "not a date and time: " + Quoted(text);
            point_.utcMs = *when;
        } else if (local == "name") {
            waypoint_.name = text;
        } else if (local == "desc") {
            waypoint_.description = text;
        } else if (local == "sym") {
            waypoint_.symbol = base::Trim(text, kBlanks);
        } else if (local == "speed" || local == "course") {
            ReadMotion(local, text); // GPX 1.0
        }
        return {};
    }
};

} // namespace

Result ParseGpx(std::string_view document, GpxContents& contents) {
    return ParseInto(document, GpxHandler{}, contents);
}

platform::LoadResult ReadGpxFile(const std::string& path, GpxContents& contents) {
    return ReadFileInto(path, "GPX", GpxHandler{}, contents);
}

Track GpxTrail(const GpxContents& contents) {
    if (!contents.track.empty() || contents.routes.empty())
        return contents.track;
    Track track;
    for (const GpxRoute& route : contents.routes) {
        TrackSegment& segment = track.emplace_back();
        for (const GpxWaypoint& point : route.points)
            segment.push_back(
                TrackPoint{point.position, 0, point.heightM.value_or(TrackPoint::kUnknown)});
    }
    return track;
}

} // namespace xml
