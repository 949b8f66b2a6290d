#include "gps/NmeaDecode.h"

#include <array>
#include <cmath>

#include "base/Number.h"
#include "gps/NmeaNumber.h"

namespace gps {
namespace {

constexpr double kPerMinute = 0.016666666666666666;  // nearest double to 1/60
constexpr double kPerSecond = 0.0002777777777777778; // nearest double to 1/3600

// The first kKept fields of a line as views into it, plus the count of all its fields, split
// exactly as NmeaSplitFields splits. The decoders read no field beyond 16, so a hostile line
// of a million commas costs no allocation.
constexpr std::size_t kKept = 18;

struct Fields {
    std::array<std::string_view, kKept> field{};
    std::size_t count = 0;

    bool Empty(std::size_t i) const { return field[i].empty(); }
};

Fields Split(std::string_view line) {
    Fields out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos)
            break;
        if (out.count < kKept)
            out.field[out.count] = line.substr(start, comma - start);
        ++out.count;
        start = comma + 1;
    }
    if (out.count < kKept) {
        const std::size_t star = line.find('*', start);
        out.field[out.count] =
            line.substr(start, star == std::string_view::npos ? star : star - start);
    }
    ++out.count;
    return out;
}

bool IsType(std::string_view line, std::string_view type) {
    return line.size() >= 6 && line.substr(3, 3) == type;
}

// d is the number of degree characters; negative is the hemisphere text that negates.
double Coordinate(std::string_view field, std::string_view hemisphere, std::size_t d,
                  std::string_view negative) {
    const std::int32_t degrees = base::ScanInt(field.substr(0, d)).value_or(0);
    const float minutes = field.size() > d ? ScanFloat(field.substr(d)).value_or(0.0f) : 0.0f;
    // Truncating in float rather than through an int keeps absurd minutes ("1e30") defined;
    // for every minutes value a receiver sends the result is the same.
    const float wholeMinutes = std::trunc(minutes);
    const double seconds = static_cast<double>(minutes - wholeMinutes) * 60.0;
    double value = static_cast<double>(degrees) +
                   (static_cast<double>(wholeMinutes) * kPerMinute + seconds * kPerSecond);
    return hemisphere == negative ? -value : value;
}

} // namespace

double NmeaLatitude(std::string_view field, std::string_view hemisphere) {
    return Coordinate(field, hemisphere, 2, "S");
}

double NmeaLongitude(std::string_view field, std::string_view hemisphere) {
    return Coordinate(field, hemisphere, 3, "W");
}

bool DecodeGga(std::string_view line, GgaRecord& record) {
    if (!IsType(line, "GGA"))
        return false;
    const Fields f = Split(line);
    if (f.count < 15)
        return false;
    if (!f.Empty(7))
        record.satellites = base::ScanInt(f.field[7]).value_or(record.satellites);
    if (!f.Empty(8))
        record.hdop = ScanDouble(f.field[8]).value_or(record.hdop);
    if (!f.Empty(9))
        record.altitude = ScanDouble(f.field[9]).value_or(record.altitude);
    if (f.Empty(2) || f.Empty(4))
        return false;
    record.latitude = NmeaLatitude(f.field[2], f.field[3]);
    record.longitude = NmeaLongitude(f.field[4], f.field[5]);
    return true;
}

bool DecodeRmc(std::string_view line, RmcRecord& record) {
    if (!IsType(line, "RMC"))
        return false;
    const Fields f = Split(line);
    if (f.count < 12 || f.Empty(3) || f.Empty(5))
        return false;
    record.latitude = NmeaLatitude(f.field[3], f.field[4]);
    record.longitude = NmeaLongitude(f.field[5], f.field[6]);
    return true;
}

bool DecodeGsa(std::string_view line, GsaRecord& record) {
    if (!IsType(line, "GSA"))
        return false;
    const Fields f = Split(line);
    if (f.count < 18)
        return false;
    record.hdop = f.Empty(16) ? 0.0 : ScanDouble(f.field[16]).value_or(0.0);
    std::int32_t used = 0;
    for (std::size_t i = 3; i <= 14; ++i)
        used += f.Empty(i) ? 0 : 1;
    record.satellitesUsed = used;
    return true;
}

} // namespace gps
