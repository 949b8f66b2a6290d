#pragma once

#include "base/MapPos.h"

#include <cstdint>
#include <string>
#include <utility>

// A named map point (waypoint) of the loaded map with its symbol, colours and size; the same
// record holds the look of the GPS position marker. Text is UTF-8.
//
// The indices are stored as they come: -1 means nothing was chosen in the edit dialog, and a
// points file may hold any value, so whoever draws a point clamps or maps unknown values.
// Colour indices: 0 Black, 1 Blue, 2 Red, 3 Magenta, 4 Green, 5 Cyan, 6 Yellow, 7 White.
// Symbol indices: 0 Invisible, 1 Circle, 2 Triangle, 3 Square, 4 Crosshair. Size 0..4 is
// shown to the user as 1..5.
class CMapPoint {
public:
    // Empty texts, position (0, 0) and all four indices 0, as a point about to be read.
    CMapPoint() = default;
    CMapPoint(std::string name, MapPos position, std::int32_t symbol, std::int32_t lineColour,
              std::int32_t fillColour, std::int32_t size, std::string description)
        : fillColour(fillColour), lineColour(lineColour), size(size), symbol(symbol),
          description(std::move(description)), name(std::move(name)), position(position) {}

    [[nodiscard]] const std::string& GetName() const { return name; }
    [[nodiscard]] const std::string& GetDescription() const { return description; }
    // y is the latitude, x the longitude, in decimal degrees.
    [[nodiscard]] const MapPos& GetPosition() const { return position; }
    [[nodiscard]] std::int32_t GetSymbol() const { return symbol; }
    [[nodiscard]] std::int32_t GetLineColour() const { return lineColour; }
    [[nodiscard]] std::int32_t GetFillColour() const { return fillColour; }
    [[nodiscard]] std::int32_t GetSize() const { return size; }

    void SetSymbol(std::int32_t value) { symbol = value; }
    void SetLineColour(std::int32_t value) { lineColour = value; }
    void SetFillColour(std::int32_t value) { fillColour = value; }
    void SetSize(std::int32_t value) { size = value; }

    friend bool operator==(const CMapPoint&, const CMapPoint&) = default;

private:
    std::int32_t fillColour = 0;
    std::int32_t lineColour = 0;
    std::int32_t size = 0;
    std::int32_t symbol = 0;
    std::string description;
    std::string name;
    MapPos position;
};
