#include "gps/NmeaNumber.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace gps {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Skips the blanks and one sign. Returns false when a second sign follows ("+-5", "--5"),
// which scanf does not read either.
bool TakeSign(std::string_view& text, bool& negative) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    text.remove_prefix(i);
    negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    return text.empty() || (text.front() != '+' && text.front() != '-');
}

template <typename T> std::optional<T> ScanReal(std::string_view text) {
    bool negative = false;
    if (!TakeSign(text, negative))
        return std::nullopt;
    T value{};
    std::from_chars_result result{};
    const bool hex =
        text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
        (IsHexDigit(text[2]) || (text[2] == '.' && text.size() > 3 && IsHexDigit(text[3])));
    if (hex)
        result = std::from_chars(text.data() + 2, text.data() + text.size(), value,
                                 std::chars_format::hex);
    else
        result = std::from_chars(text.data(), text.data() + text.size(), value,
                                 std::chars_format::general);
    if (result.ec != std::errc{} || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace

std::optional<double> ScanDouble(std::string_view text) {
    return ScanReal<double>(text);
}

std::optional<float> ScanFloat(std::string_view text) {
    return ScanReal<float>(text);
}

} // namespace gps
