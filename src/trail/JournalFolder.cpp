#include "trail/JournalFolder.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

#include "platform/FileIo.h"

namespace trail {

std::string CurrentJournalPath(const std::string& folder) {
    return folder + "/trail.qjr";
}

std::string KeptJournalPath(const std::string& folder, int n) {
    return folder + "/trail." + std::to_string(n) + ".qjr";
}

bool RotateJournals(const std::string& folder, std::string& error) {
    const std::string current = CurrentJournalPath(folder);
    if (::access(current.c_str(), F_OK) != 0)
        return true;
    const std::string oldest = KeptJournalPath(folder, kKeptJournals);
    if (std::remove(oldest.c_str()) != 0 && errno != ENOENT) {
        error = platform::FileResult::Failure(oldest, errno).error;
        return false;
    }
    for (int n = kKeptJournals - 1; n >= 0; --n) {
        const std::string from = n == 0 ? current : KeptJournalPath(folder, n);
        if (std::rename(from.c_str(), KeptJournalPath(folder, n + 1).c_str()) != 0 &&
            errno != ENOENT) {
            error = platform::FileResult::Failure(from, errno).error;
            return false;
        }
    }
    return true;
}

} // namespace trail
