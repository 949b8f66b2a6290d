#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace platform {

// What a JPEG file's header says.
struct JpegInfo {
    int width = 0;
    int height = 0;
    int components = 0;       // 1 grey, 3 colour, 4 CMYK
    bool progressive = false; // all its data must be held before the first row comes out
};

// How a read or a decode ended.
struct JpegOutcome {
    bool ok = false;        // every row was delivered (the sink may still have stopped it)
    bool stopped = false;   // the sink returned false; nothing more was read
    bool endsEarly = false; // the data ran out: the rows below the cut are grey
    bool damaged = false;   // corrupt data was skipped: part of the image may be wrong
    std::string error;      // plain English, without the path, when neither ok nor stopped
};

// Gets row y (0 at the top) of the output: width opaque 0xFFRRGGBB words. False stops the
// decode at once.
using JpegRowSink = std::function<bool(int y, const std::uint32_t* row)>;

// Output side at 1/scale of side: the decoder rounds up.
constexpr int JpegScaledSide(int side, int scale) {
    return (side + scale - 1) / scale;
}

// The decoders read the open file fd with pread, never through its offset, so the caller
// may read it as well; fd is a regular file (OpenRegularFile), which the caller keeps open
// and decodes once or many times: whatever the path names meanwhile, the file is the same.

// Whether the file starts as JPEG files do.
bool IsJpegFile(int fd);

// Reads the header of the JPEG file fd.
JpegOutcome ReadJpegInfo(int fd, JpegInfo* info);

// Decodes the JPEG file fd at 1/scale (scale 1, 2, 4 or 8; the small scales skip most of
// the work) row by row into sink; only a few rows are held at a time, so images far beyond
// what fits in memory twice decode. expected is what ReadJpegInfo gave: a file that changed
// since is refused. maxMemory (0: no bound) bounds the decoder's own working memory, which a
// progressive file fills with all of its coefficients; beyond it the decode fails cleanly.
JpegOutcome DecodeJpeg(int fd, int scale, const JpegInfo& expected, const JpegRowSink& sink,
                       std::size_t maxMemory = 0);

} // namespace platform
