#include "platform/AtomicFileWriter.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

AtomicFileWriter::AtomicFileWriter(std::string path) : path_(std::move(path)) {
    // Created with 0666 so the kernel applies the umask itself: asking for the umask would
    // mean changing it, which races with other threads creating files.
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[40];
        std::snprintf(suffix, sizeof suffix, ".%ld.%u.%08x~", static_cast<long>(::getpid()),
                      counter.fetch_add(1), random());
        temp_ = path_ + suffix;
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0 || errno != EEXIST)
            break;
    }
    if (fd_ < 0) {
        error_ = errno;
        temp_.clear();
    }
}

AtomicFileWriter::~AtomicFileWriter() {
    Abandon();
}

void AtomicFileWriter::Abandon() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temp_.empty())
        ::unlink(temp_.c_str());
    temp_.clear();
    if (error_ == 0)
        error_ = ECANCELED;
}

void AtomicFileWriter::Append(std::string_view bytes) {
    if (error_ != 0 || fd_ < 0)
        return;
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error_ = errno;
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

FileResult AtomicFileWriter::Commit() {
    if (error_ != 0 || fd_ < 0) {
        const int err = error_ != 0 ? error_ : EBADF;
        Abandon();
        return FileResult::Failure(path_, err);
    }
    // Keep the permissions of the file we replace; a new file keeps 0666 less the umask.
    struct stat old {};
    const bool replacing = ::stat(path_.c_str(), &old) == 0;
    int err = 0;
    if ((replacing && ::fchmod(fd_, old.st_mode & 07777) != 0) || ::fsync(fd_) != 0)
        err = errno;
    if (::close(fd_) != 0 && err == 0)
        err = errno;
    fd_ = -1;
    if (err == 0 && ::rename(temp_.c_str(), path_.c_str()) != 0)
        err = errno;
    if (err != 0) {
        error_ = err;
        Abandon();
        return FileResult::Failure(path_, err);
    }
    temp_.clear();
    error_ = ECANCELED; // nothing more may be appended
    const int dir = ::open(DirectoryOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

} // namespace platform
