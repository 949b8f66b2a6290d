#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "calib/MapPos.h"
#include "trail/TrailBuffer.h"

// A fresh directory under the system's temporary directory, removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quilo-trail-XXXXXX");
        if (::mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] std::string File(const std::string& name) const { return path_ / name; }
    [[nodiscard]] const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The trail's samples, newest first.
inline std::vector<MapPos> SamplesOf(const trail::TrailBuffer& trail) {
    const auto walk = trail.NewestToOldest();
    return {walk.begin(), walk.end()};
}

inline bool HaveXmllint() {
    return std::system("command -v xmllint >/dev/null 2>&1") == 0;
}

// True when xmllint parses the file as well-formed XML.
inline bool XmllintAccepts(const std::string& path) {
    const std::string command = "xmllint --noout '" + path + "' 2>/dev/null";
    return std::system(command.c_str()) == 0;
}
