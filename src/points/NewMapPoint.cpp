#include "points/NewMapPoint.h"

#include "base/Number.h"
#include "points/MapPointLook.h"

#include <ctime>

namespace points {

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
    base::AppendPadded(name, when.day, 2);
    name += '/';
    base::AppendPadded(name, when.month, 2);
    name += '/';
    base::AppendPadded(name, when.year, 2);
    name += ' ';
    base::AppendPadded(name, when.hour, 2);
    name += ':';
    base::AppendPadded(name, when.minute, 2);
    name += ':';
    base::AppendPadded(name, when.second, 2);
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
