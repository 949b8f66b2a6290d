// One input is a raster file of a kind GDAL reads: its first byte picks the extension it is
// saved under (PDF, JPEG 2000, GeoPackage, VRT, ERDAS IMG, RMF, KAP, a TIFF, an elevation grid),
// the rest are its bytes. It is read as a map through GDAL's reader row and, when small enough,
// decoded into a pyramid in memory. A result has a size and either a grid or a warning saying
// why there is none; a refusal is one line naming the file; a decode that ends well built the
// size the reader said, one that fails says why. GDAL's own parsing is not instrumented: what
// this watches is the program's side of it and that the drivers enabled neither hang nor crash
// the process.
#include "FuzzCheck.h"
#include "map/OpenMap.h"
#include "map/formats/MapSource.h"

#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

using fuzz::Check;

namespace {

constexpr std::array kExtensions{"pdf", "jp2", "gpkg", "vrt", "img", "rsw",
                                 "kap", "tif", "asc",  "dem", "hgt", "mtw"};

class NoEvents final : public map::OpenMapEvents {
public:
    bool Progress(double done) override {
        Check(done >= 0.0 && done <= 1.0);
        return true;
    }
    bool Cancelled() override { return false; }
    void EarlyPicture(map::MapPyramid picture) override { Check(!picture.Empty()); }
    void RowsStored(map::MapPyramid map, int columns, int rows) override {
        Check(columns > 0 && columns <= map.Width() && rows > 0 && rows <= map.Height());
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const unsigned kind = fuzz::TakeByte(input) % kExtensions.size();
    const std::string path =
        "/dev/shm/quilo-fuzz-gdal-" + std::to_string(::getpid()) + "." + kExtensions[kind];
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(input.data(), static_cast<std::streamsize>(input.size()));
    }
    const map::MapSourceResult read = map::ReadMapSource(path);
    Check(read.source.has_value() != !read.error.empty());
    if (!read.source) {
        Check(read.error.find('\n') == std::string::npos);
    } else if (read.source->format->kind == map::MapFileKind::Gdal) {
        const map::MapSource& source = *read.source;
        Check(source.width > 0 && source.height > 0);
        Check(source.grid != nullptr || !source.warnings.empty());
        // Millions of pixels from a few bytes teach the fuzzer nothing new.
        if (static_cast<long long>(source.width) * source.height <= (1 << 18)) {
            NoEvents events;
            const map::OpenedMap opened = map::OpenMap(path, {}, events);
            Check(!opened.shown ? !opened.error.empty()
                                : opened.shown->Width() == source.width &&
                                      opened.shown->Height() == source.height);
        }
    }
    ::unlink(path.c_str());
    return 0;
}
