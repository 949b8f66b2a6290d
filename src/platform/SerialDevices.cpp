#include "platform/SerialDevices.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace platform {

namespace {

namespace fs = std::filesystem;

// Names in dir that start with prefix, sorted naturally enough for ttyUSB0..ttyUSB10.
std::vector<std::string> Matching(const fs::path& dir, std::string_view prefix) {
    std::vector<std::string> found;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with(prefix))
            found.push_back(it->path().string());
    }
    std::sort(found.begin(), found.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return found;
}

} // namespace

std::vector<std::string> ListSerialDevices(const std::string& root) {
    const fs::path base(root);
    std::vector<std::string> devices = Matching(base / "dev/serial/by-id", "");
    for (std::string_view prefix : {"ttyUSB", "ttyACM", "ttyS"}) {
        auto more = Matching(base / "dev", prefix);
        devices.insert(devices.end(), more.begin(), more.end());
    }
    return devices;
}

} // namespace platform
