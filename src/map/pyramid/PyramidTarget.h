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
    // The filled pyramid, ready to show and kept when that can be (then shown from where it
    // is kept); a failure to keep it is no failure to show it.
    virtual std::shared_ptr<TiledMap> Commit() = 0;
    // The filled pyramid, ready to show, kept nowhere.
    virtual MapPyramid Discard() = 0;
};

// A place for the pyramid of the image file imageFd (opened from imagePath), width x height
// pixels, built in memory when the system has that much free: a new entry of cache when one can
// be made (the map then reopens without a decode), else memory alone; null, with the reason in
// *error, when the memory cannot be had or a side is beyond MapPyramid::kMaxSide. The one place
// that decides where pyramids live.
std::unique_ptr<PyramidTarget> NewPyramidTarget(const PyramidCache& cache,
                                                const std::string& imagePath, int imageFd,
                                                int width, int height, std::string* error);

} // namespace map
