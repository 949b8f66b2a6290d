#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

// One JSON object on one line, written key by key: the tool's --json output. Numbers are
// locale-free and shortest exact; an unknown value is null. Strings are escaped, so hostile
// bytes from a capture never break the line (non-ASCII bytes become U+FFFD).
namespace tool {

class JsonLine {
public:
    JsonLine& Key(std::string_view key);
    JsonLine& Number(std::optional<double> value);
    JsonLine& Int(std::optional<std::int64_t> value);
    JsonLine& Bool(bool value);
    JsonLine& String(std::optional<std::string_view> value);
    JsonLine& Null();
    // "2019-04-12T00:39:57Z" of UTC milliseconds, or null.
    JsonLine& Time(std::optional<std::int64_t> utcMs);
    // Opens an object or array as the next value; Close ends the innermost one.
    JsonLine& OpenObject();
    JsonLine& OpenArray();
    JsonLine& Close();

    // Key then value, the common case.
    template <typename T> JsonLine& Field(std::string_view key, const T& value);

    // The object so far with its closing brackets and a newline.
    [[nodiscard]] std::string Finish();

private:
    void BeforeValue();
    void Escaped(std::string_view text);

    std::string text_ = "{";
    std::string closers_ = "}";
    bool first_ = true;
    bool afterKey_ = false;
};

template <typename T> JsonLine& JsonLine::Field(std::string_view key, const T& value) {
    Key(key);
    using V = std::decay_t<T>;
    if constexpr (std::is_same_v<V, bool>)
        return Bool(value);
    else if constexpr (std::is_same_v<V, std::optional<double>> || std::is_same_v<V, double>)
        return Number(value);
    else if constexpr (std::is_same_v<V, std::optional<int>>)
        return value ? Int(*value) : Null();
    else if constexpr (std::is_integral_v<V>)
        return Int(value);
    else
        return String(value);
}

} // namespace tool
