#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace platform {

// length bytes of the open file fd from offset (a multiple of the page size) mapped shared,
// writable or read-only; null with *err set when the mapping cannot be had. The mapping lives
// as long as the last copy of the pointer, closing fd does not end it, and its pages are the
// file's page cache: only the ones touched count towards the process's resident memory.
// Should someone else cut the file short while it is mapped, the pages past its new end read
// as zeros (and take writes into memory of their own) instead of raising SIGBUS, which would
// end the program: the first mapping installs a SIGBUS handler for that, passing any other
// bus error on to what was there before. At most 256 mappings live at once (ENOMEM beyond).
std::shared_ptr<std::byte[]> MapFileRegion(int fd, std::uint64_t offset, std::size_t length,
                                           bool writable, int* err);

// The page size mappings are aligned to.
std::size_t PageSize();

// An open file descriptor, closed with its owner.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() { Reset(); }
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.Release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) {
            Reset();
            fd_ = other.Release();
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    [[nodiscard]] int Get() const { return fd_; }
    [[nodiscard]] bool Valid() const { return fd_ >= 0; }
    int Release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    void Reset();

private:
    int fd_ = -1;
};

} // namespace platform
