#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Result of a file operation: ok, or a message naming the path and the system's reason.
struct FileResult {
    bool ok = true;
    std::string error; // e.g. "/maps/a.mcd: No space left on device"

    explicit operator bool() const { return ok; }
    static FileResult Failure(const std::string& path, int err);
};

// Writes bytes to a temporary file beside path, flushes it to the device, then renames it over
// path. On any failure the temporary file is removed and the file at path is left as it was,
// so a full disk, a crash or a pulled card never leaves a truncated file behind.
FileResult WriteFileAtomically(const std::string& path, std::string_view bytes);

// Reads a whole regular file into out. Refuses files larger than maxBytes (a hostile or
// mistaken file must not be able to claim all memory); out is untouched on failure.
FileResult ReadWholeFile(const std::string& path, std::string& out,
                         std::size_t maxBytes = std::size_t{256} << 20);

} // namespace platform
