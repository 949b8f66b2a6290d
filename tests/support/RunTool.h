#pragma once

// Running a program (quilo-tool above all) and collecting what it wrote.

#include <string>
#include <vector>

namespace testsupport {

struct RunResult {
    int status = -1; // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs program with args, feeding input on its standard input. extraEnv entries ("NAME=value")
// replace or add to this process's environment for the child only. Output goes through files
// in a private temporary folder, so nothing can block on a full pipe.
RunResult Run(const std::string& program, const std::vector<std::string>& args,
              const std::string& input = "", const std::vector<std::string>& extraEnv = {});

#ifdef QUILO_TOOL_PATH
// Runs the quilo-tool of this build.
inline RunResult RunTool(const std::vector<std::string>& args, const std::string& input = "",
                         const std::vector<std::string>& extraEnv = {}) {
    return Run(QUILO_TOOL_PATH, args, input, extraEnv);
}
#endif

} // namespace testsupport
