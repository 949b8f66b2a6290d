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
    return FileResult{false, path + ": " + std::strerror(err)};
}

FileResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
    AtomicFileWriter out(path);
    out.Append(bytes);
    return out.Commit();
}

FileResult ReadWholeFile(const std::string& path, std::string& out, std::size_t maxBytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return FileResult::Failure(path, errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        return FileResult::Failure(path, err);
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        return FileResult::Failure(path, EISDIR);
    }
    std::string data;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            return FileResult::Failure(path, err);
        }
        if (n == 0)
            break;
        if (data.size() + static_cast<std::size_t>(n) > maxBytes) {
            ::close(fd);
            return FileResult::Failure(path, EFBIG);
        }
        data.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    out = std::move(data);
    return {};
}

} // namespace platform
