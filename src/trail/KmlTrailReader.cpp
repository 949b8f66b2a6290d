#include "trail/KmlTrailReader.h"

#include "base/Number.h"
#include "base/Text.h"

#include <algorithm>
#include <cctype>

namespace trail {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

// The tuples of a coordinates text, separated by blanks; "" when all were good.
std::string ParseTuples(std::string_view text, TrackSegment& segment) {
    for (text = base::Trim(text, kBlanks); !text.empty(); text = base::Trim(text, kBlanks)) {
        const std::string_view tuple = text.substr(0, text.find_first_of(kBlanks));
        text.remove_prefix(tuple.size());
        const auto comma = tuple.find(',');
        const std::string_view rest =
            comma == std::string_view::npos ? std::string_view{} : tuple.substr(comma + 1);
        const auto lon =
            base::ParseExact<double>(base::SkipPlus(tuple.substr(0, comma)), -180, 180);
        const auto lat =
            base::ParseExact<double>(base::SkipPlus(rest.substr(0, rest.find(','))), -90, 90);
        if (comma == std::string_view::npos || !lon || !lat)
            return "coordinates not \"longitude,latitude\" in range: \"" +
                   std::string(tuple.substr(0, 40)) + "\"";
        TrackPoint point;
        point.position = MapPos(*lon, *lat);
        segment.push_back(point);
    }
    return {};
}

// A LineString's coordinates are one text node of any length (26 000 points make a megabyte),
// so they are taken a piece at a time as the reader passes them on.
class LineStringHandler : public xml::Handler {
public:
    Track track;

    std::string Start(const xml::Name& name, const xml::Attributes&) override {
        if (path_.empty() && name.local != "kml")
            return "not a KML document";
        path_.emplace_back(name.local);
        return {};
    }

    bool StreamsText(const xml::Name& name) override {
        if (name.local != "coordinates" || path_.size() < 2 ||
            path_[path_.size() - 2] != "LineString")
            return false;
        segment_.clear();
        pending_.clear();
        return true;
    }

    std::string Text(std::string_view piece) override {
        pending_ += piece;
        const auto blank = pending_.find_last_of(kBlanks);
        if (blank != std::string::npos) {
            if (std::string error =
                    ParseTuples(std::string_view(pending_).substr(0, blank), segment_);
                !error.empty())
                return error;
            pending_.erase(0, blank + 1);
        }
        // A tuple is three numbers; one that never ends is not a tuple.
        if (pending_.size() > kLongestTuple)
            return "coordinates not \"longitude,latitude\" in range: \"" + pending_.substr(0, 40) +
                   "\"";
        return {};
    }

    std::string End(const xml::Name&, std::string_view) override {
        const std::string local = std::move(path_.back());
        path_.pop_back();
        if (local != "coordinates" || path_.empty() || path_.back() != "LineString")
            return {};
        if (std::string error = ParseTuples(pending_, segment_); !error.empty())
            return error;
        pending_.clear();
        if (!segment_.empty())
            track.push_back(std::move(segment_));
        segment_.clear();
        return {};
    }

private:
    static constexpr std::size_t kLongestTuple = 4096;
    std::vector<std::string> path_;
    TrackSegment segment_;
    std::string pending_; // the start of a tuple whose end has not arrived yet
};

} // namespace

xml::Result ParseKmlTrack(std::string_view document, Track& track) {
    LineStringHandler handler;
    xml::Result result = xml::ReadXml(document, handler);
    if (result)
        track = std::move(handler.track);
    return result;
}

platform::LoadResult ReadKmlTrack(const std::string& path, Track& track) {
    LineStringHandler handler;
    platform::LoadResult result = xml::ToLoadResult(xml::ReadXmlFile(path, handler), path, "KML");
    if (result)
        track = std::move(handler.track);
    return result;
}

bool IsKmlFilePath(std::string_view path) {
    const auto dot = path.find_last_of('.');
    if (dot == std::string_view::npos)
        return false;
    return std::ranges::equal(path.substr(dot), std::string_view(".kml"), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

} // namespace trail
