#include "xml/KmlReader.h"

#include "base/Number.h"
#include "base/Text.h"

#include <optional>

namespace xml {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

// One "longitude,latitude[,altitude]" tuple.
std::optional<MapPos> ParseTuple(std::string_view tuple) {
    const auto comma = tuple.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    const std::string_view rest = tuple.substr(comma + 1);
    const auto lon = base::ParseExact<double>(base::SkipPlus(tuple.substr(0, comma)), -180, 180);
    const auto lat =
        base::ParseExact<double>(base::SkipPlus(rest.substr(0, rest.find(','))), -90, 90);
    if (!lon || !lat)
        return std::nullopt;
    return MapPos(*lon, *lat);
}

std::string BadCoordinates(std::string_view shown) {
    return "coordinates not \"longitude,latitude\" in range: \"" +
           std::string(shown.substr(0, 40)) + "\"";
}

// The tuples of a coordinates text, separated by blanks; "" when all were good.
std::string ParseTuples(std::string_view text, TrackSegment& segment) {
    for (text = base::Trim(text, kBlanks); !text.empty(); text = base::Trim(text, kBlanks)) {
        const std::string_view tuple = text.substr(0, text.find_first_of(kBlanks));
        text.remove_prefix(tuple.size());
        const auto position = ParseTuple(tuple);
        if (!position)
            return BadCoordinates(tuple);
        TrackPoint point;
        point.position = *position;
        segment.push_back(point);
    }
    return {};
}

// What both KML readers share: the local names of the open elements under a <kml> root.
class KmlHandler : public Handler {
public:
    std::string Start(const Name& name, const Attributes&) override {
        if (path_.empty() && name.local != "kml")
            return "not a KML document";
        path_.emplace_back(name.local);
        return Started(name.local);
    }

    std::string End(const Name&, std::string_view text) override {
        const std::string local = std::move(path_.back());
        path_.pop_back();
        return Ended(local, path_.empty() ? std::string_view{} : path_.back(), text);
    }

protected:
    virtual std::string Started(std::string_view) { return {}; }
    virtual std::string Ended(std::string_view local, std::string_view parent,
                              std::string_view text) = 0;
    std::vector<std::string> path_;
};

// A LineString's coordinates are one text node of any length (26 000 points make a megabyte),
// so they are taken a piece at a time as the reader passes them on.
class LineStringHandler : public KmlHandler {
public:
    Track contents;

    bool StreamsText(const Name& name) override {
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
            return BadCoordinates(pending_);
        return {};
    }

private:
    static constexpr std::size_t kLongestTuple = 4096;
    TrackSegment segment_;
    std::string pending_; // the start of a tuple whose end has not arrived yet

    std::string Ended(std::string_view local, std::string_view parent, std::string_view) override {
        if (local != "coordinates" || parent != "LineString")
            return {};
        if (std::string error = ParseTuples(pending_, segment_); !error.empty())
            return error;
        pending_.clear();
        if (!segment_.empty())
            contents.push_back(std::move(segment_));
        segment_.clear();
        return {};
    }
};

class PlacemarkHandler : public KmlHandler {
public:
    std::vector<KmlPlacemark> contents;

private:
    int placemarkDepth_ = 0;
    KmlPlacemark placemark_;
    bool hasPosition_ = false;

    std::string Started(std::string_view local) override {
        if (local == "Placemark") {
            ++placemarkDepth_;
            placemark_ = KmlPlacemark{};
            hasPosition_ = false;
        }
        return {};
    }

    std::string Ended(std::string_view local, std::string_view parent,
                      std::string_view text) override {
        if (local == "Placemark") {
            --placemarkDepth_;
            if (hasPosition_)
                contents.push_back(placemark_);
        } else if (placemarkDepth_ > 0 && parent == "Placemark") {
            if (local == "name")
                placemark_.name = text;
            else if (local == "description")
                placemark_.description = text;
        } else if (placemarkDepth_ > 0 && local == "coordinates" && parent == "Point" &&
                   !hasPosition_) {
            const std::string_view trimmed = base::Trim(text, kBlanks);
            const auto position = ParseTuple(trimmed.substr(0, trimmed.find_first_of(kBlanks)));
            if (!position)
                return BadCoordinates(trimmed);
            placemark_.position = *position;
            hasPosition_ = true;
        }
        return {};
    }
};

} // namespace

Result ParseKmlTrack(std::string_view document, Track& track) {
    return ParseInto(document, LineStringHandler{}, track);
}

platform::LoadResult ReadKmlTrack(const std::string& path, Track& track) {
    return ReadFileInto(path, "KML", LineStringHandler{}, track);
}

Result ParseKmlPlacemarks(std::string_view document, std::vector<KmlPlacemark>& placemarks) {
    return ParseInto(document, PlacemarkHandler{}, placemarks);
}

platform::LoadResult ReadKmlPlacemarks(const std::string& path,
                                       std::vector<KmlPlacemark>& placemarks) {
    return ReadFileInto(path, "KML", PlacemarkHandler{}, placemarks);
}

} // namespace xml
