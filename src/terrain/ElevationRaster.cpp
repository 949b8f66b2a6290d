#include "terrain/ElevationRaster.h"

#include "map/formats/GdalLibrary.h"
#include "terrain/DemRaster.h"
#include "terrain/Shading.h"

#include <gdal.h>
#include <ogr_srs_api.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace terrain {

namespace {

constexpr double kMetresPerDegree = 111320.0;

OGRSpatialReferenceH Wgs84() {
    OGRSpatialReferenceH srs = OSRNewSpatialReference(nullptr);
    OSRImportFromEPSG(srs, 4326);
    OSRSetAxisMappingStrategy(srs, OAMS_TRADITIONAL_GIS_ORDER);
    return srs;
}

} // namespace

ElevationRaster::OpenResult ElevationRaster::Open(const std::string& path) {
    const auto failed = [&path](const std::string& why) {
        return OpenResult{nullptr, path + ": " + why};
    };
    std::string error;
    const map::GdalDataset dataset = map::OpenGdalRaster(path, &error);
    if (!dataset)
        return failed(error);
    GDALDatasetH handle = dataset.get();
    if (GDALGetRasterCount(handle) != 1)
        return failed("an elevation raster has one band");
    std::shared_ptr<ElevationRaster> raster(new ElevationRaster());
    raster->path_ = path;
    raster->width_ = GDALGetRasterXSize(handle);
    raster->height_ = GDALGetRasterYSize(handle);
    double* gt = raster->geo_;
    if (GDALGetGeoTransform(handle, gt) != CE_None || gt[2] != 0.0 || gt[4] != 0.0 ||
        !(std::isfinite(gt[0]) && std::isfinite(gt[1]) && std::isfinite(gt[3]) &&
          std::isfinite(gt[5]) && gt[1] != 0.0 && gt[5] != 0.0))
        return failed("it is not placed on a north-up grid");
    if (static_cast<std::uint64_t>(raster->width_) * static_cast<std::uint64_t>(raster->height_) >
        kMaxDemSamples)
        return failed("it holds more samples than a DEM may");
    const OGRSpatialReferenceH own = GDALGetSpatialRef(handle);
    if (own == nullptr)
        return failed("it names no coordinate system");
    int hasNoData = 0;
    const double noData = GDALGetRasterNoDataValue(GDALGetRasterBand(handle, 1), &hasNoData);
    if (hasNoData != 0)
        raster->noData_ = noData;

    OGRSpatialReferenceH target = OSRClone(own);
    OSRSetAxisMappingStrategy(target, OAMS_TRADITIONAL_GIS_ORDER);
    OGRSpatialReferenceH wgs84 = Wgs84();
    if (OSRIsSame(wgs84, target) == 0) {
        raster->transform_ = OCTNewCoordinateTransformation(wgs84, target);
        if (raster->transform_ == nullptr) {
            OSRDestroySpatialReference(target);
            OSRDestroySpatialReference(wgs84);
            return failed("its coordinate system cannot be reached from WGS 84");
        }
    }
    if (OSRIsGeographic(target) != 0) {
        const double middle = gt[3] + gt[5] * raster->height_ / 2.0;
        raster->sampleMetres_ =
            kMetresPerDegree *
            std::max(std::abs(gt[1]) * std::cos(middle * std::numbers::pi / 180.0),
                     std::abs(gt[5]));
    } else {
        raster->sampleMetres_ =
            std::max(std::abs(gt[1]), std::abs(gt[5])) * OSRGetLinearUnits(target, nullptr);
    }
    OSRDestroySpatialReference(target);
    OSRDestroySpatialReference(wgs84);
    return {std::move(raster), {}};
}

ElevationRaster::~ElevationRaster() {
    if (transform_ != nullptr)
        OCTDestroyCoordinateTransformation(static_cast<OGRCoordinateTransformationH>(transform_));
}

bool ElevationRaster::Loaded() {
    const std::lock_guard lock(mutex_);
    return samples_ != nullptr;
}

void ElevationRaster::Release() {
    const std::lock_guard lock(mutex_);
    samples_.reset();
    levels_.clear();
}

std::shared_ptr<const std::vector<float>> ElevationRaster::Level(int level) {
    if (level == 0)
        return Samples();
    if (static_cast<int>(levels_.size()) >= level && levels_[level - 1])
        return levels_[level - 1];
    const std::shared_ptr<const std::vector<float>> finer = Level(level - 1);
    if (!finer)
        return nullptr;
    const int w = std::max(width_ >> (level - 1), 1);
    const int h = std::max(height_ >> (level - 1), 1);
    auto coarser = std::make_shared<std::vector<float>>(static_cast<std::size_t>(w / 2) *
                                                        static_cast<std::size_t>(h / 2));
    HeightWindow window;
    window.heights = finer->data();
    window.width = w;
    window.height = h;
    window.stride = w;
    Reduce(window, 2, coarser->data(), w / 2);
    levels_.resize(std::max<std::size_t>(levels_.size(), static_cast<std::size_t>(level)));
    levels_[level - 1] = coarser;
    return coarser;
}

bool ElevationRaster::FillHeights(std::span<const MapPos> positions, double pixelMetres,
                                  float* out) {
    std::vector<double> xs(positions.size());
    std::vector<double> ys(positions.size());
    std::vector<int> ok(positions.size(), 1);
    for (std::size_t i = 0; i < positions.size(); ++i) {
        xs[i] = positions[i].x;
        ys[i] = positions[i].y;
    }
    // Halving the samples while a block stays within the pixel, and some of them are left.
    int level = 0;
    while (pixelMetres >= sampleMetres_ * (2 << level) && (width_ >> (level + 1)) >= 2 &&
           (height_ >> (level + 1)) >= 2)
        ++level;
    const double scale = 1 << level;
    const int w = std::max(width_ >> level, 1);
    const int h = std::max(height_ >> level, 1);
    std::shared_ptr<const std::vector<float>> samples;
    const std::lock_guard lock(mutex_);
    if (transform_ != nullptr)
        OCTTransformEx(static_cast<OGRCoordinateTransformationH>(transform_),
                       static_cast<int>(positions.size()), xs.data(), ys.data(), nullptr,
                       ok.data());
    bool covered = false;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        xs[i] = (xs[i] - geo_[0]) / (geo_[1] * scale) - 0.5;
        ys[i] = (ys[i] - geo_[3]) / (geo_[5] * scale) - 0.5;
        ok[i] = ok[i] != 0 && std::isnan(out[i]) && xs[i] >= -0.5 && xs[i] <= w - 0.5 &&
                ys[i] >= -0.5 && ys[i] <= h - 0.5;
        covered = covered || ok[i] != 0;
    }
    // Samples are read only for a raster that lies under some position.
    if (!covered || !(samples = Level(level)))
        return covered;
    for (std::size_t i = 0; i < positions.size(); ++i)
        if (ok[i] != 0)
            if (const RasterHeight got = Bilinear(*samples, w, h, xs[i], ys[i]); got.metres)
                out[i] = static_cast<float>(*got.metres);
    return true;
}

RasterHeight ElevationRaster::Bilinear(const std::vector<float>& samples, int width, int height,
                                       double x, double y) {
    if (!(x >= -0.5 && x <= width - 0.5 && y >= -0.5 && y <= height - 0.5))
        return {};
    const int c0 = std::clamp(static_cast<int>(std::floor(x)), 0, std::max(width - 2, 0));
    const int r0 = std::clamp(static_cast<int>(std::floor(y)), 0, std::max(height - 2, 0));
    const double fx = width > 1 ? std::clamp(x - c0, 0.0, 1.0) : 0.0;
    const double fy = height > 1 ? std::clamp(y - r0, 0.0, 1.0) : 0.0;
    const double weights[4] = {(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
    double sum = 0.0;
    for (int i = 0; i < 4; ++i) {
        if (weights[i] == 0.0)
            continue;
        const float sample = samples[static_cast<std::size_t>(r0 + i / 2) * width + c0 + i % 2];
        if (std::isnan(sample))
            return {true, std::nullopt};
        sum += weights[i] * sample;
    }
    return {true, sum};
}

std::shared_ptr<const std::vector<float>> ElevationRaster::Samples() {
    if (samples_)
        return samples_;
    std::string error;
    const map::GdalDataset dataset = map::OpenGdalRaster(path_, &error);
    if (!dataset || GDALGetRasterXSize(dataset.get()) != width_ ||
        GDALGetRasterYSize(dataset.get()) != height_)
        return nullptr;
    auto samples = std::make_shared<std::vector<float>>(static_cast<std::size_t>(width_) *
                                                        static_cast<std::size_t>(height_));
    if (GDALRasterIO(GDALGetRasterBand(dataset.get(), 1), GF_Read, 0, 0, width_, height_,
                     samples->data(), width_, height_, GDT_Float32, 0, 0) != CE_None)
        return nullptr;
    // A float no-data value compared as the float GDAL turned each sample into.
    if (noData_)
        std::replace(samples->begin(), samples->end(), static_cast<float>(*noData_),
                     std::numeric_limits<float>::quiet_NaN());
    samples_ = std::move(samples);
    return samples_;
}

RasterHeight ElevationRaster::Height(double lat, double lon) {
    double x = lon;
    double y = lat;
    std::shared_ptr<const std::vector<float>> samples;
    {
        const std::lock_guard lock(mutex_);
        if (transform_ != nullptr &&
            OCTTransform(static_cast<OGRCoordinateTransformationH>(transform_), 1, &x, &y,
                         nullptr) == 0)
            return {};
        const double col = (x - geo_[0]) / geo_[1] - 0.5;
        const double row = (y - geo_[3]) / geo_[5] - 0.5;
        if (!(col >= -0.5 && col <= width_ - 0.5 && row >= -0.5 && row <= height_ - 0.5))
            return {};
        samples = Samples();
        if (!samples)
            return {true, std::nullopt};
        x = col;
        y = row;
    }
    return Bilinear(*samples, width_, height_, x, y);
}

} // namespace terrain
