#pragma once

#include "platform/MappedFile.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace platform {

// Result of a file operation: ok, or a message naming the path and the system's reason.
struct [[nodiscard]] FileResult {
    bool ok = true;
    std::string error; // e.g. "/maps/a.mcd: No space left on device"

    explicit operator bool() const { return ok; }
    // "PATH: REASON", the reason from ErrorText.
    static FileResult Failure(const std::string& path, int err);
};

// The failure code for a path that names a FIFO, a device or a socket where a file is read
// whole: no errno says that plainly.
inline constexpr int kNotRegularFile = -1;

// The system's words for an errno value, or "not a regular file" for kNotRegularFile.
std::string ErrorText(int err);

// Opens path for reading when it is a regular file (after symbolic links). A FIFO, a device or
// a socket is refused with kNotRegularFile in *err, a folder with EISDIR, without waiting:
// the open does not block on a FIFO that has no writer, and /dev/zero is never read.
UniqueFd OpenRegularFile(const std::string& path, int* err);

// How loading a file ended. Every loader of the program (calibration, points, trail) answers
// with this, so a caller decides once what is a warning, an error or nothing to say.
enum class LoadStatus {
    Loaded,     // the file was read and taken
    Missing,    // no file at the path; what it would fill is unchanged
    Unreadable, // the file exists but could not be read; unchanged
    Damaged,    // the bytes are not such a file (truncated or malformed); unchanged
};

struct [[nodiscard]] LoadResult {
    LoadStatus status = LoadStatus::Loaded;
    // When not Loaded: one line for the user naming the path and the reason, e.g.
    // "/maps/town.pts: damaged points file (schema 2 at byte 4)".
    std::string error;

    explicit operator bool() const { return status == LoadStatus::Loaded; }
    static LoadResult Damaged(std::string error) { return {LoadStatus::Damaged, std::move(error)}; }
};

// Whose file a save replaces. The user's is saved as an edit in place would save it: through a
// symbolic link to the file it leads to, keeping its permission bits. The program's own (the
// folder index in the cache) is replaced whatever stands at its name: a link planted there is
// replaced itself, and the file it leads to is never written.
enum class FileOwner { User, Program };

// Writes bytes to a temporary file beside path, flushes it to the device, then renames it over
// path. On any failure the temporary file is removed and the file at path is left as it was,
// so a full disk, a crash or a pulled card never leaves a truncated file behind.
FileResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                               FileOwner owner = FileOwner::User);

// Reads a whole regular file into out (others are refused, as OpenRegularFile refuses them).
// Refuses files larger than maxBytes (a hostile or
// mistaken file must not be able to claim all memory); out is untouched on failure.
FileResult ReadWholeFile(const std::string& path, std::string& out,
                         std::size_t maxBytes = std::size_t{256} << 20);

// ReadWholeFile for a loader: Missing when there is no file at path (nor a folder on the way
// to it), Unreadable for any other failure, Loaded with the bytes in out.
LoadResult ReadFileToLoad(const std::string& path, std::string& out,
                          std::size_t maxBytes = std::size_t{256} << 20);

} // namespace platform
