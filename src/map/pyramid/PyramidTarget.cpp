#include "map/pyramid/PyramidTarget.h"

#include "map/pyramid/PyramidCache.h"
#include "platform/MemoryInfo.h"

namespace map {

namespace {

class MemoryTarget final : public PyramidTarget {
public:
    explicit MemoryTarget(MapPyramid pyramid) : pyramid_(std::move(pyramid)) {}
    MapPyramid& Pyramid() override { return pyramid_; }
    std::shared_ptr<TiledMap> Commit() override {
        return std::make_shared<MapPyramid>(std::move(pyramid_));
    }
    MapPyramid Discard() override { return std::move(pyramid_); }

private:
    MapPyramid pyramid_;
};

class CacheTarget final : public PyramidTarget {
public:
    explicit CacheTarget(std::unique_ptr<PyramidCacheEntry> entry) : entry_(std::move(entry)) {}
    MapPyramid& Pyramid() override { return entry_->Pyramid(); }
    std::shared_ptr<TiledMap> Commit() override {
        std::string ignored; // the map is valid in memory all the same, only not kept
        return entry_->Commit(&ignored);
    }
    MapPyramid Discard() override {
        MapPyramid pyramid = entry_->Pyramid();
        entry_.reset();
        return pyramid;
    }

private:
    std::unique_ptr<PyramidCacheEntry> entry_;
};

std::string Megabytes(std::size_t bytes) {
    return std::to_string((bytes + (1u << 20) - 1) >> 20) + " MB";
}

} // namespace

std::unique_ptr<PyramidTarget> NewPyramidTarget(const PyramidCache& cache,
                                                const std::string& imagePath, int imageFd,
                                                int width, int height, std::string* error) {
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
        *error = "The image is " + size + " and needs " + Megabytes(bytes) + "; " +
                 Megabytes(*free) + " of memory is free.";
        return nullptr;
    }
    std::string cacheError; // the map is shown all the same, only not kept
    if (std::unique_ptr<PyramidCacheEntry> entry =
            cache.Create(imagePath, imageFd, width, height, &cacheError))
        return std::make_unique<CacheTarget>(std::move(entry));
    MapPyramid pyramid = MapPyramid::Allocate(width, height);
    if (pyramid.Empty()) {
        *error = "Not enough memory for the image.";
        return nullptr;
    }
    return std::make_unique<MemoryTarget>(std::move(pyramid));
}

} // namespace map
