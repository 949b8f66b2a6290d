#include "support/RunTool.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace testsupport {

namespace {

std::string_view NameOf(std::string_view entry) {
    return entry.substr(0, entry.find('='));
}

} // namespace

RunResult Run(const std::string& program, const std::vector<std::string>& args,
              const std::string& input, const std::vector<std::string>& extraEnv) {
    const TempDir dir;
    const std::string inPath = dir.File("in"), outPath = dir.File("out"), errPath = dir.File("err");
    WriteBytes(inPath, input);

    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (char** e = environ; *e; ++e) {
        bool replaced = false;
        for (const auto& extra : extraEnv)
            replaced = replaced || NameOf(extra) == NameOf(*e);
        if (!replaced)
            envp.push_back(*e);
    }
    for (const auto& e : extraEnv)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);

    RunResult result;
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int in = ::open(inPath.c_str(), O_RDONLY);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 ||
            ::dup2(err, 2) < 0)
            ::_exit(127);
        ::execve(program.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
    if (pid < 0) {
        ADD_FAILURE() << "fork failed";
        return result;
    }
    int wstatus = 0;
    while (::waitpid(pid, &wstatus, 0) < 0) {
        if (errno != EINTR) {
            ADD_FAILURE() << "waitpid failed";
            return result;
        }
    }
    result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    result.out = ReadBytes(outPath);
    result.err = ReadBytes(errPath);
    return result;
}

} // namespace testsupport
