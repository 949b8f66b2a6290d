#include "Subprocess.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <unistd.h>

namespace testsupport {

std::string MakeTempDir() {
    std::string pattern = testing::TempDir() + "quilo-gps-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        ADD_FAILURE() << "mkdtemp failed for " << pattern;
    return pattern;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        ADD_FAILURE() << "cannot write " << path;
}

} // namespace testsupport
