#include "tool/JsonLine.h"

#include <cmath>

#include "base/Number.h"
#include "base/Time.h"

namespace tool {

void JsonLine::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_)
        text_ += ',';
    first_ = false;
}

JsonLine& JsonLine::Key(std::string_view key) {
    BeforeValue();
    Escaped(key);
    text_ += ':';
    afterKey_ = true;
    return *this;
}

JsonLine& JsonLine::Null() {
    BeforeValue();
    text_ += "null";
    return *this;
}

JsonLine& JsonLine::Number(std::optional<double> value) {
    if (!value || !std::isfinite(*value))
        return Null();
    BeforeValue();
    text_ += base::FormatShortestFixed(*value);
    return *this;
}

JsonLine& JsonLine::Int(std::optional<std::int64_t> value) {
    if (!value)
        return Null();
    BeforeValue();
    text_ += std::to_string(*value);
    return *this;
}

JsonLine& JsonLine::Bool(bool value) {
    BeforeValue();
    text_ += value ? "true" : "false";
    return *this;
}

JsonLine& JsonLine::String(std::optional<std::string_view> value) {
    if (!value)
        return Null();
    BeforeValue();
    Escaped(*value);
    return *this;
}

JsonLine& JsonLine::Time(std::optional<std::int64_t> utcMs) {
    if (!utcMs || !base::IsFourDigitYear(*utcMs))
        return Null();
    std::string iso;
    base::AppendIso8601(iso, *utcMs);
    return String(iso);
}

JsonLine& JsonLine::OpenObject() {
    BeforeValue();
    text_ += '{';
    closers_ += '}';
    first_ = true;
    return *this;
}

JsonLine& JsonLine::OpenArray() {
    BeforeValue();
    text_ += '[';
    closers_ += ']';
    first_ = true;
    return *this;
}

JsonLine& JsonLine::Close() {
    if (closers_.size() > 1) {
        text_ += closers_.back();
        closers_.pop_back();
        first_ = false;
    }
    return *this;
}

std::string JsonLine::Finish() {
    std::string out = text_;
    for (auto closer = closers_.rbegin(); closer != closers_.rend(); ++closer)
        out += *closer;
    out += '\n';
    return out;
}

void JsonLine::Escaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    text_ += '"';
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            text_ += '\\';
            text_ += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7f) {
            text_ += "\\u00";
            text_ += kHex[c >> 4];
            text_ += kHex[c & 15];
        } else if (c < 0x80) {
            text_ += static_cast<char>(c);
        } else {
            // Non-ASCII is never part of a sentence a receiver means: not worth validating.
            text_ += "\\ufffd";
        }
    }
    text_ += '"';
}

} // namespace tool
