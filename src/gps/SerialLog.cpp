#include "gps/SerialLog.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Number.h"
#include "platform/FileIo.h"

namespace gps {

namespace {

// Past kTrimAbove bytes the oldest entries go, leaving about kKeepBytes.
constexpr std::size_t kTrimAbove = 256 * 1024;
constexpr std::size_t kKeepBytes = 128 * 1024;
// A log this large was not written by us; it is left alone rather than read.
constexpr std::size_t kMaxReadBytes = 16 * 1024 * 1024;

// Always two digits: a value that has no two-digit form is written as "00".
void AppendTwoDigits(std::string& out, int value) {
    base::AppendPadded(out, value >= 0 && value <= 99 ? value : 0, 2);
}

std::string ProgramFileName() {
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path);
    if (n > 0 && static_cast<std::size_t>(n) < sizeof path) {
        const std::string_view full(path, static_cast<std::size_t>(n));
        const auto slash = full.rfind('/');
        const std::string_view name =
            slash == std::string_view::npos ? full : full.substr(slash + 1);
        if (!name.empty())
            return std::string(name);
    }
    return "quilo";
}

// mkdir -p for the folders of the default path; the state folder is private to the user.
void MakeParentFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
            return;
    }
}

} // namespace

std::string ConfigErrorMessage(int errorCode) {
    return "IGNORING ERROR: Failed to set options on COM port with err " +
           base::FormatPadded(errorCode, 0);
}

std::string FormatLogEntry(const std::tm& localTime, std::string_view message) {
    std::string entry;
    entry.reserve(message.size() + 10);
    AppendTwoDigits(entry, localTime.tm_hour);
    entry += ':';
    AppendTwoDigits(entry, localTime.tm_min);
    entry += ':';
    AppendTwoDigits(entry, localTime.tm_sec); // a leap second prints as 60
    entry += ' ';
    entry += message;
    entry += '\n';
    return entry;
}

std::string DefaultSerialLogPath() {
    std::string stateDir;
    const char* xdg = std::getenv("XDG_STATE_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        stateDir = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] != '/')
            return {};
        stateDir = std::string(home) + "/.local/state";
    }
    return stateDir + "/quilo/" + ProgramFileName() + ".log";
}

SerialLog::SerialLog(std::string path) : path_(std::move(path)), defaultPath_(path_.empty()) {}

platform::FileResult SerialLog::Write(std::string_view message) {
    std::lock_guard lock(mutex_);
    if (defaultPath_) {
        if (path_.empty())
            path_ = DefaultSerialLogPath();
        if (path_.empty())
            return {false, "no folder for the log: neither XDG_STATE_HOME nor HOME is set"};
        MakeParentFolders(path_);
    }

    std::string content;
    struct stat info {};
    if (::stat(path_.c_str(), &info) == 0) {
        // An unreadable log is not replaced by one holding only the new entry.
        if (auto read = platform::ReadWholeFile(path_, content, kMaxReadBytes); !read)
            return read;
    } else if (errno != ENOENT) {
        return platform::FileResult::Failure(path_, errno);
    }
    if (content.size() > kTrimAbove) {
        std::size_t cut = content.size() - kKeepBytes;
        const auto newline = content.find('\n', cut);
        cut = newline == std::string::npos ? content.size() : newline + 1;
        content.erase(0, cut);
    }

    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&now, &local) == nullptr)
        local = std::tm{};
    content += FormatLogEntry(local, message);
    return platform::WriteFileAtomically(path_, content);
}

} // namespace gps
