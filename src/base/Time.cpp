#include "base/Time.h"

#include <chrono>

#include "base/Number.h"

namespace base {

namespace {

constexpr std::int64_t kMinuteMs = 60'000;

// Digits at text[at, at + count) as a number, or -1.
int Digits(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size())
        return -1;
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace

std::optional<std::int64_t> UtcMsFromFields(const UtcFields& f) {
    using namespace std::chrono;
    if (f.month < 1 || f.day < 1 || f.hour < 0 || f.hour > 23 || f.minute < 0 || f.minute > 59 ||
        f.second < 0 || f.second > 60 || f.millisecond < 0 || f.millisecond > 999)
        return std::nullopt;
    const year_month_day date{year{f.year}, month{static_cast<unsigned>(f.month)},
                              day{static_cast<unsigned>(f.day)}};
    if (!date.ok())
        return std::nullopt;
    const std::int64_t days = sys_days{date}.time_since_epoch().count();
    return ((days * 24 + f.hour) * 60 + f.minute) * kMinuteMs + std::int64_t{f.second} * 1000 +
           f.millisecond;
}

UtcFields UtcFieldsFromMs(std::int64_t utcMs) {
    using namespace std::chrono;
    const sys_time<milliseconds> when{milliseconds{utcMs}};
    const sys_days midnight = floor<days>(when);
    const year_month_day date{midnight};
    const hh_mm_ss<milliseconds> time{when - midnight};
    return {static_cast<int>(date.year()),
            static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())),
            static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()),
            static_cast<int>(time.seconds().count()),
            static_cast<int>(time.subseconds().count())};
}

int FullYear(int twoDigitYear) {
    return twoDigitYear < 80 ? 2000 + twoDigitYear : 1900 + twoDigitYear;
}

bool IsFourDigitYear(std::int64_t utcMs) {
    // 0001-01-01T00:00:00Z to 9999-12-31T23:59:59.999Z.
    return utcMs >= -62135596800000 && utcMs <= 253402300799999;
}

std::optional<std::int64_t> ParseIso8601(std::string_view text) {
    // YYYY-MM-DDThh:mm:ss[.fraction][Z|(+|-)hh:mm]
    UtcFields fields{Digits(text, 0, 4),  Digits(text, 5, 2),  Digits(text, 8, 2),
                     Digits(text, 11, 2), Digits(text, 14, 2), Digits(text, 17, 2)};
    if (fields.year < 0 || fields.second < 0 || text[4] != '-' || text[7] != '-' ||
        (text[10] != 'T' && text[10] != 't') || text[13] != ':' || text[16] != ':')
        return std::nullopt;
    std::size_t at = 19;
    if (at < text.size() && text[at] == '.') {
        ++at;
        const std::size_t first = at;
        int scale = 100;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
            fields.millisecond += (text[at] - '0') * scale;
            scale /= 10;
            ++at;
        }
        if (at == first)
            return std::nullopt;
    }
    std::int64_t offsetMinutes = 0;
    const std::string_view zone = text.substr(at);
    if (zone == "Z" || zone == "z") {
    } else if (zone.size() == 6 && (zone[0] == '+' || zone[0] == '-') && zone[3] == ':') {
        const int h = Digits(zone, 1, 2);
        const int m = Digits(zone, 4, 2);
        if (h < 0 || m < 0 || h > 14 || m > 59)
            return std::nullopt;
        offsetMinutes = (zone[0] == '-' ? -1 : 1) * (h * 60 + m);
    } else if (!zone.empty()) {
        return std::nullopt;
    }
    const auto utcMs = UtcMsFromFields(fields);
    if (!utcMs)
        return std::nullopt;
    return *utcMs - offsetMinutes * kMinuteMs;
}

void AppendIso8601(std::string& out, std::int64_t utcMs) {
    const UtcFields f = UtcFieldsFromMs(utcMs);
    AppendPadded(out, f.year, 4);
    out += '-';
    AppendPadded(out, f.month, 2);
    out += '-';
    AppendPadded(out, f.day, 2);
    out += 'T';
    AppendPadded(out, f.hour, 2);
    out += ':';
    AppendPadded(out, f.minute, 2);
    out += ':';
    AppendPadded(out, f.second, 2);
    if (f.millisecond != 0) {
        out += '.';
        AppendPadded(out, f.millisecond, 3);
    }
    out += 'Z';
}

} // namespace base
