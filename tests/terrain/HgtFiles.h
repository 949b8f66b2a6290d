#pragma once

// SRTM tiles written byte by byte from a function of (row, col), and GeoTIFF DEMs written by
// gdal_translate (QUILO_GDAL_TRANSLATE) from an ASCII grid of one.

#include "support/RunTool.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace terraintest {

template <class Height> void WriteHgt(const std::string& path, int size, Height height) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size) * size * 2);
    for (int r = 0; r < size; ++r)
        for (int c = 0; c < size; ++c) {
            const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(height(r, c)));
            bytes += static_cast<char>(v >> 8);
            bytes += static_cast<char>(v & 0xFF);
        }
    testsupport::WriteBytes(path, bytes);
}

#ifdef QUILO_GDAL_TRANSLATE
struct Grid {
    std::string header; // the lines before the values: size, corner, cell size
    std::vector<double> values;
};

// A raster as gdal_translate writes it as an ASCII grid.
inline Grid ReadAsGrid(const testsupport::TempDir& dir, const std::string& tif) {
    const std::string asc = dir.File(tif + ".asc");
    const auto run =
        testsupport::Run(QUILO_GDAL_TRANSLATE, {"-q", "-of", "AAIGrid", dir.File(tif), asc});
    EXPECT_EQ(run.status, 0) << run.err;
    std::istringstream in(testsupport::ReadBytes(asc));
    Grid grid;
    std::string word;
    while (in >> word) {
        if (std::isalpha(static_cast<unsigned char>(word[0])) != 0) {
            std::string value;
            in >> value;
            if (word != "NODATA_value")
                grid.header += word + ' ' + value + '\n';
        } else {
            grid.values.push_back(std::stod(word));
        }
    }
    return grid;
}

// A w x h GeoTIFF DEM of samples of type (float unless told) in srs (UTM 32N unless told) with
// cells of cell units from the south-west corner (west, south), -9999 as no data.
inline void WriteFloatDem(const testsupport::TempDir& dir, const std::string& name, int w, int h,
                          double cell, const std::function<double(int, int)>& height,
                          const std::string& type = "Float32",
                          const std::string& srs = "EPSG:32632", double west = 500000,
                          double south = 5200000) {
    std::ostringstream asc;
    asc.precision(17);
    asc << "ncols " << w << "\nnrows " << h << "\nxllcorner " << west << "\nyllcorner " << south
        << "\ncellsize " << cell << "\nNODATA_value -9999\n";
    for (int r = 0; r < h; ++r) {
        for (int c = 0; c < w; ++c)
            asc << height(r, c) << ' ';
        asc << '\n';
    }
    testsupport::WriteBytes(dir.File(name + ".asc"), asc.str());
    const auto run =
        testsupport::Run(QUILO_GDAL_TRANSLATE, {"-q", "-ot", type, "-a_srs", srs,
                                                dir.File(name + ".asc"), dir.File(name)});
    ASSERT_EQ(run.status, 0) << run.err;
}

#endif

} // namespace terraintest
