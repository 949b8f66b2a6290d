#include "coords/Mgrs.h"

#include "base/Number.h"
#include "coords/Utm.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace coords {

namespace {

constexpr std::array<std::string_view, 3> kColumnSets = {"ABCDEFGH", "JKLMNPQR", "STUVWXYZ"};
constexpr std::string_view kRows = "ABCDEFGHJKLMNPQRSTUV";
constexpr double kSquare = 100000.0;
constexpr std::int64_t kRowCycle = 20;

bool ValidZone(int zone) {
    return zone >= 1 && zone <= 60;
}

std::string_view ColumnSet(int zone) {
    return kColumnSets[static_cast<std::size_t>((zone - 1) % 3)];
}

std::int64_t RowShift(int zone) {
    return zone % 2 == 0 ? 5 : 0;
}

} // namespace

std::string SquareLetters(int zone, double easting, double northing) {
    if (!ValidZone(zone) || !(easting >= kSquare && easting < 9 * kSquare) ||
        !std::isfinite(northing) || std::fabs(northing) > 1e8)
        return {};
    const auto column = static_cast<std::size_t>(std::floor(easting / kSquare)) - 1;
    auto row =
        (static_cast<std::int64_t>(std::floor(northing / kSquare)) + RowShift(zone)) % kRowCycle;
    if (row < 0)
        row += kRowCycle;
    std::string letters;
    letters += ColumnSet(zone)[column];
    letters += kRows[static_cast<std::size_t>(row)];
    return letters;
}

std::optional<double> SquareEasting(int zone, char column) {
    if (!ValidZone(zone))
        return std::nullopt;
    const std::size_t index = ColumnSet(zone).find(column);
    if (index == std::string_view::npos)
        return std::nullopt;
    return static_cast<double>(index + 1) * kSquare;
}

std::optional<double> SquareNorthing(int zone, char row) {
    const std::size_t index = kRows.find(row);
    if (!ValidZone(zone) || index == std::string_view::npos)
        return std::nullopt;
    const std::int64_t cycle =
        (static_cast<std::int64_t>(index) - RowShift(zone) + kRowCycle) % kRowCycle;
    return static_cast<double>(cycle) * kSquare;
}

std::string FormatMgrs(const MapPos& position, std::string_view datumCrs) {
    const auto utm = ToUtm(position, datumCrs);
    if (!utm)
        return {};
    const double easting = std::floor(utm->easting);
    const double northing = std::floor(utm->northing);
    const std::string letters = SquareLetters(utm->zone, easting, northing);
    if (letters.empty())
        return {};
    const auto within = [](double metres) {
        return base::FormatPadded(static_cast<std::int64_t>(std::fmod(metres, kSquare)), 5);
    };
    std::string text = std::to_string(utm->zone);
    text += BandOf(position.y);
    text += ' ' + letters + ' ' + within(easting) + ' ' + within(northing);
    return text;
}

} // namespace coords
