#pragma once

// quilo-tool in the background, for tests that talk to it while it runs.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace testsupport {

// quilo-tool running in the background, its output read line by line as it comes.
class LiveTool {
    using Clock = std::chrono::steady_clock;

public:
    explicit LiveTool(const std::vector<std::string>& args) {
        int out[2], err[2];
        if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        std::vector<std::string> argStore{QUILO_TOOL_PATH};
        argStore.insert(argStore.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& arg : argStore)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        // Keep any configuration log of the run out of the user's home.
        std::string state = "XDG_STATE_HOME=" + testing::TempDir();
        std::vector<char*> envp{state.data()};
        for (char** e = environ; *e != nullptr; ++e)
            envp.push_back(*e);
        envp.push_back(nullptr);
        if (::posix_spawn(&pid_, QUILO_TOOL_PATH, &actions, nullptr, argv.data(), envp.data()) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        ::close(err[1]);
        out_ = out[0];
        err_ = err[0];
    }
    ~LiveTool() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        ::close(out_);
        ::close(err_);
    }

    [[nodiscard]] bool Started() const { return pid_ > 0; }

    // The next line of standard output, without its newline; nullopt at the end of output or
    // after timeout.
    std::optional<std::string>
    ReadLine(std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
        const auto deadline = Clock::now() + timeout;
        for (;;) {
            const auto newline = pending_.find('\n');
            if (newline != std::string::npos) {
                std::string line = pending_.substr(0, newline);
                pending_.erase(0, newline + 1);
                return line;
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return std::nullopt;
            pollfd p{out_, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(left.count())) <= 0)
                continue;
            char buffer[4096];
            const ssize_t n = ::read(out_, buffer, sizeof buffer);
            if (n <= 0)
                return std::nullopt;
            pending_.append(buffer, static_cast<std::size_t>(n));
        }
    }

    void Signal(int signal) { ::kill(pid_, signal); }

    // Waits for the exit; returns the exit status, or -1 (killed, or still running after
    // the timeout). The remaining output is kept for Rest().
    int Wait(std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
        while (auto line = ReadLine(timeout))
            rest_.push_back(*line);
        int status = 0;
        const auto deadline = Clock::now() + timeout;
        for (;;) {
            const pid_t r = ::waitpid(pid_, &status, WNOHANG);
            if (r == pid_)
                break;
            if (r < 0 || Clock::now() > deadline)
                return -1;
            std::this_thread::yield();
        }
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    const std::vector<std::string>& Rest() const { return rest_; }

    std::string Errors() {
        std::string text;
        char buffer[4096];
        ssize_t n;
        while ((n = ::read(err_, buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<std::size_t>(n));
        return text;
    }

private:
    pid_t pid_ = -1;
    int out_ = -1;
    int err_ = -1;
    std::string pending_;
    std::vector<std::string> rest_;
};

} // namespace testsupport
