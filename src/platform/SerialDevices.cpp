#include "platform/SerialDevices.h"

#include "base/Text.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
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

// The first line of a small sysfs attribute file, trimmed; "" when there is none.
std::string ReadAttribute(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return std::string(base::Trim(line, " \t\r"));
}

} // namespace

std::string SerialDeviceDescription(const std::string& device, const std::string& root) {
    std::error_code ec;
    const fs::path base(root);
    const fs::path node = fs::canonical(base / fs::path(device).relative_path(), ec);
    if (ec)
        return {};
    // The tty's device links into the USB tree; its interface's parent carries the strings.
    fs::path dir = fs::canonical(base / "sys/class/tty" / node.filename() / "device", ec);
    for (int up = 0; !ec && up < 4 && dir.has_relative_path(); ++up, dir = dir.parent_path()) {
        const std::string product = ReadAttribute(dir / "product");
        if (product.empty())
            continue;
        const std::string maker = ReadAttribute(dir / "manufacturer");
        return maker.empty() ? product : maker + " " + product;
    }
    return {};
}

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
