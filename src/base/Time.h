#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Time as the files and the receiver give it: UTC milliseconds since 1970-01-01T00:00:00Z,
// the calendar fields of the proleptic Gregorian calendar, and ISO 8601 text. Leap seconds
// are not counted: a second 60 reads as the first second of the next minute.
namespace base {

struct UtcFields {
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0; // 0..60 when read
    int millisecond = 0;
    friend bool operator==(const UtcFields&, const UtcFields&) = default;
};

// The moment the fields name, or nothing when they name none: a month outside 1..12, a day
// its month has not, an hour beyond 23, a minute beyond 59, a second beyond 60 or a
// millisecond beyond 999.
[[nodiscard]] std::optional<std::int64_t> UtcMsFromFields(const UtcFields& fields);

// The fields of a moment (seconds 0..59); before 1970 counts back from it.
[[nodiscard]] UtcFields UtcFieldsFromMs(std::int64_t utcMs);

// A two-digit year as receivers send it: 80..99 are 1980..1999, 00..79 are 2000..2079.
[[nodiscard]] int FullYear(int twoDigitYear);

// True for moments of the years 1 to 9999, the ones ISO 8601 writes with four digits.
[[nodiscard]] bool IsFourDigitYear(std::int64_t utcMs);

// "2024-12-08T12:00:00.123Z" to milliseconds; an offset such as "+02:00" is applied, a time
// without one is taken as UTC. Fractions beyond milliseconds are cut.
[[nodiscard]] std::optional<std::int64_t> ParseIso8601(std::string_view text);

// ISO 8601 UTC: 1733659200123 gives "2024-12-08T12:00:00.123Z", whole seconds "...:00Z".
// Meant for IsFourDigitYear moments.
void AppendIso8601(std::string& out, std::int64_t utcMs);

} // namespace base
