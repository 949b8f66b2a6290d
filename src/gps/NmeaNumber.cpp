#include "gps/NmeaNumber.h"

#include <charconv>
#include <system_error>
#include <type_traits>

namespace gps {
namespace {

// The whole field is digits, with one point when fraction allows it, and a '-' in front when
// sign allows it; at least one digit.
bool WellFormed(std::string_view field, NmeaSign sign, bool fraction) {
    if (sign == NmeaSign::Minus && !field.empty() && field.front() == '-')
        field.remove_prefix(1);
    bool digit = false;
    bool point = false;
    for (const char c : field) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == '.' && fraction && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

template <typename T> std::optional<T> Read(std::string_view field, NmeaSign sign) {
    constexpr bool kReal = std::is_floating_point_v<T>;
    if (!WellFormed(field, sign, kReal))
        return std::nullopt;
    T value{};
    const char* const end = field.data() + field.size();
    std::from_chars_result result{};
    if constexpr (kReal)
        result = std::from_chars(field.data(), end, value, std::chars_format::fixed);
    else
        result = std::from_chars(field.data(), end, value);
    if (result.ec != std::errc{} || result.ptr != end)
        return std::nullopt;
    // "-0" is no negative value.
    return value == T{} ? T{} : value;
}

} // namespace

std::optional<double> ReadNmeaDecimal(std::string_view field, NmeaSign sign) {
    return Read<double>(field, sign);
}

std::optional<float> ReadNmeaFloat(std::string_view field) {
    return Read<float>(field, NmeaSign::None);
}

std::optional<std::int32_t> ReadNmeaWhole(std::string_view field, NmeaSign sign) {
    return Read<std::int32_t>(field, sign);
}

} // namespace gps
