#include "base/Number.h"

#include <algorithm>
#include <cmath>

namespace base {

namespace {

constexpr int kMaxDecimals = 17;
// A sign, the 309 integer digits of the largest double, a point and the decimals.
constexpr std::size_t kFixedBufferSize = 1 + 309 + 1 + kMaxDecimals;

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Cannot fail with this buffer; "nan" keeps a broken platform visible rather than silent.
void AppendResult(std::string& out, const char* begin, std::to_chars_result result) {
    if (result.ec != std::errc{})
        out += "nan";
    else
        out.append(begin, static_cast<std::size_t>(result.ptr - begin));
}

} // namespace

std::optional<std::int64_t> ScanIntClamped(std::string_view text, std::int64_t limit) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::int64_t magnitude = 0;
    bool any = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        any = true;
        // magnitude <= limit before this step, so the test cannot overflow.
        const int digit = text[i] - '0';
        magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
    }
    if (!any)
        return std::nullopt;
    return negative ? -magnitude : magnitude;
}

std::optional<std::int32_t> ScanInt(std::string_view text) {
    // One past the 32-bit range on both sides, so every overflow is seen.
    constexpr std::int64_t kLimit = std::int64_t{2147483648} + 1;
    const auto value = ScanIntClamped(text, kLimit);
    if (!value || *value < INT32_MIN || *value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

void AppendFixed(std::string& out, double value, int decimals) {
    char buffer[kFixedBufferSize];
    AppendResult(out, buffer,
                 std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                               std::clamp(decimals, 0, kMaxDecimals)));
}

std::string FormatFixed(double value, int decimals) {
    std::string text;
    AppendFixed(text, value, decimals);
    return text;
}

void AppendPadded(std::string& out, std::int64_t value, int width) {
    char buffer[24]; // a sign and the 19 digits of a 64-bit integer
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    const std::string_view digits(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const bool negative = value < 0;
    if (negative)
        out += '-';
    if (static_cast<int>(digits.size()) < width)
        out.append(static_cast<std::size_t>(width) - digits.size(), '0');
    out += digits.substr(negative ? 1 : 0);
}

std::string FormatPadded(std::int64_t value, int width) {
    std::string text;
    AppendPadded(text, value, width);
    return text;
}

std::string FormatShortest(double value) {
    char buffer[kFixedBufferSize];
    std::string text;
    AppendResult(text, buffer, std::to_chars(buffer, buffer + sizeof buffer, value));
    return text;
}

std::string FormatShortestFixed(double value) {
    char buffer[kFixedBufferSize];
    std::string text;
    AppendResult(text, buffer,
                 std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed));
    return text;
}

} // namespace base
