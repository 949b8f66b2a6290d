#pragma once

#include <string>
#include <vector>

namespace testsupport {

struct RunResult {
    int status = -1; // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs program with args, feeding input on its standard input; extraEnv entries ("NAME=value")
// are added to this process's environment for the child only. Output goes through files in a
// private temporary directory, so nothing can block on a full pipe.
RunResult Run(const std::string& program, const std::vector<std::string>& args,
              const std::string& input, const std::vector<std::string>& extraEnv = {});

// A fresh private directory under the test temporary directory.
std::string MakeTempDir();

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

} // namespace testsupport
