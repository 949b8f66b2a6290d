#include "base/ChosenMap.h"

#include <algorithm>
#include <cstddef>
#include <filesystem>

namespace base {

ChosenMap SplitChosenMap(const std::string& path) {
    const std::size_t hash = path.rfind('#');
    int index = 0;
    if (hash == std::string::npos || hash + 1 == path.size() || path.size() - hash > 6 ||
        !std::all_of(path.begin() + static_cast<std::ptrdiff_t>(hash) + 1, path.end(),
                     [](char c) { return c >= '0' && c <= '9'; }))
        return {path, 0};
    for (std::size_t i = hash + 1; i < path.size(); ++i)
        index = index * 10 + (path[i] - '0');
    std::error_code ec;
    const std::string file = path.substr(0, hash);
    if (index < 1 || std::filesystem::exists(path, ec) ||
        !std::filesystem::is_regular_file(file, ec))
        return {path, 0};
    return {file, index};
}

} // namespace base
