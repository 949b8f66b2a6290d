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

bool NmeaChecksumValid(std::string_view line) {
    const std::size_t star = line.rfind('*');
    if (line.empty() || line.front() != '$' || star == std::string_view::npos ||
        star + 3 > line.size())
        return false;
    if (line.find_first_not_of(" \t\r\n", star + 3) != std::string_view::npos)
        return false;
    unsigned sum = 0;
    for (const char c : line.substr(1, star - 1))
        sum ^= static_cast<unsigned char>(c);
    unsigned given = 0;
    for (const char c : line.substr(star + 1, 2)) {
        given <<= 4;
        if (c >= '0' && c <= '9')
            given |= static_cast<unsigned>(c - '0');
        else if (c >= 'A' && c <= 'F')
            given |= static_cast<unsigned>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f')
            given |= static_cast<unsigned>(c - 'a' + 10);
        else
            return false;
    }
    return sum == given;
}

} // namespace gps
