#include "map/pyramid/PyramidBands.h"

#include <algorithm>

namespace map {

PyramidBands::PyramidBands(MapPyramid& pyramid)
    : pyramid_(pyramid), built_(static_cast<std::size_t>(pyramid.LevelCount()), 0) {
    for (int level = 1; level < pyramid.LevelCount(); ++level)
        total_ += pyramid.Level(level).rows;
}

int PyramidBands::Advance(int fullRows) {
    const int height = pyramid_.Height();
    int count = 0;
    // Level by level: a band of level k uses only bands of level k - 1 built in this pass or
    // before, and both cover the same rows of level 0.
    for (int level = 1; level < pyramid_.LevelCount(); ++level) {
        int& row = built_[static_cast<std::size_t>(level)];
        const long long bandRows = static_cast<long long>(MapPyramid::kTileSize) << level;
        while (row < pyramid_.Level(level).rows &&
               std::min<long long>((row + 1) * bandRows, height) <= fullRows) {
            pyramid_.ReduceTileRow(level, row);
            ++row;
            ++count;
        }
    }
    builtTotal_ += count;
    return count;
}

bool PyramidBands::Done() const {
    return builtTotal_ == total_;
}

double PyramidBands::Fraction() const {
    return total_ == 0 ? 1.0 : static_cast<double>(builtTotal_) / total_;
}

} // namespace map
