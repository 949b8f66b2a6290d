#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

// A scanned map's look: paper with grain, contour lines, a grid, blocks of "lettering" and
// coloured areas, so that the encoder and decoder work as on a real scan.
inline void WriteScanRow(int y, std::vector<unsigned char>& rgb, int width) {
    std::uint32_t hash = 2166136261u ^ static_cast<std::uint32_t>(y) * 16777619u;
    for (int x = 0; x < width; ++x) {
        hash = (hash ^ static_cast<std::uint32_t>(x)) * 16777619u;
        const int grain = static_cast<int>(hash >> 27) - 16;
        int r = 238 + grain / 2, g = 230 + grain / 2, b = 205 + grain / 2;
        const int zone = ((x / 1500) * 7 + (y / 1100) * 3) % 5;
        if (zone == 1) { // woods
            r -= 40;
            b -= 30;
        } else if (zone == 3) { // water
            r -= 60;
            g -= 20;
            b += 30;
        }
        const int contour = (x / 3 + y / 2 + (x * y / 9000) % 400) % 97;
        if (contour == 0) {
            r = 170;
            g = 110;
            b = 60;
        }
        if (x % 1024 < 2 || y % 1024 < 2) {
            r = g = b = 60;
        }
        // Lettering: dense dark strokes in small blocks here and there.
        if ((x / 64 + y / 24 * 5) % 37 == 0 && (hash & 3u) == 0) {
            r = g = b = 25;
        }
        unsigned char* out = &rgb[static_cast<std::size_t>(x) * 3];
        out[0] = static_cast<unsigned char>(std::clamp(r, 0, 255));
        out[1] = static_cast<unsigned char>(std::clamp(g, 0, 255));
        out[2] = static_cast<unsigned char>(std::clamp(b, 0, 255));
    }
}
