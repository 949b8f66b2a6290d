#include "platform/FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace platform {

namespace {

// A rename between the open and the lock sends us round once more; more rounds than this mean
// another program renames the file over and over, which is no state to write in.
constexpr int kRounds = 8;

} // namespace

FileLock::~FileLock() {
    Drop();
}

FileLock::FileLock(FileLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), errno_(other.errno_) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        Drop();
        fd_ = std::exchange(other.fd_, -1);
        errno_ = other.errno_;
    }
    return *this;
}

void FileLock::Drop() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

int FileLock::Release() {
    return std::exchange(fd_, -1);
}

FileLock::Status FileLock::Take(const std::string& path) {
    Drop();
    errno_ = 0;
    for (int round = 0; round < kRounds; ++round) {
        // O_NONBLOCK: a FIFO at the path must not hang the open; it is refused below.
        const int fd = ::open(
            path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK, 0600);
        if (fd < 0) {
            errno_ = errno;
            return Status::Failed;
        }
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            errno_ = S_ISREG(opened.st_mode) || opened.st_mode == 0 ? errno : EINVAL;
            ::close(fd);
            return Status::Failed;
        }
        int locked = 0;
        do
            locked = ::flock(fd, LOCK_EX | LOCK_NB);
        while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            const int err = errno;
            ::close(fd);
            if (err == EWOULDBLOCK)
                return Status::Busy;
            errno_ = err;
            return Status::Failed;
        }
        struct stat named {};
        if (::lstat(path.c_str(), &named) == 0 && named.st_dev == opened.st_dev &&
            named.st_ino == opened.st_ino) {
            fd_ = fd;
            return Status::Locked;
        }
        // The file we locked was set aside (or removed) meanwhile: the one at path now counts.
        ::close(fd);
    }
    errno_ = EAGAIN;
    return Status::Failed;
}

} // namespace platform
