#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The colour, symbol and size lists that give map points, the GPS marker and the trail their
// look. The names are also the entries of the settings and map point dialogs' lists, in this
// order: a list index is the stored value.

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr std::array<std::string_view, 8> kColourNames = {
    "Black", "Blue", "Red", "Magenta", "Green", "Cyan", "Yellow", "White"};
inline constexpr std::array<Rgb, 8> kColourValues = {{{0, 0, 0},
                                                      {0, 0, 255},
                                                      {255, 0, 0},
                                                      {255, 0, 255},
                                                      {0, 255, 0},
                                                      {0, 255, 255},
                                                      {255, 255, 0},
                                                      {255, 255, 255}}};

inline constexpr std::array<std::string_view, 5> kSymbolNames = {"Invisible", "Circle", "Triangle",
                                                                 "Square", "Crosshair"};
inline constexpr int kSymbolInvisible = 0;
inline constexpr int kSymbolCircle = 1;
inline constexpr int kSymbolTriangle = 2;
inline constexpr int kSymbolSquare = 3;
inline constexpr int kSymbolCrosshair = 4; // also drawn for any unknown index

// Size values 0..4 are shown to the user as "1".."5".
inline constexpr std::array<std::string_view, 5> kSizeNames = {"1", "2", "3", "4", "5"};
inline constexpr int kMaxSizeValue = 4;

inline constexpr int kColourBlack = 0;
inline constexpr int kColourRed = 2;
inline constexpr int kColourGreen = 4;
inline constexpr int kColourYellow = 6;
inline constexpr int kColourWhite = 7;

// Colour index 0..7 to its colour; any other index is black.
[[nodiscard]] Rgb RgbFromIndex(int colourIndex);

// A size value from a points file may be anything; drawing uses it clamped to 0..4 so that a
// damaged file cannot ask for a symbol millions of pixels wide (or overflow 2s + 1).
[[nodiscard]] int ClampSizeValue(int size);
// Half-extent r = 2s + 1 pixels of a symbol of size value s (clamped).
[[nodiscard]] int SymbolRadius(int size);
// Outline pen width: s when s > 3, else 0 (the thinnest pen, one pixel).
[[nodiscard]] int SymbolPenWidth(int size);

// The trail fades toward black with age through 20 shades of the trail colour.
inline constexpr int kTrailLevels = 20;

// Level i has i * (v / 255) * 12.75 of each component v of the trail colour, truncated, so
// level 0 is black and level 19 has 242 of a full component.
[[nodiscard]] std::array<Rgb, kTrailLevels> TrailShadeRamp(int trailColourIndex);
// Pen width of the trail lines and dot outlines: twice the trail size value (clamped).
[[nodiscard]] int TrailPenWidth(int trailSize);

// Shade level of trail sample number n (the newest sample has n = trailLength - 1): n / length
// * 19 in single precision, plus 0.5, truncated. Always within 0..kTrailLevels - 1, also for
// n < 0 (a trail holding more than trailLength samples, its breaks added without trimming)
// and for a trailLength below 1.
[[nodiscard]] int TrailShadeLevel(int n, int trailLength);
