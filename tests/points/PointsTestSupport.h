#pragma once

#include "support/TestFiles.h"

#include <string>

namespace points_test {

using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;

inline std::string ReferenceFile(const std::string& name) {
    return std::string(QUILO_TEST_DATA) + "/pts/" + name;
}

} // namespace points_test
