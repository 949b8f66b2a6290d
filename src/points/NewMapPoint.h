#pragma once

#include "points/MapPoint.h"

#include <string>
#include <string_view>

// The points the map view creates by command: New Point at Cursor and Store Position.
namespace points {

// A local date and time as the clock gives it (month 1..12, full year).
struct LocalDateTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

[[nodiscard]] LocalDateTime CurrentLocalDateTime();

// prefix + " DD/MM/YYYY hh:mm:ss", each field at least two digits, locale-free:
// ("Map point", 7 December 2026 14:05:09) gives "Map point 07/12/2026 14:05:09".
[[nodiscard]] std::string TimestampedName(std::string_view prefix, const LocalDateTime& when);

// "Map point <time>": a red-outlined green triangle of size value 2, no description.
[[nodiscard]] CMapPoint MakeCursorPoint(const MapPos& position, const LocalDateTime& when);
// "GPS position <time>": a blue crosshair of size value 3, no description.
[[nodiscard]] CMapPoint MakeGpsPositionPoint(const MapPos& position, const LocalDateTime& when);

} // namespace points
