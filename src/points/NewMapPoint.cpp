#include "points/NewMapPoint.h"

#include "points/MapPointLook.h"

#include <charconv>
#include <ctime>

namespace points {

namespace {

void AppendTwoDigits(std::string& out, int value) {
    if (value >= 0 && value < 10)
        out += '0';
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

} // namespace

LocalDateTime CurrentLocalDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&now, &local) == nullptr)
        return {};
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string TimestampedName(std::string_view prefix, const LocalDateTime& when) {
    std::string name(prefix);
    name += ' ';
    AppendTwoDigits(name, when.day);
    name += '/';
    AppendTwoDigits(name, when.month);
    name += '/';
    AppendTwoDigits(name, when.year);
    name += ' ';
    AppendTwoDigits(name, when.hour);
    name += ':';
    AppendTwoDigits(name, when.minute);
    name += ':';
    AppendTwoDigits(name, when.second);
    return name;
}

CMapPoint MakeCursorPoint(const MapPos& position, const LocalDateTime& when) {
    return CMapPoint(TimestampedName("Map point", when), position, kSymbolTriangle, kColourRed,
                     kColourGreen, SizeShownAs(3), "");
}

CMapPoint MakeGpsPositionPoint(const MapPos& position, const LocalDateTime& when) {
    return CMapPoint(TimestampedName("GPS position", when), position, kSymbolCrosshair, kColourBlue,
                     kColourBlue, SizeShownAs(4), "");
}

} // namespace points
