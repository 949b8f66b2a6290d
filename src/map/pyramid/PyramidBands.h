#pragma once

#include "map/pyramid/MapPyramid.h"

#include <vector>

namespace map {

// Builds a pyramid's reduced levels band by band while its full-resolution rows arrive from
// the top down: a row of tiles of level k is ready once the 2^k rows of tiles of level 0 under
// it are. The last bands are then done moments after the last row, instead of every level
// being built after it.
class PyramidBands {
public:
    explicit PyramidBands(MapPyramid& pyramid);

    // Reduces whatever the first fullRows rows of level 0 (complete, never written again) make
    // ready; returns the number of tile rows built. Rows of level 0 below may be written
    // meanwhile: no tile read here is one of theirs.
    int Advance(int fullRows);
    // Every reduced level is built.
    [[nodiscard]] bool Done() const;
    // Share of the reduced levels' tile rows built, 0..1 (1 for a pyramid of one level).
    [[nodiscard]] double Fraction() const;

private:
    MapPyramid& pyramid_;
    std::vector<int> built_; // rows of tiles built, per level
    int total_ = 0;
    int builtTotal_ = 0;
};

} // namespace map
