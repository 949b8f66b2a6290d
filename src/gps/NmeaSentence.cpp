#include "gps/NmeaSentence.h"

namespace gps {

std::string_view NmeaSentenceType(std::string_view line) {
    if (line.size() < 6)
        return {};
    return line.substr(3, 3);
}

NmeaFields SplitNmeaFields(std::string_view line) {
    NmeaFields out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos)
            break;
        if (out.count < kNmeaKeptFields)
            out.kept[out.count] = line.substr(start, comma - start);
        ++out.count;
        start = comma + 1;
    }
    if (out.count < kNmeaKeptFields) {
        const std::size_t star = line.find('*', start);
        out.kept[out.count] =
            line.substr(start, star == std::string_view::npos ? star : star - start);
    }
    ++out.count;
    return out;
}

} // namespace gps
