#include "platform/FileIo.h"

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

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

FileResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return FileResult::Failure(path, errno);

    // Keep the permissions of the file we replace; new files get the usual 0666 & ~umask.
    struct stat old {};
    mode_t mode = 0;
    if (::stat(path.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    int err = 0;
    if (!WriteAll(fd, bytes) || ::fchmod(fd, mode) != 0 || ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && ::rename(temp.c_str(), path.c_str()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        return FileResult::Failure(path, err);
    }
    // Make the rename itself durable; failing here does not undo a complete write.
    const int dir = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
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
