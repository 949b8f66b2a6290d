#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

// Numbers to and from text without the process locale: a comma-decimal locale must not turn
// "1.5" into 1 or print "1,5" into a file or an NMEA sentence.
namespace base {

// ---- The "%d" rule: leading blanks (space, \t, \n, \v, \f, \r) are skipped, one optional
// sign is taken, then decimal digits up to the first character that is not one, so "08"
// reads as 8, "12abc" as 12 and "8.5" as 8. Empty when no digit follows the sign ("", "abc",
// "-", "+-5", "0x" reads as 0 though).
//
// Overflow is where callers differ, so it is said in the name:
// ScanInt: a value outside 32 bits gives empty (a receiver never means it).
std::optional<std::int32_t> ScanInt(std::string_view text);
// ScanIntClamped: the magnitude stops growing at `limit` (>= 0), so any longer run of
// digits reads as -limit or +limit; nothing wraps around.
std::optional<std::int64_t> ScanIntClamped(std::string_view text, std::int64_t limit);

// ---- Strict parses: the whole text as std::from_chars reads it, nothing left over, no
// blanks and no '+'. Floating-point text may carry an exponent and may be "inf" or "nan".
template <class T> std::optional<T> ParseExact(std::string_view text) {
    T value{};
    const char* const end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc{} || result.ptr != end)
        return std::nullopt;
    return value;
}
// As above and within [min, max]; NaN is in no range.
template <class T> std::optional<T> ParseExact(std::string_view text, T min, T max) {
    const std::optional<T> value = ParseExact<T>(text);
    if (!value || !(*value >= min && *value <= max))
        return std::nullopt;
    return value;
}
// The text without one leading '+', for parses that accept "+5": SkipPlus("+-5") is "-5".
constexpr std::string_view SkipPlus(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    return text;
}

// ---- Formatting
// "%.<decimals>f" in the "C" locale: FormatFixed(2.5, 0) is "2" (ties to even, as printf),
// FormatFixed(-0.0, 1) is "-0.0", NaN and the infinities give "nan", "-nan", "inf", "-inf".
// decimals is held to 0..17; a double carries no more.
std::string FormatFixed(double value, int decimals);
void AppendFixed(std::string& out, double value, int decimals);
// "%0<width>d": zeros before the digits up to width characters, the sign counting towards
// the width (FormatPadded(-5, 3) is "-05"); a width of 0 pads nothing.
std::string FormatPadded(std::int64_t value, int width);
void AppendPadded(std::string& out, std::int64_t value, int width);
// The shortest text that reads back as the same double, fixed or with an exponent, whichever
// is shorter: 0.1 gives "0.1", 100 gives "100", 1e300 gives "1e+300".
std::string FormatShortest(double value);
// As FormatShortest, but never with an exponent: 1e20 gives "100000000000000000000".
std::string FormatShortestFixed(double value);

} // namespace base
