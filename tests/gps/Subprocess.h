#pragma once

#include "support/RunTool.h"

#include <string>

namespace testsupport {

// A fresh private directory under the test temporary directory.
std::string MakeTempDir();

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

} // namespace testsupport
