#include "tool/Conversions.h"

#include "base/Number.h"
#include "calib/Georeference.h"

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>

namespace tool {

namespace {

std::optional<double> ParseFinite(std::string_view text) {
    return base::ParseExact(base::SkipPlus(text), std::numeric_limits<double>::lowest(),
                            std::numeric_limits<double>::max());
}

} // namespace

Conversions ParseConversions(const ParsedArgs& args) {
    Conversions conversions;
    for (const OptionUse& use : args.options) {
        if (use.name != "--pixel" && use.name != "--geo")
            continue;
        const bool fromPixel = use.name == "--pixel";
        const auto first = ParseFinite(use.values[0]);
        const auto second = ParseFinite(use.values[1]);
        if (!first || !second ||
            (!fromPixel && (std::fabs(*first) > 90.0 || std::fabs(*second) > 180.0))) {
            conversions.error =
                std::string(use.name) + (fromPixel ? " needs X Y (column, row from the top)"
                                                   : " needs LAT LON (-90 to 90, -180 to 180)");
            return conversions;
        }
        conversions.list.push_back({fromPixel, *first, *second});
    }
    return conversions;
}

void PrintConversions(const std::vector<Conversion>& conversions,
                      const map::Georeference& georeference, std::ostream& out) {
    using base::FormatShortest;
    for (const Conversion& c : conversions) {
        if (c.fromPixel) {
            const MapPos geo = georeference.ToGeo(MapPos(c.first, c.second));
            out << FormatShortest(geo.y) << '\t' << FormatShortest(geo.x) << '\n';
        } else {
            const MapPos pixel = georeference.ToPixel(MapPos(c.second, c.first));
            out << FormatShortest(pixel.x) << '\t' << FormatShortest(pixel.y) << '\n';
        }
    }
}

} // namespace tool
