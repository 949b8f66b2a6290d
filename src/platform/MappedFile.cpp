#include "platform/MappedFile.h"

#include <cerrno>
#include <sys/mman.h>
#include <unistd.h>

namespace platform {

std::shared_ptr<std::byte[]> MapFileRegion(int fd, std::uint64_t offset, std::size_t length,
                                           bool writable, int* err) {
    if (length == 0 || offset % PageSize() != 0) {
        *err = EINVAL;
        return nullptr;
    }
    const int protection = writable ? PROT_READ | PROT_WRITE : PROT_READ;
    void* address = ::mmap(nullptr, length, protection, MAP_SHARED, fd, static_cast<off_t>(offset));
    if (address == MAP_FAILED) {
        *err = errno;
        return nullptr;
    }
    return std::shared_ptr<std::byte[]>(static_cast<std::byte*>(address),
                                        [length](std::byte* p) { ::munmap(p, length); });
}

std::size_t PageSize() {
    static const std::size_t size = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    return size;
}

void UniqueFd::Reset() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace platform
