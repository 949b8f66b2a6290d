#pragma once

#include "view/MapPyramid.h"

#include <memory>
#include <string>

// Where a new map's pyramid is built: filled through Pyramid(), then handed over by Commit.
class PyramidTarget {
public:
    virtual ~PyramidTarget() = default;
    // The pyramid to fill; its size is the image's.
    virtual MapPyramid& Pyramid() = 0;
    // The filled pyramid, ready to show; empty, with the reason in *error, when it cannot be
    // kept.
    virtual MapPyramid Commit(std::string* error) = 0;
};

// A place for the pyramid of the image at path, width x height pixels; null, with the reason
// in *error, when there is none (a size beyond MapPyramid::kMaxSide, more memory than is
// free). The one place that decides where pyramids live.
std::unique_ptr<PyramidTarget> NewPyramidTarget(const std::string& imagePath, int width, int height,
                                                std::string* error);
