#include "platform/AtomicFileWriter.h"

#include <cerrno>
#include <fcntl.h>
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

AtomicFileWriter::AtomicFileWriter(std::string path) : path_(std::move(path)), temp_(path_) {
    temp_ += ".XXXXXX";
    fd_ = ::mkstemp(temp_.data());
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
    // Keep the permissions of the file we replace; new files get the usual 0666 & ~umask.
    struct stat old {};
    mode_t mode = 0;
    if (::stat(path_.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    int err = 0;
    if (::fchmod(fd_, mode) != 0 || ::fsync(fd_) != 0)
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
