#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace base {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

struct Utf8Sequence {
    char32_t codePoint = 0;
    std::size_t length = 0; // 0: no well-formed sequence
};

// The well-formed UTF-8 sequence at the front of text. Overlong forms, surrogates, values
// above U+10FFFF, stray continuation bytes and truncated sequences are not well-formed and
// give length 0, as does empty text.
Utf8Sequence DecodeUtf8(std::string_view text);
// Whether the whole text is a run of well-formed sequences.
bool IsWellFormedUtf8(std::string_view text);
// Appends c as UTF-8; a surrogate or a value above U+10FFFF is written as U+FFFD.
void AppendUtf8(std::string& out, char32_t c);

} // namespace base
