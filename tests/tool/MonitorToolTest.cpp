// quilo-tool monitor end to end: a capture written into a pseudo-terminal comes out as the
// status lines the map view shows.
#include "ToolCases.h"
#include "gps/PtyPair.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// quilo-tool running in the background, its output read line by line as it comes.
class LiveTool {
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
    std::optional<std::string> ReadLine(std::chrono::milliseconds timeout = 20s) {
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
    int Wait(std::chrono::milliseconds timeout = 20s) {
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

// The line of the capture that begins with prefix, with its carriage return and line feed.
std::string CaptureLine(const std::string& file, const std::string& prefix) {
    std::ifstream in(std::string(QUILO_TEST_DATA) + "/nmea/" + file, std::ios::binary);
    std::string line;
    while (std::getline(in, line))
        if (line.starts_with(prefix))
            return line + "\n"; // getline kept the carriage return
    return {};
}

TEST(MonitorTool, ShowsCapturePositionsThenTheReadError) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    LiveTool tool({"monitor", pty.Path(), "--seconds", "120", "--rate", "0"});
    ASSERT_TRUE(tool.Started());
    ASSERT_EQ(tool.ReadLine(), "GPS: Connected.");

    // A 90-character RTK sentence (eight-decimal minutes): too long for an 82-byte line.
    const std::string gga = CaptureLine("nmea-rtk.log", "$GNGGA,132819.60,");
    ASSERT_EQ(gga.size(), 92u);
    // The link drops whatever arrives before its first read, so keep sending, a few lines a
    // second, until the position shows.
    const std::string expected = "GPS: 93°45'2.1W 41°34'29.9N A:278m S:10 P:100+%";
    bool seen = false;
    for (int i = 0; i < 200 && !seen; ++i) {
        ASSERT_TRUE(pty.Write(gga));
        const auto line = tool.ReadLine(100ms);
        seen = line == expected;
        if (line) {
            EXPECT_TRUE(seen) << *line;
        }
    }
    ASSERT_TRUE(seen);

    pty.HangUp();
    std::optional<std::string> line;
    do {
        line = tool.ReadLine();
    } while (line == expected);
    EXPECT_EQ(line, "GPS: COM port read error.");
    // It keeps running (and reporting) until stopped.
    EXPECT_EQ(tool.ReadLine(), "GPS: COM port read error.");
    tool.Signal(SIGINT);
    EXPECT_EQ(tool.Wait(), 0);
    ASSERT_FALSE(tool.Rest().empty());
    EXPECT_EQ(tool.Rest().back(), "GPS: Disconnected.");
}

TEST(MonitorTool, StopsWhenItsTimeIsUp) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    const auto start = Clock::now();
    LiveTool tool({"monitor", pty.Path(), "--seconds", "0.3", "--baud", "9600"});
    ASSERT_TRUE(tool.Started());
    EXPECT_EQ(tool.Wait(), 0);
    EXPECT_GE(Clock::now() - start, 300ms);
    EXPECT_EQ(tool.Rest(), (std::vector<std::string>{"GPS: Connected.", "GPS: Disconnected."}));
}

TEST(MonitorTool, BadArgumentsExit2WithOneLine) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    const std::string device = pty.Path();
    tooltest::CheckRows(
        {
            {"no device", {"monitor"}, nullptr},
            {"two devices", {"monitor", device, device}, nullptr},
            {"bad baud", {"monitor", device, "--baud", "fast"}, nullptr},
            {"zero baud", {"monitor", device, "--baud", "0"}, nullptr},
            {"negative rate", {"monitor", device, "--rate", "-1"}, nullptr},
            {"bad seconds", {"monitor", device, "--seconds", "0"}, nullptr},
            {"unknown format", {"monitor", device, "--format", "dd"}, nullptr},
            {"missing value", {"monitor", device, "--rate"}, nullptr},
            {"unknown option", {"monitor", device, "--verbose"}, nullptr},
            {"device missing", {"monitor", "/dev/quilo-no-such-tty"}, nullptr},
            {"not a serial line", {"monitor", "/dev/null"}, nullptr},
            {"empty source", {"monitor", ""}, nullptr},
            {"tcp without port", {"monitor", "tcp://127.0.0.1"}, nullptr},
            {"unknown scheme", {"monitor", "ftp://host:1"}, nullptr},
            {"bad replay speed", {"monitor", "file:x.log?speed=-1"}, nullptr},
            {"missing log", {"monitor", "file:/nonexistent/x.log"}, nullptr},
            {"nobody at the port", {"monitor", "tcp://127.0.0.1:1"}, nullptr},
            {"baud neither number nor auto", {"monitor", device, "--baud", "Auto"}, nullptr},
        },
        {"XDG_STATE_HOME=" + testing::TempDir()});
}

TEST(MonitorTool, ReplaysALogAndTheSimulator) {
    struct Row {
        const char* legend;
        std::vector<std::string> args;
        std::vector<std::string> expected; // lines that must be printed, in this order
    };
    const std::string capture = std::string(QUILO_TEST_DATA) + "/nmea/bu353s4.log";
    const Row rows[] = {
        {"a log at twenty times its pace ends with the log",
         {"monitor", "file:" + capture + "?speed=20", "--rate", "0", "--seconds", "60"},
         {"GPS: Connected.", "GPS: 175°18'53.6E 37°47'5.2S A:60m S:8 P:91%", "GPS: End of log."}},
        {"the path of a log replays it too",
         {"monitor", capture, "--rate", "0", "--seconds", "3"},
         {"GPS: Connected.", "GPS: 175°18'53.6E 37°47'5.2S A:60m S:8 P:91%"}},
        {"the simulator starts on the demo route",
         {"monitor", "sim:", "--rate", "0", "--seconds", "1.5", "--format", "d"},
         {"GPS: Connected.", "°W 52.2284°N A:118m S:8 P:83%"}},
    };
    for (const Row& row : rows) {
        const auto run =
            testsupport::RunTool(row.args, "", {"XDG_STATE_HOME=" + testing::TempDir()});
        EXPECT_EQ(run.status, 0) << row.legend << ": " << run.err;
        std::size_t at = 0;
        for (const std::string& line : row.expected) {
            at = run.out.find(line, at);
            EXPECT_NE(at, std::string::npos) << row.legend << ": no '" << line << "' in\n"
                                             << run.out;
        }
    }
}

} // namespace
