#pragma once

#include <string>

namespace platform {

// An exclusive lock on a file, the way one program tells another that it is the one writing
// the file: a whole-file flock(2), held while the lock, or the descriptor it hands over, stays
// open, and dropped by the kernel when the program ends in any way (kill -9 included). It binds
// only programs that ask for it; it keeps no other writer out.
//
//     FileLock lock;
//     switch (lock.Take(path)) {
//     case FileLock::Status::Busy: ...      // another program holds it; the file is untouched
//     case FileLock::Status::Failed: ...    // lock.Errno() says why
//     case FileLock::Status::Locked: fd = lock.Release(); ...
//     }
class FileLock {
public:
    enum class Status { Locked, Busy, Failed };

    FileLock() = default;
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Opens the regular file at path for reading and writing, creating it empty when missing
    // (never through a symbolic link), and takes the lock without waiting. When the file is
    // renamed or replaced while the lock is being taken, the lock is taken again on the file
    // now at path, so the lock held is always that of the file the path names at that moment.
    // Busy: another open file holds the lock; nothing was written. Failed: Errno() says why
    // (EINVAL for something that is not a regular file).
    Status Take(const std::string& path);
    [[nodiscard]] bool Held() const { return fd_ >= 0; }
    [[nodiscard]] int Errno() const { return errno_; }
    // Hands the open, locked descriptor over (-1 when none is held); the lock goes with it and
    // ends when the new owner closes it.
    int Release();

private:
    void Drop();

    int fd_ = -1;
    int errno_ = 0;
};

} // namespace platform
