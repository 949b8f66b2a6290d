#include "platform/MappedFile.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <mutex>
#include <sys/mman.h>
#include <unistd.h>

namespace platform {

namespace {

// A mapping whose file someone else may cut short (a cache cleaner, a user's "> file"). Reading
// a page past the new end raises SIGBUS; for these ranges the handler puts a page of zeros in
// its place instead, so the access goes on and the part that was cut reads as black. The
// table is read without a lock, as a signal handler must: a slot is taken by setting begin,
// valid once end is set, and given back by clearing end, then begin.
struct GuardedRange {
    std::atomic<std::uintptr_t> begin{0};
    std::atomic<std::uintptr_t> end{0};
    std::atomic<int> protection{0};
};

constexpr std::size_t kMaxGuarded = 256;
GuardedRange guarded[kMaxGuarded];
std::uintptr_t pageMask = 0; // set before the handler is installed
struct sigaction previousAction {};

void PassOn(int signal, siginfo_t* info, void* context) {
    if ((previousAction.sa_flags & SA_SIGINFO) != 0 && previousAction.sa_sigaction != nullptr) {
        previousAction.sa_sigaction(signal, info, context);
    } else if (previousAction.sa_handler != SIG_DFL && previousAction.sa_handler != SIG_IGN) {
        previousAction.sa_handler(signal);
    } else {
        // The fault repeats on return and ends the process, as it would have without us.
        struct sigaction fallback {};
        fallback.sa_handler = SIG_DFL;
        ::sigaction(SIGBUS, &fallback, nullptr);
    }
}

void OnBusError(int signal, siginfo_t* info, void* context) {
    const int savedErrno = errno;
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    if (info->si_code == BUS_ADRERR) {
        for (const GuardedRange& range : guarded) {
            const std::uintptr_t begin = range.begin.load(std::memory_order_acquire);
            if (begin == 0 || address < begin ||
                address >= range.end.load(std::memory_order_acquire))
                continue;
            // mmap is a plain system call on Linux, safe here though POSIX does not list it.
            void* page = reinterpret_cast<void*>(address & pageMask);
            if (::mmap(page, ~pageMask + 1, range.protection.load(std::memory_order_relaxed),
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) != MAP_FAILED) {
                errno = savedErrno;
                return;
            }
            break;
        }
    }
    PassOn(signal, info, context);
    errno = savedErrno;
}

void InstallGuard() {
    pageMask = ~static_cast<std::uintptr_t>(PageSize() - 1);
    struct sigaction action {};
    action.sa_sigaction = OnBusError;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, &previousAction);
}

// The slot now guarding [begin, begin + length); null when every slot is taken.
GuardedRange* Guard(std::byte* begin, std::size_t length, int protection) {
    static std::once_flag installed;
    std::call_once(installed, InstallGuard);
    const auto start = reinterpret_cast<std::uintptr_t>(begin);
    for (GuardedRange& range : guarded) {
        std::uintptr_t free = 0;
        if (!range.begin.compare_exchange_strong(free, start, std::memory_order_acq_rel))
            continue;
        range.protection.store(protection, std::memory_order_relaxed);
        range.end.store(start + length, std::memory_order_release);
        return &range;
    }
    return nullptr;
}

void Unguard(GuardedRange* range) {
    range->end.store(0, std::memory_order_release);
    range->begin.store(0, std::memory_order_release);
}

} // namespace

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
    auto* bytes = static_cast<std::byte*>(address);
    GuardedRange* range = Guard(bytes, length, protection);
    if (range == nullptr) {
        ::munmap(address, length);
        *err = ENOMEM;
        return nullptr;
    }
    return std::shared_ptr<std::byte[]>(bytes, [length, range](std::byte* p) {
        Unguard(range);
        ::munmap(p, length);
    });
}

std::size_t PageSize() {
    static const std::size_t size = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    return size;
}

void UniqueFd::Reset() {
    // close() may report EINTR after the descriptor is already gone on Linux: never retry.
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace platform
