#pragma once

#include "base/ChosenMap.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace map {

// GDAL's dataset handle (GDALDatasetH), closed when the last owner lets go.
struct GdalDatasetCloser {
    void operator()(void* dataset) const;
};
using GdalDataset = std::unique_ptr<void, GdalDatasetCloser>;

// The drivers GDAL is started with: raster drivers that read local files only. Every network
// driver, and every driver that opens a dataset from a name rather than a file, stays out.
std::span<const std::string_view> GdalDriverNames();

// Opens the file at path read-only as a raster through the enabled drivers. GDAL is started on
// the first call: its messages kept off the terminal, its block cache bounded, no network file
// system reachable, nothing written beside the file. A file naming other files (a VRT) is
// refused when any of them is no local file, is reached through a virtual file system, or runs
// code. A PDF page is rendered at a resolution that keeps its detail within the pyramid's
// bounds. A path "FILE#N" opens the N-th map of FILE. Null, with *error one line (GDAL's reason,
// without the path), when it cannot be opened.
GdalDataset OpenGdalRaster(const std::string& path, std::string* error);

// GDAL's last reason on this thread, on one line; fallback when it gave none.
std::string GdalReason(std::string_view fallback);

// True when the text of a file that names others (a VRT) names only local files, read with
// no code run; false with *why. Files it names that are VRTs are looked into in turn, to a
// bounded depth.
bool NamesOnlyLocalFiles(const std::string& path, std::string* why);

} // namespace map
