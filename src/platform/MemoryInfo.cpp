#include "platform/MemoryInfo.h"

#include <charconv>
#include <fstream>
#include <string>

namespace platform {

std::optional<std::size_t> AvailableMemoryBytes() {
    std::ifstream meminfo("/proc/meminfo");
    const std::string key = "MemAvailable:";
    std::string line;
    while (std::getline(meminfo, line)) {
        if (line.compare(0, key.size(), key) != 0)
            continue;
        const std::size_t digits = line.find_first_of("0123456789");
        std::size_t kib = 0;
        if (digits == std::string::npos ||
            std::from_chars(line.data() + digits, line.data() + line.size(), kib).ec != std::errc())
            return std::nullopt;
        return kib * 1024; // the kernel counts in kB
    }
    return std::nullopt;
}

} // namespace platform
