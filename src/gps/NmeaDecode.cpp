#include "gps/NmeaDecode.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "base/Time.h"
#include "gps/NmeaNumber.h"

namespace gps {
namespace {

constexpr double kPerMinute = 0.016666666666666666;  // nearest double to 1/60
constexpr double kPerSecond = 0.0002777777777777778; // nearest double to 1/3600

// d degree digits, then the minutes (none, or an unsigned decimal below 60) passing through
// single precision; limit is the largest value a coordinate of the kind can have.
std::optional<double> Coordinate(std::string_view field, std::string_view hemisphere, std::size_t d,
                                 std::string_view negative, double limit) {
    if (field.size() < d)
        return std::nullopt;
    const auto degrees = ReadNmeaWhole(field.substr(0, d));
    if (!degrees)
        return std::nullopt;
    float minutes = 0.0f;
    if (field.size() > d) {
        // Tested before it is rounded: "59.999999999" is below 60 but rounds to it.
        const auto exact = ReadNmeaDecimal(field.substr(d));
        const auto single = ReadNmeaFloat(field.substr(d));
        if (!exact || !single || *exact >= 60.0)
            return std::nullopt;
        minutes = *single;
    }
    const float wholeMinutes = std::trunc(minutes);
    const double seconds = static_cast<double>(minutes - wholeMinutes) * 60.0;
    const double value = static_cast<double>(*degrees) +
                         (static_cast<double>(wholeMinutes) * kPerMinute + seconds * kPerSecond);
    if (value > limit)
        return std::nullopt;
    return hemisphere == negative ? -value : value;
}

} // namespace

std::optional<double> NmeaLatitude(std::string_view field, std::string_view hemisphere) {
    return Coordinate(field, hemisphere, 2, "S", 90.0);
}

std::optional<double> NmeaLongitude(std::string_view field, std::string_view hemisphere) {
    return Coordinate(field, hemisphere, 3, "W", 180.0);
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

namespace {

// UTC midnight of an RMC date field ("ddmmyy"), or nothing.
std::optional<std::int64_t> NmeaDateMs(std::string_view date) {
    const auto day = TwoDigits(date, 0), month = TwoDigits(date, 2), yy = TwoDigits(date, 4);
    if (!day || !month || !yy || date.size() != 6)
        return std::nullopt;
    return base::UtcMsFromFields({.year = base::FullYear(*yy), .month = *month, .day = *day});
}

} // namespace

std::optional<std::int64_t> NmeaUtcMs(std::string_view time, std::string_view date) {
    const auto timeOfDay = NmeaTimeOfDayMs(time);
    const auto midnight = NmeaDateMs(date);
    if (!timeOfDay || !midnight)
        return std::nullopt;
    return *midnight + *timeOfDay;
}

namespace {

// A field that reads as a number within [low, high]; anything else is nothing.
std::optional<double> Real(std::string_view field, double low, double high,
                           NmeaSign sign = NmeaSign::None) {
    const auto value = ReadNmeaDecimal(field, sign);
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return value;
}

std::optional<int> Whole(std::string_view field, int low, int high,
                         NmeaSign sign = NmeaSign::None) {
    const auto value = ReadNmeaWhole(field, sign);
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return static_cast<int>(*value);
}

// One letter field (a status, a mode), or 0 when it is not exactly one character.
char Letter(std::string_view field) {
    return field.size() == 1 ? field[0] : 0;
}

constexpr double kMaxSpeedKnots = 100'000.0; // beyond any vehicle a receiver reports on
constexpr double kMaxDop = 100.0;
constexpr double kMaxSigmaM = 1.0e7;
constexpr int kMaxSatellites = 999;
// Deeper than any land, higher than any receiver reports (they stop at 18 km).
constexpr double kMinAltitudeM = -10'000.0;
constexpr double kMaxAltitudeM = 1'000'000.0;

bool GgaFromFields(const NmeaFields& f, GgaRecord& record) {
    record.timeOfDayMs = NmeaTimeOfDayMs(f[1]);
    record.quality = Whole(f[6], 0, 9);
    record.satellites = Whole(f[7], 0, kMaxSatellites);
    record.hdop = Real(f[8], 0.0, kMaxDop);
    record.altitude = Real(f[9], kMinAltitudeM, kMaxAltitudeM, NmeaSign::Minus);
    const auto latitude = NmeaLatitude(f[2], f[3]);
    const auto longitude = NmeaLongitude(f[4], f[5]);
    if (!latitude || !longitude)
        return false;
    record.latitude = *latitude;
    record.longitude = *longitude;
    return true;
}

bool RmcFromFields(const NmeaFields& f, RmcRecord& record) {
    record.timeOfDayMs = NmeaTimeOfDayMs(f[1]);
    record.status = Letter(f[2]);
    record.dateMs = NmeaDateMs(f[9]);
    record.magVar.reset();
    if (const auto magVar = Real(f[10], 0.0, 180.0); magVar && (f[11] == "E" || f[11] == "W"))
        record.magVar = f[11] == "W" ? -*magVar : *magVar;
    record.mode = Letter(f[12]);
    const auto latitude = NmeaLatitude(f[3], f[4]);
    const auto longitude = NmeaLongitude(f[5], f[6]);
    if (!latitude || !longitude)
        return false;
    record.latitude = *latitude;
    record.longitude = *longitude;
    record.utcMs = NmeaUtcMs(f[1], f[9]).value_or(0);
    record.speedKnots = Real(f[7], 0.0, kMaxSpeedKnots).value_or(NAN);
    record.courseDeg = Real(f[8], 0.0, 360.0).value_or(NAN);
    return true;
}

std::optional<int> HexDigit(std::string_view field) {
    if (field.size() != 1 || !std::isxdigit(static_cast<unsigned char>(field[0])))
        return std::nullopt;
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(field[0])));
    return c <= '9' ? c - '0' : c - 'A' + 10;
}

bool GsaFromFields(const NmeaFields& f, GsaRecord& record) {
    record.hdop = Real(f[16], 0.0, kMaxDop);
    std::int32_t used = 0;
    record.prnCount = 0;
    for (std::size_t i = 3; i <= 14; ++i) {
        used += f[i].empty() ? 0 : 1;
        if (const auto prn = Whole(f[i], 1, 999))
            record.prns[static_cast<std::size_t>(record.prnCount++)] = *prn;
    }
    record.satellitesUsed = used;
    record.mode = Whole(f[2], 1, 3);
    record.pdop = Real(f[15], 0.0, kMaxDop);
    record.vdop = Real(f[17], 0.0, kMaxDop);
    // One hex digit: some receivers send another number there ("3.3" of a TDOP).
    record.systemId = HexDigit(f[18]);
    if (record.systemId == 0)
        record.systemId.reset();
    return true;
}

bool VtgFromFields(const NmeaFields& f, VtgRecord& record) {
    record.courseTrue = Real(f[1], 0.0, 360.0);
    record.courseMagnetic = Real(f[3], 0.0, 360.0);
    record.speedKnots = Real(f[5], 0.0, kMaxSpeedKnots);
    record.speedKmh = Real(f[7], 0.0, kMaxSpeedKnots * 1.852);
    record.mode = Letter(f[9]);
    return true;
}

bool GstFromFields(const NmeaFields& f, GstRecord& record) {
    record.timeOfDayMs = NmeaTimeOfDayMs(f[1]);
    record.rms = Real(f[2], 0.0, kMaxSigmaM);
    record.semiMajor = Real(f[3], 0.0, kMaxSigmaM);
    record.semiMinor = Real(f[4], 0.0, kMaxSigmaM);
    record.orientation = Real(f[5], 0.0, 360.0);
    record.latitude = Real(f[6], 0.0, kMaxSigmaM);
    record.longitude = Real(f[7], 0.0, kMaxSigmaM);
    record.altitude = Real(f[8], 0.0, kMaxSigmaM);
    return true;
}

bool ZdaFromFields(const NmeaFields& f, ZdaRecord& record) {
    record.utcMs.reset();
    const auto timeOfDay = NmeaTimeOfDayMs(f[1]);
    const auto day = Whole(f[2], 1, 31), month = Whole(f[3], 1, 12);
    const auto year = f[4].size() == 4 ? Whole(f[4], 1, 9999) : std::nullopt;
    if (timeOfDay && day && month && year) {
        if (const auto midnight =
                base::UtcMsFromFields({.year = *year, .month = *month, .day = *day}))
            record.utcMs = *midnight + *timeOfDay;
    }
    record.zoneHours = Whole(f[5], -13, 13, NmeaSign::Minus);
    record.zoneMinutes = Whole(f[6], 0, 59);
    return true;
}

bool GsvFromFields(const NmeaFields& f, GsvRecord& record) {
    const auto sentences = Whole(f[1], 1, 99);
    const auto number = Whole(f[2], 1, 99);
    if (!sentences || !number || *number > *sentences)
        return false;
    record.talker = {f[0].size() >= 3 ? f[0][1] : '\0', f[0].size() >= 3 ? f[0][2] : '\0'};
    record.sentences = *sentences;
    record.number = *number;
    record.inView = Whole(f[3], 0, 999);
    // Behind the last whole satellite: one field is the NMEA 4.10 signal id, two are the
    // vendor form's signal and system id; otherwise it is a satellite cut short, which says
    // too little to be one.
    const bool vendor = f[0] == "$PQGSV";
    const std::size_t whole = std::min<std::size_t>((f.count - 4) / 4, 4);
    const std::size_t tail = f.count - 4 - whole * 4;
    const bool cutShort = whole < 4 && (tail == 3 || (tail == 2 && !vendor));
    record.count = 0;
    for (std::size_t i = 0; i < whole; ++i) {
        const std::size_t at = 4 + i * 4;
        const auto prn = Whole(f[at], 1, 999);
        if (!prn)
            continue;
        record.satellites[static_cast<std::size_t>(record.count++)] = {
            *prn, Whole(f[at + 1], 0, 90), Whole(f[at + 2], 0, 359), Whole(f[at + 3], 0, 99)};
    }
    const std::size_t after = 4 + whole * 4;
    record.signal = !cutShort && tail >= 1 ? HexDigit(f[after]) : std::nullopt;
    record.systemId = vendor && tail >= 2 ? HexDigit(f[after + 1]) : std::nullopt;
    return true;
}

bool HdtFromFields(const NmeaFields& f, HeadingRecord& record) {
    record.headingTrue = Real(f[1], 0.0, 360.0);
    record.mode = 0;
    return true;
}

bool ThsFromFields(const NmeaFields& f, HeadingRecord& record) {
    record.mode = Letter(f[2]);
    record.headingTrue = record.mode == 'V' ? std::nullopt : Real(f[1], 0.0, 360.0);
    return true;
}

template <typename Record, bool (*FromFields)(const NmeaFields&, Record&)>
bool Decode(const NmeaFields& fields, NmeaRecord& record) {
    return FromFields(fields, std::get<Record>(record));
}

template <typename Record> NmeaRecord Fresh() {
    return Record{};
}

struct Rule {
    std::string_view type;
    NmeaType kind;
    std::size_t minFields; // a shorter sentence does not decode and leaves its record alone
    NmeaRecord (*start)();
    bool (*decode)(const NmeaFields& fields, NmeaRecord& record);
};

constexpr std::array<Rule, 9> kRules = {{
    {"GGA", NmeaType::Gga, 15, Fresh<GgaRecord>, Decode<GgaRecord, GgaFromFields>},
    {"RMC", NmeaType::Rmc, 12, Fresh<RmcRecord>, Decode<RmcRecord, RmcFromFields>},
    {"GSA", NmeaType::Gsa, 18, Fresh<GsaRecord>, Decode<GsaRecord, GsaFromFields>},
    {"VTG", NmeaType::Vtg, 9, Fresh<VtgRecord>, Decode<VtgRecord, VtgFromFields>},
    {"GST", NmeaType::Gst, 9, Fresh<GstRecord>, Decode<GstRecord, GstFromFields>},
    {"ZDA", NmeaType::Zda, 5, Fresh<ZdaRecord>, Decode<ZdaRecord, ZdaFromFields>},
    {"GSV", NmeaType::Gsv, 4, Fresh<GsvRecord>, Decode<GsvRecord, GsvFromFields>},
    {"HDT", NmeaType::Heading, 2, Fresh<HeadingRecord>, Decode<HeadingRecord, HdtFromFields>},
    {"THS", NmeaType::Heading, 2, Fresh<HeadingRecord>, Decode<HeadingRecord, ThsFromFields>},
}};

// What each record gave, as DecodedSentence::Set bits; ok is what its decoder returned.
using Set = DecodedSentence::Set;

std::uint32_t Bit(bool given, std::uint32_t bits) {
    return given ? bits : 0u;
}

std::uint32_t SetOf(std::monostate, bool) {
    return 0;
}

std::uint32_t SetOf(const GgaRecord& r, bool ok) {
    return Bit(r.timeOfDayMs.has_value(), Set::kTime) | Bit(ok, Set::kPosition) |
           Bit(r.quality.has_value(), Set::kStatus) |
           Bit(r.satellites.has_value(), Set::kSatellites) | Bit(r.hdop.has_value(), Set::kHdop) |
           Bit(r.altitude.has_value(), Set::kAltitude);
}

std::uint32_t SetOf(const RmcRecord& r, bool ok) {
    return Bit(r.timeOfDayMs.has_value(), Set::kTime) | Bit(r.dateMs.has_value(), Set::kDate) |
           Bit(r.status != 0 || r.mode != 0, Set::kStatus) |
           Bit(r.magVar.has_value(), Set::kMagVar) | Bit(ok, Set::kPosition) |
           Bit(ok && std::isfinite(r.speedKnots), Set::kSpeed) |
           Bit(ok && std::isfinite(r.courseDeg), Set::kCourse);
}

std::uint32_t SetOf(const GsaRecord& r, bool ok) {
    return Bit(ok, Set::kSatellites) | Bit(r.mode.has_value(), Set::kStatus) |
           Bit(r.hdop.has_value(), Set::kHdop) | Bit(r.pdop || r.vdop, Set::kDop);
}

std::uint32_t SetOf(const VtgRecord& r, bool) {
    return Bit(r.courseTrue.has_value(), Set::kCourse) |
           Bit(r.speedKnots || r.speedKmh, Set::kSpeed) | Bit(r.mode != 0, Set::kStatus);
}

std::uint32_t SetOf(const GstRecord& r, bool) {
    return Bit(r.timeOfDayMs.has_value(), Set::kTime) |
           Bit(r.rms || r.semiMajor || r.semiMinor || r.latitude || r.longitude || r.altitude,
               Set::kError);
}

std::uint32_t SetOf(const ZdaRecord& r, bool) {
    return Bit(r.utcMs.has_value(), Set::kTime | Set::kDate);
}

std::uint32_t SetOf(const GsvRecord&, bool ok) {
    return Bit(ok, Set::kSky);
}

std::uint32_t SetOf(const HeadingRecord& r, bool) {
    return Bit(r.headingTrue.has_value(), Set::kHeading);
}

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

bool DecodeVtg(std::string_view line, VtgRecord& record) {
    return DecodeAs(line, NmeaType::Vtg, record);
}

bool DecodeGst(std::string_view line, GstRecord& record) {
    return DecodeAs(line, NmeaType::Gst, record);
}

bool DecodeZda(std::string_view line, ZdaRecord& record) {
    return DecodeAs(line, NmeaType::Zda, record);
}

bool DecodeGsv(std::string_view line, GsvRecord& record) {
    return DecodeAs(line, NmeaType::Gsv, record);
}

bool DecodeHeading(std::string_view line, HeadingRecord& record) {
    return DecodeAs(line, NmeaType::Heading, record);
}

bool IsHandheldType(NmeaType type) {
    return type == NmeaType::Gga || type == NmeaType::Rmc || type == NmeaType::Gsa;
}

NmeaType NmeaTypeOf(std::string_view line) {
    const Rule* rule = RuleOf(line);
    return rule == nullptr ? NmeaType::Other : rule->kind;
}

DecodedSentence DecodeSentence(std::string_view line) {
    DecodedSentence out;
    const Rule* rule = RuleOf(line);
    if (rule == nullptr)
        return out;
    out.record = rule->start();
    out.ok = DecodeWith(*rule, line, out.record);
    out.set = std::visit([&](const auto& record) { return SetOf(record, out.ok); }, out.record);
    // A line of an understood type is at least "$GPGGA" long.
    out.talker = {line[1], line[2]};
    return out;
}

std::optional<MapPos> DecodedSentence::Position() const {
    if (!Has(kPosition))
        return std::nullopt;
    if (const auto* gga = std::get_if<GgaRecord>(&record))
        return MapPos(gga->longitude, gga->latitude);
    if (const auto* rmc = std::get_if<RmcRecord>(&record))
        return MapPos(rmc->longitude, rmc->latitude);
    return std::nullopt;
}

} // namespace gps
