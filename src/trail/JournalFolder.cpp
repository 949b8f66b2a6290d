#include "trail/JournalFolder.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

#include "platform/FileIo.h"

namespace trail {

std::string CurrentJournalPath(const std::string& folder) {
    return folder + "/trail.qjr";
}

std::string KeptJournalPath(const std::string& current, int n) {
    const auto slash = current.rfind('/');
    const auto dot = current.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string stem = hasExtension ? current.substr(0, dot) : current;
    const std::string extension = hasExtension ? current.substr(dot) : ".qjr";
    return stem + "." + std::to_string(n) + extension;
}

bool RotateJournals(const std::string& current, std::string& error) {
    if (::access(current.c_str(), F_OK) != 0)
        return true;
    const std::string oldest = KeptJournalPath(current, kKeptJournals);
    if (std::remove(oldest.c_str()) != 0 && errno != ENOENT) {
        error = platform::FileResult::Failure(oldest, errno).error;
        return false;
    }
    for (int n = kKeptJournals - 1; n >= 0; --n) {
        const std::string from = n == 0 ? current : KeptJournalPath(current, n);
        if (std::rename(from.c_str(), KeptJournalPath(current, n + 1).c_str()) != 0 &&
            errno != ENOENT) {
            error = platform::FileResult::Failure(from, errno).error;
            return false;
        }
    }
    return true;
}

} // namespace trail
