#include "platform/StateFolder.h"

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace platform {

std::string StateFolder() {
    const char* xdg = std::getenv("XDG_STATE_HOME");
    if (xdg != nullptr && xdg[0] == '/')
        return std::string(xdg) + "/quilo";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/')
        return {};
    return std::string(home) + "/.local/state/quilo";
}

bool MakeFolders(const std::string& path) {
    if (path.empty())
        return false;
    std::string prefix;
    std::size_t at = 0;
    while (at != std::string::npos) {
        at = path.find('/', at + 1);
        prefix = path.substr(0, at);
        if (!prefix.empty())
            ::mkdir(prefix.c_str(), 0700); // an existing folder is fine; checked below
    }
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

} // namespace platform
