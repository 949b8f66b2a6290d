#pragma once

#include <ctime>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/FileIo.h"

// The log of serial-line configuration failures: one line per entry, "HH:MM:SS message" in
// local time. It is the program's only log and gets an entry only when a port refused its
// settings, so it stays tiny; still, it is trimmed to its newest part past a few hundred KiB.
namespace gps {

// "IGNORING ERROR: Failed to set options on COM port with err <errorCode>".
std::string ConfigErrorMessage(int errorCode);

// "HH:MM:SS " + message + "\n", each field two digits: "14:03:59 IGNORING ERROR: ...".
std::string FormatLogEntry(const std::tm& localTime, std::string_view message);

// <state dir>/quilo/<program file name>.log, the state dir being $XDG_STATE_HOME when it is an
// absolute path, else $HOME/.local/state: quilo logs to ~/.local/state/quilo/quilo.log,
// quilo-tool to quilo-tool.log beside it. "" when neither variable gives a directory.
std::string DefaultSerialLogPath();

class SerialLog {
public:
    // path: where the entries go; "" means DefaultSerialLogPath(), whose folders are created
    // on the first entry.
    explicit SerialLog(std::string path = {});

    // Appends one entry stamped with the current local time. The file is replaced atomically
    // with its old content plus the entry, so every entry is on disk when this returns and a
    // crash never leaves a torn line. Fails, naming the path and the reason, when the entry could
    // not be written (it is then lost; the next entry tries again).
    platform::FileResult Write(std::string_view message);

    const std::string& Path() const { return path_; }

private:
    std::string path_;
    bool defaultPath_;
    std::mutex mutex_;
};

} // namespace gps
