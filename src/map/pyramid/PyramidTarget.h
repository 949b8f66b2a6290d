#pragma once

#include "map/pyramid/MapPyramid.h"

#include <memory>
#include <string>

namespace map {

class PyramidCache;

// Where a new map's pyramid is built: filled through Pyramid(), then handed over by Commit
// (kept for the next open) or Discard (shown this once: a damaged file's pyramid is not kept).
class PyramidTarget {
public:
    virtual ~PyramidTarget() = default;
    // The pyramid to fill; its size is the image's.
    virtual MapPyramid& Pyramid() = 0;
    // The filled pyramid, ready to show and kept where it was built when that can be; a
    // failure to keep it is no failure to show it.
    virtual MapPyramid Commit() = 0;
    // The filled pyramid, ready to show, kept nowhere.
    virtual MapPyramid Discard() = 0;
};

// A place for the pyramid of the image file imageFd (opened from imagePath), width x height
// pixels: a new entry of cache
// when it has room (the map then reopens without a decode), else memory of its own when the
// system has that much free; null, with the reason in *error, when neither can be had or a
// side is beyond MapPyramid::kMaxSide. The one place that decides where pyramids live.
std::unique_ptr<PyramidTarget> NewPyramidTarget(const PyramidCache& cache,
                                                const std::string& imagePath, int imageFd,
                                                int width, int height, std::string* error);

} // namespace map
