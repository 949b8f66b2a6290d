#pragma once

#include "map/formats/ImageDecoder.h"

#include <string>

namespace map {

// The decoder row of the rasters GDAL reads (ImageDecoder), chosen by the reader row, never by
// content: the header is the dataset's size; the pixels are read window by window with
// RasterIO straight into level 0, the reduced levels built band by band behind them, so only
// one strip of windows is held besides the pyramid. A file with overviews first shows a small
// picture read from them. Samples that are no bytes (16-bit, elevations, floats) are stretched
// between the band's own lowest and highest values, or the percentiles the options name; nodata,
// transparent samples and a GeoPDF's collar outside its neat line are paper white. A file that
// names others (a VRT) is shown but not kept: those may change without it.
ImageHeaderResult GdalImageHeader(int fd, const std::string& path, const DecodeContext* context);
DecodedImage DecodeGdalImage(int fd, const std::string& path, const DecodeContext& context);

} // namespace map
