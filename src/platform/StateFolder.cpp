#include "platform/StateFolder.h"

#include <cerrno>
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

bool MakeFolders(const std::string& path, int* err) {
    int reason = 0;
    std::string prefix;
    std::size_t at = 0;
    while (!path.empty() && at != std::string::npos) {
        at = path.find('/', at + 1);
        prefix = path.substr(0, at);
        // An existing folder is fine; checked below.
        if (!prefix.empty() && ::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST && reason == 0)
            reason = errno;
    }
    std::error_code error;
    if (!path.empty() && std::filesystem::is_directory(path, error))
        return true;
    if (err)
        *err = path.empty() ? ENOENT : reason != 0 ? reason : ENOTDIR;
    return false;
}

} // namespace platform
