// One input is a map's JPEG file. Its header is read; a small enough image is decoded at full
// size and at 1/8. A decode that ends well delivered every row once, top down, each of the
// scaled width and opaque; one that fails says why. The rest (no hang, no read or write out of
// bounds, no exit) the sanitizers and libFuzzer watch.
#include "FuzzCheck.h"
#include "platform/JpegDecoder.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>

namespace {

using fuzz::Check;

void DecodeAt(int fd, const platform::JpegInfo& info, int scale) {
    const int width = platform::JpegScaledSide(info.width, scale);
    const int height = platform::JpegScaledSide(info.height, scale);
    int next = 0;
    const platform::JpegOutcome outcome =
        platform::DecodeJpeg(fd, scale, info, [&](int y, const std::uint32_t* row) {
            Check(y == next++);
            for (int x = 0; x < width; ++x)
                Check(row[x] >> 24 == 0xFF);
            return true;
        });
    Check(!outcome.stopped);
    Check(outcome.ok ? next == height && outcome.error.empty() : !outcome.error.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The decoder reads files: the input becomes one in memory.
    const int fd = ::memfd_create("jpeg", MFD_CLOEXEC);
    if (fd < 0 || ::write(fd, data, size) != static_cast<ssize_t>(size)) {
        if (fd >= 0)
            ::close(fd);
        return 0;
    }
    platform::JpegInfo info;
    const platform::JpegOutcome header = platform::ReadJpegInfo(fd, &info);
    Check(header.ok ? info.width > 0 && info.height > 0 : !header.error.empty());
    // Millions of grey rows from a few bytes teach the fuzzer nothing new.
    if (header.ok && static_cast<long long>(info.width) * info.height <= (1 << 20)) {
        DecodeAt(fd, info, 1);
        DecodeAt(fd, info, 8);
    }
    ::close(fd);
    return 0;
}
