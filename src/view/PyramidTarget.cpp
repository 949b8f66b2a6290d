#include "view/PyramidTarget.h"

#include "platform/MemoryInfo.h"

namespace {

class MemoryTarget final : public PyramidTarget {
public:
    explicit MemoryTarget(MapPyramid pyramid) : pyramid_(std::move(pyramid)) {}
    MapPyramid& Pyramid() override { return pyramid_; }
    MapPyramid Commit(std::string* /*error*/) override { return std::move(pyramid_); }

private:
    MapPyramid pyramid_;
};

std::string Megabytes(std::size_t bytes) {
    return std::to_string((bytes + (1u << 20) - 1) >> 20) + " MB";
}

} // namespace

std::unique_ptr<PyramidTarget> NewPyramidTarget(const std::string& /*imagePath*/, int width,
                                                int height, std::string* error) {
    const std::string size = std::to_string(width) + " x " + std::to_string(height) + " pixels";
    const std::vector<PyramidLevel> layout = MapPyramid::Layout(width, height);
    if (layout.empty()) {
        *error = "The image is " + size + ", more than can be shown.";
        return nullptr;
    }
    // Refused before the allocation: under overcommit it would succeed and the program die
    // later, filling it.
    const std::size_t bytes = MapPyramid::StorePixels(layout) * sizeof(MapPixel);
    const std::optional<std::size_t> free = platform::AvailableMemoryBytes();
    if (free && bytes > *free) {
        *error = "The image is " + size + " and needs " + Megabytes(bytes) + " of memory; " +
                 Megabytes(*free) + " is free.";
        return nullptr;
    }
    MapPyramid pyramid = MapPyramid::Allocate(width, height);
    if (pyramid.Empty()) {
        *error = "Not enough memory for the image.";
        return nullptr;
    }
    return std::make_unique<MemoryTarget>(std::move(pyramid));
}
