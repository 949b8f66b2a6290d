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

class LineStringHandler : public xml::Handler {
public:
    Track track;

    std::string Start(const xml::Name& name, const xml::Attributes&) override {
        if (path_.empty() && name.local != "kml")
            return "not a KML document";
        path_.emplace_back(name.local);
        return {};
    }

    std::string End(const xml::Name&, std::string_view text) override {
        const std::string local = std::move(path_.back());
        path_.pop_back();
        if (local != "coordinates" || path_.empty() || path_.back() != "LineString")
            return {};
        TrackSegment segment;
        if (std::string error = ParseTuples(text, segment); !error.empty())
            return error;
        if (!segment.empty())
            track.push_back(std::move(segment));
        return {};
    }

private:
    std::vector<std::string> path_;
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
