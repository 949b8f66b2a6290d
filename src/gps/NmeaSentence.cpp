#include "gps/NmeaSentence.h"

#include <limits>

namespace gps {

std::string NmeaSentenceType(std::string_view line) {
    if (line.size() < 6)
        return {};
    return std::string(line.substr(3, 3));
}

std::int32_t NmeaSplitFields(std::string_view line, std::vector<std::string>& fields) {
    fields.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos)
            break;
        fields.emplace_back(line.substr(start, comma - start));
        start = comma + 1;
    }
    const std::size_t star = line.find('*', start);
    fields.emplace_back(line.substr(start, star == std::string_view::npos ? star : star - start));
    constexpr std::size_t kMax = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(fields.size() < kMax ? fields.size() : kMax);
}

} // namespace gps
