#include "gps/NmeaDecode.h"

#include <array>
#include <cctype>
#include <cmath>

#include "base/Number.h"
#include "base/Time.h"
#include "gps/NmeaNumber.h"

namespace gps {
namespace {

constexpr double kPerMinute = 0.016666666666666666;  // nearest double to 1/60
constexpr double kPerSecond = 0.0002777777777777778; // nearest double to 1/3600

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

namespace {

// Two digits at text[at], or nothing.
std::optional<int> TwoDigits(std::string_view text, std::size_t at) {
    if (at + 2 > text.size() || !std::isdigit(static_cast<unsigned char>(text[at])) ||
        !std::isdigit(static_cast<unsigned char>(text[at + 1])))
        return std::nullopt;
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

} // namespace

std::optional<std::int64_t> NmeaTimeOfDayMs(std::string_view time) {
    const auto hh = TwoDigits(time, 0), mm = TwoDigits(time, 2), ss = TwoDigits(time, 4);
    // A leap second is 60.
    if (!hh || !mm || !ss || *hh > 23 || *mm > 59 || *ss > 60)
        return std::nullopt;
    std::int64_t ms = 0;
    if (time.size() > 6) {
        if (time[6] != '.')
            return std::nullopt;
        std::int64_t scale = 100;
        for (const char c : time.substr(7)) {
            if (!std::isdigit(static_cast<unsigned char>(c)))
                return std::nullopt;
            ms += (c - '0') * scale; // digits past milliseconds add nothing
            scale /= 10;
        }
    }
    return (*hh * 60 + *mm) * 60'000 + *ss * 1000 + ms;
}

std::optional<std::int64_t> NmeaUtcMs(std::string_view time, std::string_view date) {
    const auto timeOfDay = NmeaTimeOfDayMs(time);
    const auto day = TwoDigits(date, 0), month = TwoDigits(date, 2), yy = TwoDigits(date, 4);
    if (!timeOfDay || !day || !month || !yy || date.size() != 6)
        return std::nullopt;
    const auto midnight =
        base::UtcMsFromFields({.year = base::FullYear(*yy), .month = *month, .day = *day});
    if (!midnight)
        return std::nullopt;
    return *midnight + *timeOfDay;
}

namespace {

bool GgaFromFields(const NmeaFields& f, GgaRecord& record) {
    if (!f[7].empty())
        record.satellites = base::ScanInt(f[7]).value_or(record.satellites);
    if (!f[8].empty())
        record.hdop = ScanDouble(f[8]).value_or(record.hdop);
    if (!f[9].empty()) {
        const auto altitude = ScanDouble(f[9]);
        record.altitude = altitude.value_or(record.altitude);
        record.altitudeGiven = altitude.has_value();
    }
    if (f[2].empty() || f[4].empty())
        return false;
    record.latitude = NmeaLatitude(f[2], f[3]);
    record.longitude = NmeaLongitude(f[4], f[5]);
    return true;
}

bool RmcFromFields(const NmeaFields& f, RmcRecord& record) {
    if (f[3].empty() || f[5].empty())
        return false;
    record.latitude = NmeaLatitude(f[3], f[4]);
    record.longitude = NmeaLongitude(f[5], f[6]);
    record.utcMs = NmeaUtcMs(f[1], f[9]).value_or(0);
    record.speedKnots = f[7].empty() ? NAN : ScanDouble(f[7]).value_or(NAN);
    record.courseDeg = f[8].empty() ? NAN : ScanDouble(f[8]).value_or(NAN);
    return true;
}

bool GsaFromFields(const NmeaFields& f, GsaRecord& record) {
    record.hdop = f[16].empty() ? 0.0 : ScanDouble(f[16]).value_or(0.0);
    std::int32_t used = 0;
    for (std::size_t i = 3; i <= 14; ++i)
        used += f[i].empty() ? 0 : 1;
    record.satellitesUsed = used;
    return true;
}

template <typename Record, bool (*FromFields)(const NmeaFields&, Record&)>
bool Decode(const NmeaFields& fields, NmeaRecord& record) {
    return FromFields(fields, std::get<Record>(record));
}

NmeaRecord Seeded(const GgaRecord& seed) {
    return seed;
}

template <typename Record> NmeaRecord Fresh(const GgaRecord&) {
    return Record{};
}

struct Rule {
    std::string_view type;
    NmeaType kind;
    std::size_t minFields; // a shorter sentence does not decode and leaves its record alone
    NmeaRecord (*start)(const GgaRecord& ggaSeed);
    bool (*decode)(const NmeaFields& fields, NmeaRecord& record);
};

constexpr std::array<Rule, 3> kRules = {{
    {"GGA", NmeaType::Gga, 15, Seeded, Decode<GgaRecord, GgaFromFields>},
    {"RMC", NmeaType::Rmc, 12, Fresh<RmcRecord>, Decode<RmcRecord, RmcFromFields>},
    {"GSA", NmeaType::Gsa, 18, Fresh<GsaRecord>, Decode<GsaRecord, GsaFromFields>},
}};

const Rule* RuleOf(std::string_view line) {
    const std::string_view type = NmeaSentenceType(line);
    for (const Rule& rule : kRules) {
        if (rule.type == type)
            return &rule;
    }
    return nullptr;
}

bool DecodeWith(const Rule& rule, std::string_view line, NmeaRecord& record) {
    const NmeaFields fields = SplitNmeaFields(line);
    return fields.count >= rule.minFields && rule.decode(fields, record);
}

// The decoders leave a record alone where they do not write it, so decoding a copy and
// copying it back is the same as decoding in place.
template <typename Record> bool DecodeAs(std::string_view line, NmeaType kind, Record& record) {
    const Rule* rule = RuleOf(line);
    if (rule == nullptr || rule->kind != kind)
        return false;
    NmeaRecord copy = record;
    const bool ok = DecodeWith(*rule, line, copy);
    record = std::get<Record>(copy);
    return ok;
}

} // namespace

bool DecodeGga(std::string_view line, GgaRecord& record) {
    return DecodeAs(line, NmeaType::Gga, record);
}

bool DecodeRmc(std::string_view line, RmcRecord& record) {
    return DecodeAs(line, NmeaType::Rmc, record);
}

bool DecodeGsa(std::string_view line, GsaRecord& record) {
    return DecodeAs(line, NmeaType::Gsa, record);
}

NmeaType NmeaTypeOf(std::string_view line) {
    const Rule* rule = RuleOf(line);
    return rule == nullptr ? NmeaType::Other : rule->kind;
}

DecodedSentence DecodeSentence(std::string_view line, const GgaRecord& ggaSeed) {
    DecodedSentence out;
    const Rule* rule = RuleOf(line);
    if (rule == nullptr)
        return out;
    out.record = rule->start(ggaSeed);
    out.ok = DecodeWith(*rule, line, out.record);
    return out;
}

std::optional<MapPos> DecodedSentence::Position() const {
    if (!ok)
        return std::nullopt;
    if (const auto* gga = std::get_if<GgaRecord>(&record))
        return MapPos(gga->longitude, gga->latitude);
    if (const auto* rmc = std::get_if<RmcRecord>(&record))
        return MapPos(rmc->longitude, rmc->latitude);
    return std::nullopt;
}

} // namespace gps
