#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "base/MapPos.h"
#include "gps/NmeaSentence.h"

// Decoders of the understood sentence types: the handheld's three (GGA, RMC, GSA) and the ones
// the receiver details read (VTG, GST, ZDA, GSV, and HDT and THS for a true heading). Each first
// tests the sentence type itself, so any line (see NmeaSentence.h) may be passed to any decoder: a
// line of another type, too short, or without a position returns false, and the caller decides what
// that means. A malformed or out-of-range number (NmeaNumber.h) is nothing: it leaves its target as
// it was, and a coordinate that is nothing is no position. Pure functions: no state, callable from
// any thread.
//
// Positions are decimal degrees, north and east positive, never beyond 90 and 180. The minutes
// of a coordinate field pass through single precision, as the handheld program did, so a
// decoded position differs from the exact decimal value by up to about 1e-7 degree in a real
// sentence: "4807.038,N" decodes to 48.117300001780194, not 48.1173.
//
// An empty, truncated, malformed or out-of-range field is nothing (an empty optional; NaN for
// RMC's speed and course), never a made-up zero. What nothing means for the fix (an empty GGA field
// keeps the batch's value, an empty GSA HDOP counts as 0.0) is the update fold's rule, not the
// decoder's.
namespace gps {

struct GgaRecord {
    double latitude = 0.0;                     // degrees, -90..90 for a sane sentence
    double longitude = 0.0;                    // degrees, -180..180 for a sane sentence
    std::optional<std::int32_t> satellites{};  // field 7, satellites in use
    std::optional<double> hdop{};              // field 8, horizontal dilution of precision
    std::optional<double> altitude{};          // field 9, in the sentence's unit (metres)
    std::optional<std::int64_t> timeOfDayMs{}; // field 1
    std::optional<int> quality{};              // field 6: 0 invalid, 1 GPS, 2 DGPS, 4 RTK fixed...
};

struct RmcRecord {
    double latitude = 0.0;
    double longitude = 0.0;
    std::int64_t utcMs = 0;  // fields 1 and 9 (time and date); 0 when either is missing or bad
    double speedKnots = NAN; // field 7; NaN when empty or not a number
    double courseDeg = NAN;  // field 8, true; NaN when empty or not a number
    // Read whatever the position:
    std::optional<std::int64_t> timeOfDayMs{}; // field 1
    char status = 0;                           // field 2: 'A' valid, 'V' void; 0 when empty
    std::optional<std::int64_t> dateMs{};      // field 9 alone: UTC midnight of the day
    std::optional<double> magVar{};            // fields 10, 11: degrees, east positive
    char mode = 0; // field 12 (NMEA 2.3): A autonomous, D differential, N none...; 0 when absent
};

struct GsaRecord {
    std::int32_t satellitesUsed = 0; // non-empty satellite-number fields among 3..14 (0..12)
    std::optional<double> hdop{};    // field 16
    std::optional<int> mode{};       // field 2: 1 no fix, 2 2D, 3 3D
    std::array<int, 12> prns{};      // the satellite numbers of fields 3..14 that read as 1..999
    int prnCount = 0;
    std::optional<double> pdop{}, vdop{}; // fields 15 and 17
    std::optional<int> systemId{};        // field 18 (NMEA 4.10): 1 GPS, 2 GLONASS, 3 Galileo...
};

// VTG (needs 9 fields, the NMEA 2.3 form with its unit letters).
struct VtgRecord {
    std::optional<double> courseTrue{};     // field 1
    std::optional<double> courseMagnetic{}; // field 3
    std::optional<double> speedKnots{};     // field 5
    std::optional<double> speedKmh{};       // field 7
    char mode = 0;                          // field 9; 0 when absent
    friend bool operator==(const VtgRecord&, const VtgRecord&) = default;
};

// GST (needs 9 fields): the receiver's own error estimate, 1 sigma, metres.
struct GstRecord {
    std::optional<std::int64_t> timeOfDayMs{};      // field 1
    std::optional<double> rms{};                    // field 2, of the range residuals
    std::optional<double> semiMajor{}, semiMinor{}; // fields 3, 4: the error ellipse
    std::optional<double> orientation{};            // field 5, of the semi-major axis, degrees true
    std::optional<double> latitude{}, longitude{};  // fields 6, 7
    std::optional<double> altitude{};               // field 8
    friend bool operator==(const GstRecord&, const GstRecord&) = default;
};

// ZDA (needs 5 fields: time, day, month, four-digit year).
struct ZdaRecord {
    std::optional<std::int64_t> utcMs{};           // fields 1..4; nothing when any is bad
    std::optional<int> zoneHours{}, zoneMinutes{}; // fields 5, 6: the local zone
    friend bool operator==(const ZdaRecord&, const ZdaRecord&) = default;
};

// One satellite of a GSV sentence.
struct GsvSatellite {
    int prn = 0;                    // 1..999, as the sentence numbers it
    std::optional<int> elevation{}; // degrees, 0..90
    std::optional<int> azimuth{};   // degrees true, 0..359
    std::optional<int> snr{};       // dB-Hz, 0..99; nothing when not tracked
    friend bool operator==(const GsvSatellite&, const GsvSatellite&) = default;
};

// GSV (needs 4 fields): one sentence of a group. Fields 4.. hold up to four satellites of four
// fields each; behind them NMEA 4.10 adds the signal id (one hex digit), and the vendor form
// "$PQGSV" a system id after it. A satellite whose number is empty or out of range, or that
// is cut short by a missing field, is left out. False when the sentence count or number is missing
// or the number is beyond the count.
struct GsvRecord {
    std::array<char, 2> talker{}; // "GP", "GL", "GA", "GB", "BD", "GQ", "GI", "GN", "PQ"...
    int sentences = 0;            // field 1, 1..99
    int number = 0;               // field 2, 1..sentences
    std::optional<int> inView{};  // field 3
    std::array<GsvSatellite, 4> satellites{};
    int count = 0;
    std::optional<int> signal{};   // NMEA 4.10 signal id, 0..15
    std::optional<int> systemId{}; // "$PQGSV" only, as GSA's field 18
    friend bool operator==(const GsvRecord&, const GsvRecord&) = default;
};

// HDT or THS (needs 2 fields): the true heading of a compass or a two-antenna receiver, which
// says where the bow points whatever the course. THS's mode V (not valid) gives no heading.
struct HeadingRecord {
    std::optional<double> headingTrue{}; // field 1, degrees
    char mode = 0;                       // THS field 2: A, E, M, S or V; 0 for HDT or when empty
    friend bool operator==(const HeadingRecord&, const HeadingRecord&) = default;
};

// GGA (needs 15 fields). Fields 1, 6, 7, 8 and 9 are read whatever the result. Returns true and
// stores latitude (fields 2, 3) and longitude (fields 4, 5) when both coordinates read. The fix
// quality (field 6) does not decide it: a quality-0 sentence with a position decodes as a position.
// Other type or fewer than 15 fields: false, record untouched.
[[nodiscard]] bool DecodeGga(std::string_view line, GgaRecord& record);

// RMC (needs 12 fields). Returns true and stores latitude (fields 3, 4) and longitude (fields 5,
// 6) when both coordinates read; the status (A/V) does not decide it, so a void
// sentence with a position decodes as a position. The fields behind "Read whatever the
// position" are read into the record whatever the result; otherwise, on false, the record is
// untouched.
[[nodiscard]] bool DecodeRmc(std::string_view line, RmcRecord& record);

// GSA (needs 18 fields). Always true for a long enough GSA sentence; on false the record is
// untouched.
[[nodiscard]] bool DecodeGsa(std::string_view line, GsaRecord& record);

// VTG, GST, ZDA and GSV: true for a long enough sentence of the type (GSV: see GsvRecord);
// on false the record is untouched.
[[nodiscard]] bool DecodeVtg(std::string_view line, VtgRecord& record);
[[nodiscard]] bool DecodeGst(std::string_view line, GstRecord& record);
[[nodiscard]] bool DecodeZda(std::string_view line, ZdaRecord& record);
[[nodiscard]] bool DecodeGsv(std::string_view line, GsvRecord& record);
// HDT and THS: true for a long enough sentence of either type; on false the record is untouched.
[[nodiscard]] bool DecodeHeading(std::string_view line, HeadingRecord& record);

// UTC milliseconds since 1970 of an RMC time field ("hhmmss" with an optional fraction, e.g.
// "123519.25") and date field ("ddmmyy"; years 80..99 are 1980..1999, 00..79 are 2000..2079).
// Nothing when either is empty, not all digits where digits belong, or out of range.
// NmeaUtcMs("123519", "230394") == 764426119000.
std::optional<std::int64_t> NmeaUtcMs(std::string_view time, std::string_view date);

// Milliseconds since midnight of an NMEA time field ("hhmmss" with an optional fraction, as in
// NmeaUtcMs); nothing for an empty or malformed field. NmeaTimeOfDayMs("123519.25") == 45319250.
std::optional<std::int64_t> NmeaTimeOfDayMs(std::string_view time);

// One table says which types are understood, how many fields each needs and which decoder
// reads it; the Decode functions above and everything below go through it.
// In the order of NmeaRecord's alternatives:
enum class NmeaType { Other, Gga, Rmc, Gsa, Vtg, Gst, Zda, Gsv, Heading };

using NmeaRecord = std::variant<std::monostate, GgaRecord, RmcRecord, GsaRecord, VtgRecord,
                                GstRecord, ZdaRecord, GsvRecord, HeadingRecord>;

// The types the handheld read (GGA, RMC, GSA): the update fold and its queue see only these.
bool IsHandheldType(NmeaType type);

// The type of an understood sentence line, else Other.
NmeaType NmeaTypeOf(std::string_view line);

// One line decoded once, for every reader of it (the receiver details, the update fold, the
// receiver fixes): its record, and as bits of set what it gave, so a reader asks what changed
// instead of decoding again. A value the sentence left empty, or that does not read, sets no bit.
struct DecodedSentence {
    enum Set : std::uint32_t {
        kTime = 1u << 0,       // a time of day (GGA, RMC, GST, ZDA)
        kDate = 1u << 1,       // the day (RMC, ZDA)
        kPosition = 1u << 2,   // latitude and longitude (GGA, RMC)
        kAltitude = 1u << 3,   // GGA
        kSatellites = 1u << 4, // satellites used (GGA's count; GSA's count and numbers)
        kHdop = 1u << 5,       // GGA, GSA
        kDop = 1u << 6,        // GSA's PDOP or VDOP
        kSpeed = 1u << 7,      // RMC, VTG
        kCourse = 1u << 8,     // RMC, VTG
        kMagVar = 1u << 9,     // RMC
        kStatus = 1u << 10,    // a fix quality, status or mode (GGA, RMC, GSA, VTG)
        kError = 1u << 11,     // GST's error estimate
        kSky = 1u << 12,       // one GSV sentence of a group
        kHeading = 1u << 13,   // HDT's or THS's true heading
    };

    NmeaRecord record;            // monostate for a line of another type
    bool ok = false;              // what the type's decoder returned
    std::uint32_t set = 0;        // bits of Set
    std::array<char, 2> talker{}; // the two characters after "$" of an understood line

    NmeaType Type() const { return static_cast<NmeaType>(record.index()); }
    [[nodiscard]] bool Has(Set bit) const { return (set & bit) != 0; }
    // "GP", "GN"...; "" for a line of another type.
    std::string_view Talker() const {
        return Type() == NmeaType::Other ? std::string_view() : std::string_view(talker.data(), 2);
    }
    // The position of a GGA or RMC line that decoded (x longitude, y latitude).
    std::optional<MapPos> Position() const;
};

// Decodes a line of any understood type, by the rules above.
DecodedSentence DecodeSentence(std::string_view line);

// One coordinate field: exactly 2 (latitude) or 3 (longitude) digits of whole degrees, then
// the minutes, an unsigned decimal below 60 read in single precision, or none; negated when
// the hemisphere is exactly "S" (latitude) or "W" (longitude); any other text, "s" and ""
// included, leaves it positive. Nothing when the field is malformed or the value lies beyond
// 90 or 180 degrees.
// NmeaLatitude("4807.038", "N") == 48.117300001780194;
// NmeaLongitude("00005.5", "W") == -0.09166666666666666.
std::optional<double> NmeaLatitude(std::string_view field, std::string_view hemisphere);
std::optional<double> NmeaLongitude(std::string_view field, std::string_view hemisphere);

} // namespace gps
