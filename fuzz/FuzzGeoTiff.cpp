// One input is a map's TIFF file. Its tags and GeoKeys are read; a small enough image is
// streamed into a pyramid in memory, its first view first. A header names a size and either a
// coordinate system with an affine that can be inverted or a reason there is none; a load that
// ends well built the header's size, one that fails says why. The rest (no hang, no read or
// write out of bounds, no exit) the sanitizers and libFuzzer watch.
#include "FuzzCheck.h"
#include "map/formats/GeoTiff.h"
#include "map/formats/GeoTiffPyramid.h"
#include "map/pyramid/PyramidCache.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>

using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The reader reads files: the input becomes one in memory.
    const int fd = ::memfd_create("tiff", MFD_CLOEXEC);
    if (fd < 0 || ::write(fd, data, size) != static_cast<ssize_t>(size)) {
        if (fd >= 0)
            ::close(fd);
        return 0;
    }
    const map::GeoTiffHeaderResult read = map::ReadGeoTiffHeader(fd);
    Check(read.header.has_value() != !read.error.empty());
    if (read.header) {
        const map::GeoTiffHeader& header = *read.header;
        Check(header.width > 0 && header.height > 0);
        Check(header.crs.empty() != header.warning.empty());
        const auto& w = header.worldFile;
        if (!header.crs.empty()) {
            for (double v : w)
                Check(std::isfinite(v));
            Check(w[0] * w[3] - w[1] * w[2] != 0.0);
        }
    }
    // Millions of blank pixels from a few bytes teach the fuzzer nothing new.
    if (read.header &&
        static_cast<long long>(read.header->width) * read.header->height <= (1 << 18)) {
        const map::PyramidCache none{std::filesystem::path()};
        map::GeoTiffPyramidOptions options;
        options.previewMinPixels = 0;
        options.preview = [](map::MapPyramid picture) { Check(!picture.Empty()); };
        options.regionStored = [&](map::MapPyramid, int columns, int rows) {
            Check(columns > 0 && columns <= read.header->width && rows > 0 &&
                  rows <= read.header->height);
        };
        options.firstColumns = 100;
        options.firstRows = 60;
        options.target = [&](int w, int h, std::string* error) {
            return map::NewPyramidTarget(none, "fuzz.tif", fd, w, h, error);
        };
        const map::GeoTiffPyramid loaded = map::LoadGeoTiffPyramid(fd, options);
        Check(loaded.map.Empty() ? !loaded.error.empty()
                                 : loaded.map.Width() == read.header->width &&
                                       loaded.map.Height() == read.header->height);
    }
    ::close(fd);
    return 0;
}
