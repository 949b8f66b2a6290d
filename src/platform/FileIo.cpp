#include "platform/FileIo.h"

#include "platform/AtomicFileWriter.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

FileResult FileResult::Failure(const std::string& path, int err) {
    return FileResult{false, path + ": " + ErrorText(err)};
}

std::string ErrorText(int err) {
    return err == kNotRegularFile ? "not a regular file" : std::strerror(err);
}

UniqueFd OpenRegularFile(const std::string& path, int* err) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat st {};
    if (!fd.Valid() || ::fstat(fd.Get(), &st) != 0) {
        *err = errno;
        return {};
    }
    if (!S_ISREG(st.st_mode)) {
        *err = S_ISDIR(st.st_mode) ? EISDIR : kNotRegularFile;
        return {};
    }
    return fd;
}

FileResult WriteFileAtomically(const std::string& path, std::string_view bytes, FileOwner owner) {
    AtomicFileWriter out(path, owner);
    out.Append(bytes);
    return out.Commit();
}

namespace {

// Reads the whole file into out; 0, or the errno of the failure (out untouched then).
int ReadAll(const std::string& path, std::string& out, std::size_t maxBytes) {
    int err = 0;
    const UniqueFd fd = OpenRegularFile(path, &err);
    if (!fd.Valid())
        return err;
    std::string data;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            break;
        if (data.size() + static_cast<std::size_t>(n) > maxBytes)
            return EFBIG;
        data.append(buffer, static_cast<std::size_t>(n));
    }
    out = std::move(data);
    return 0;
}

} // namespace

FileResult ReadWholeFile(const std::string& path, std::string& out, std::size_t maxBytes) {
    const int err = ReadAll(path, out, maxBytes);
    return err == 0 ? FileResult{} : FileResult::Failure(path, err);
}

LoadResult ReadFileToLoad(const std::string& path, std::string& out, std::size_t maxBytes) {
    const int err = ReadAll(path, out, maxBytes);
    if (err == 0)
        return {};
    const LoadStatus status =
        err == ENOENT || err == ENOTDIR ? LoadStatus::Missing : LoadStatus::Unreadable;
    return {status, FileResult::Failure(path, err).error};
}

} // namespace platform
