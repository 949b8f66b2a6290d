#pragma once

#include "base/Translatable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The colour, symbol and size lists that give map points, the GPS marker and the trail their
// look. The names are also the entries of the settings and map point dialogs' lists, in this
// order: a list index is the stored value (the window shows the names translated). How a symbol
// is drawn is the view's business.

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr std::array<std::string_view, 8> kColourNames = {
    QUILO_TRANSLATABLE("core", "Black"),  QUILO_TRANSLATABLE("core", "Blue"),
    QUILO_TRANSLATABLE("core", "Red"),    QUILO_TRANSLATABLE("core", "Magenta"),
    QUILO_TRANSLATABLE("core", "Green"),  QUILO_TRANSLATABLE("core", "Cyan"),
    QUILO_TRANSLATABLE("core", "Yellow"), QUILO_TRANSLATABLE("core", "White")};
inline constexpr std::array<Rgb, 8> kColourValues = {{{0, 0, 0},
                                                      {0, 0, 255},
                                                      {255, 0, 0},
                                                      {255, 0, 255},
                                                      {0, 255, 0},
                                                      {0, 255, 255},
                                                      {255, 255, 0},
                                                      {255, 255, 255}}};

inline constexpr int kColourBlack = 0;
inline constexpr int kColourBlue = 1;
inline constexpr int kColourRed = 2;
inline constexpr int kColourGreen = 4;
inline constexpr int kColourYellow = 6;
inline constexpr int kColourWhite = 7;

inline constexpr std::array<std::string_view, 5> kSymbolNames = {
    QUILO_TRANSLATABLE("core", "Invisible"), QUILO_TRANSLATABLE("core", "Circle"),
    QUILO_TRANSLATABLE("core", "Triangle"), QUILO_TRANSLATABLE("core", "Square"),
    QUILO_TRANSLATABLE("core", "Crosshair")};
inline constexpr int kSymbolInvisible = 0;
inline constexpr int kSymbolCircle = 1;
inline constexpr int kSymbolTriangle = 2;
inline constexpr int kSymbolSquare = 3;
inline constexpr int kSymbolCrosshair = 4; // also drawn for any unknown index

// Size values 0..4 are shown to the user as "1".."5".
inline constexpr std::array<std::string_view, 5> kSizeNames = {"1", "2", "3", "4", "5"};
inline constexpr int kMaxSizeValue = 4;

// The size value the lists show as `shown` (1..5).
[[nodiscard]] constexpr int SizeShownAs(int shown) {
    return shown - 1;
}

// Colour index 0..7 to its colour; any other index is black.
[[nodiscard]] constexpr Rgb RgbFromIndex(int colourIndex) {
    if (colourIndex < 0 || colourIndex >= static_cast<int>(kColourValues.size()))
        return {};
    return kColourValues[static_cast<std::size_t>(colourIndex)];
}
