#include "points/KmlPlacemarks.h"

#include "base/Number.h"
#include "base/Text.h"
#include "points/PointsGpx.h"

#include <vector>

namespace points {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

// "lon,lat[,alt]", the first tuple of a coordinates text.
std::optional<MapPos> ParseCoordinates(std::string_view text) {
    text = base::Trim(text, kBlanks);
    text = text.substr(0, text.find_first_of(kBlanks));
    const auto comma = text.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = text.substr(comma + 1);
    const auto lon = base::ParseExact<double>(base::SkipPlus(text.substr(0, comma)), -180, 180);
    const auto lat =
        base::ParseExact<double>(base::SkipPlus(rest.substr(0, rest.find(','))), -90, 90);
    if (!lon || !lat)
        return std::nullopt;
    return MapPos(*lon, *lat);
}

class PlacemarkHandler : public xml::Handler {
public:
    MapPointList points;

    std::string Start(const xml::Name& name, const xml::Attributes&) override {
        if (path_.empty() && name.local != "kml")
            return "not a KML document";
        path_.emplace_back(name.local);
        if (name.local == "Placemark") {
            ++placemarkDepth_;
            name_.clear();
            description_.clear();
            position_.reset();
        }
        return {};
    }

    std::string End(const xml::Name&, std::string_view text) override {
        const std::string local = std::move(path_.back());
        path_.pop_back();
        const std::string_view parent = path_.empty() ? std::string_view{} : path_.back();
        if (local == "Placemark") {
            --placemarkDepth_;
            if (position_)
                points.push_back(ImportedPoint(name_, *position_, description_, ""));
        } else if (placemarkDepth_ > 0 && parent == "Placemark") {
            if (local == "name")
                name_ = text;
            else if (local == "description")
                description_ = text;
        } else if (placemarkDepth_ > 0 && local == "coordinates" && parent == "Point" &&
                   !position_) {
            position_ = ParseCoordinates(text);
            if (!position_)
                return "coordinates not \"longitude,latitude\" in range: \"" +
                       std::string(base::Trim(text, kBlanks).substr(0, 40)) + "\"";
        }
        return {};
    }

private:
    std::vector<std::string> path_;
    int placemarkDepth_ = 0;
    std::string name_;
    std::string description_;
    std::optional<MapPos> position_;
};

} // namespace

xml::Result ParseKmlPlacemarks(std::string_view document, MapPointList& points) {
    PlacemarkHandler handler;
    xml::Result result = xml::ReadXml(document, handler);
    if (result)
        points = std::move(handler.points);
    return result;
}

platform::LoadResult ReadKmlPlacemarks(const std::string& path, MapPointList& points) {
    PlacemarkHandler handler;
    platform::LoadResult result = xml::ToLoadResult(xml::ReadXmlFile(path, handler), path, "KML");
    if (result)
        points = std::move(handler.points);
    return result;
}

} // namespace points
