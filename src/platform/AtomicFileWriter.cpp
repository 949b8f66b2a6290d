#include "platform/AtomicFileWriter.h"

#include <atomic>
#include <cerrno>
#include <climits>
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

// The file a save to path really writes: the end of its chain of symbolic links (relative
// targets are relative to the link's folder), so the links stay links. A dangling link names
// the file to create. 0, or the errno (ELOOP for a cycle).
int FollowLinks(const std::string& path, std::string& target) {
    target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return 0; // a missing file is created; any other error shows when it is written
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n < 0)
            return errno;
        if (static_cast<std::size_t>(n) >= link.size())
            return ENAMETOOLONG;
        if (n == 0)
            return ENOENT;
        link.resize(static_cast<std::size_t>(n));
        target = link.front() == '/' ? link : DirectoryOf(target) + '/' + link;
    }
    return ELOOP;
}

} // namespace

AtomicFileWriter::AtomicFileWriter(std::string path, FileOwner owner)
    : path_(std::move(path)), owner_(owner) {
    if (owner_ == FileOwner::Program)
        target_ = path_;
    else
        error_ = FollowLinks(path_, target_);
    // A rename ignores the permission bits of the file it replaces: a file the user has made
    // read-only must refuse the save as a direct write would.
    if (error_ == 0 && owner_ == FileOwner::User &&
        ::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT)
        error_ = errno;
    if (error_ != 0)
        return;

    // A short name of our own, so a target name near the file system's limit still leaves
    // room for it. Created with 0666 so the kernel applies the umask itself: asking for the
    // umask would mean changing it, which races with other threads creating files.
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    const std::string folder = DirectoryOf(target_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[48];
        std::snprintf(name, sizeof name, "/.quilo-%ld-%u-%08x~", static_cast<long>(::getpid()),
                      counter.fetch_add(1), random());
        temp_ = folder + name;
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
    // The replacement keeps the owner and group of the old file where we may give them
    // (the owner only as root, a group only one we belong to), then its permission bits;
    // chown first, as it clears the set-id bits. A new file keeps 0666 less the umask.
    struct stat old {};
    const bool replacing = owner_ == FileOwner::User && ::stat(target_.c_str(), &old) == 0;
    if (replacing && ::fchown(fd_, old.st_uid, old.st_gid) != 0)
        (void)::fchown(fd_, static_cast<uid_t>(-1), old.st_gid);
    int err = 0;
    if ((replacing && ::fchmod(fd_, old.st_mode & 07777) != 0) || ::fsync(fd_) != 0)
        err = errno;
    if (::close(fd_) != 0 && err == 0)
        err = errno;
    fd_ = -1;
    if (err == 0 && ::rename(temp_.c_str(), target_.c_str()) != 0)
        err = errno;
    if (err != 0) {
        error_ = err;
        Abandon();
        return FileResult::Failure(path_, err);
    }
    temp_.clear();
    error_ = ECANCELED; // nothing more may be appended
    const int dir = ::open(DirectoryOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

} // namespace platform
