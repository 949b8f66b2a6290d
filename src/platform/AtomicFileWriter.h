#pragma once

#include <string>
#include <string_view>

#include "platform/FileIo.h"

namespace platform {

// The streaming form of WriteFileAtomically, for output too large to build in memory (a KML
// document converted from a long NMEA log): bytes go to a temporary file beside the target,
// and only Commit() flushes it to the device and renames it over the target. Destroying the
// writer without a successful Commit() removes the temporary file, so the target is either the
// complete new file or left exactly as it was.
//
// The save behaves as writing the file in place would: a path that is a symbolic link writes
// the file the link leads to, a file the user may not write is refused (EACCES), and the new
// file keeps the permission bits, owner and group of the one it replaces. A file of the
// program's own (FileOwner::Program) is replaced at its name instead, link or not, and keeps
// nothing of what it replaces.
//
//     AtomicFileWriter out(path);
//     out.Append(chunk); ...            // errors are remembered, later appends do nothing
//     FileResult result = out.Commit(); // "path: reason" on any failure
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string path, FileOwner owner = FileOwner::User);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // False once anything failed (including creating the temporary file).
    [[nodiscard]] bool ok() const { return error_ == 0; }
    void Append(std::string_view bytes);
    // Finishes the file; the writer accepts nothing afterwards.
    [[nodiscard]] FileResult Commit();
    // Removes the temporary file now; the target is untouched.
    void Abandon();

private:
    std::string path_;   // as given; failures name it
    std::string target_; // path_ with its symbolic links followed
    std::string temp_;
    FileOwner owner_;
    int fd_ = -1;
    int error_ = 0;
};

} // namespace platform
