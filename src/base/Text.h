#pragma once

#include <string_view>

namespace base {

// text without the characters of `blanks` at either end. Callers name their own set: a
// device path drops line ends too (" \t\r\n"), a dialog field only spaces and tabs.
constexpr std::string_view Trim(std::string_view text, std::string_view blanks) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

} // namespace base
