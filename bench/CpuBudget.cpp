// The window's CPU budget: the real quilo under Xvfb on the demo map, following a receiver
// that writes NMEA into a pseudo-terminal, for a minute in each case; the figure is the
// process's CPU time (user and system, every thread, from /proc/PID/stat) over the wall clock.
// Cases: a receiver standing still at 1 Hz (its fix the same, or wandering 1.5 m), and one driving
// the demo's streets at 10 Hz with the view's update rate at 100 ms (the trail, the heading arrow,
// the accuracy circle and the scale bar shown). The X server's own share is reported beside it.
// Needs Xvfb (Debian xvfb).
//
//   cpu-budget [--seconds=N] [google benchmark flags]
#include <benchmark/benchmark.h>

#include "gps/DemoTown.h"
#include "gps/NmeaWriter.h"

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double g_seconds = 60.0;
// The window opens, loads the map and builds its cache first, slowly on a loaded machine: the
// measurement starts once kSettledSeconds in a row cost under kSettledShare of a core, after
// kWarmUpSeconds at least and at most kLongestWarmUpSeconds.
constexpr double kWarmUpSeconds = 10.0;
constexpr double kLongestWarmUpSeconds = 120.0;
constexpr std::size_t kSettledSeconds = 5;
constexpr double kSettledShare = 0.02;

// User plus system time of every thread of pid, in seconds; nullopt once it is gone.
std::optional<double> CpuSeconds(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(in, line))
        return std::nullopt;
    // The name field may hold spaces: the fields counted are those after its ')'.
    std::istringstream rest(line.substr(line.rfind(')') + 2));
    std::string field;
    double ticks = 0.0;
    for (int i = 3; i <= 15 && rest >> field; ++i)
        if (i >= 14)
            ticks += std::stod(field);
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& env,
            const fs::path& log, int keepFd = -1) {
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    for (const std::string& e : env)
        putenv(strdup(e.c_str()));
    const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    dup2(out, 1);
    dup2(out, 2);
    for (int fd = 3; fd < 1024; ++fd)
        if (fd != keepFd)
            close(fd);
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

void Stop(pid_t pid) {
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// An X server of its own on a free display; the display's name, or "" when it did not start.
std::string StartXvfb(const fs::path& dir, pid_t* pid) {
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    *pid = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x800x24",
                  "-nolisten", "tcp", "-noreset"},
                 {}, dir / "xvfb.log", fds[1]);
    close(fds[1]);
    std::string number;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    return number.empty() ? std::string() : ":" + number;
}

gps::NmeaUtc UtcAt(double seconds) {
    const auto cs = static_cast<long>(std::llround(seconds * 100.0));
    return {static_cast<int>(cs / 360000 % 24), static_cast<int>(cs / 6000 % 60),
            static_cast<int>(cs / 100 % 60), static_cast<int>(cs % 100)};
}

// One epoch: GGA and RMC at time t (seconds since midnight of 10 December 2026).
std::string Epoch(const demo::RouteSample& sample, double t) {
    std::string out;
    gps::GgaFields gga;
    gga.time = UtcAt(t);
    gga.position = sample.position;
    gga.satellites = 9;
    gga.hdop = 1.2;
    gga.altitude = 112.0;
    gps::AppendGga(out, gga);
    gps::RmcFields rmc;
    rmc.time = gga.time;
    rmc.position = sample.position;
    rmc.speedKnots = sample.speedKnots;
    rmc.courseDegrees = sample.courseDegrees;
    rmc.date = {10, 12, 26};
    rmc.mode = 'A';
    gps::AppendRmc(out, rmc);
    return out;
}

struct Case {
    double rateHz;
    double speedMps; // 0: standing still
    int updateRateMs;
    double wanderM = 0.0; // standing still, the fix wanders up to this far, as a real one does
};

// The still position moved by up to wanderM metres, the same sequence every run.
demo::RouteSample Wandered(demo::RouteSample sample, double wanderM, long k) {
    const double a = std::sin(static_cast<double>(k) * 12.9898) * 43758.5453;
    const double b = std::sin(static_cast<double>(k) * 78.233) * 12345.6789;
    const double north = (a - std::floor(a) - 0.5) * 2.0 * wanderM;
    const double east = (b - std::floor(b) - 0.5) * 2.0 * wanderM;
    sample.position.y += north / 111320.0;
    sample.position.x += east / (111320.0 * std::cos(sample.position.y * M_PI / 180.0));
    return sample;
}

void RunWindow(benchmark::State& state, const Case& c) {
    char pattern[] = "/tmp/quilo-cpu-budget-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (made == nullptr) {
        state.SkipWithError("cannot make a temporary folder");
        return;
    }
    const fs::path dir(made);
    fs::copy(QUILO_DEMO_DIR, dir / "map");
    fs::path map;
    for (const auto& entry : fs::directory_iterator(dir / "map"))
        if (entry.path().extension() == ".png")
            map = entry.path();
    fs::create_directories(dir / "config/Morvellan Software Inc.");
    std::ofstream(dir / "config/Morvellan Software Inc./QUILO.ini")
        << "[Settings]\nGPSUpdateRateMs=" << c.updateRateMs << "\nFollowGPS=1\nShowGPSTrail=1\n";

    pid_t xvfb = 0;
    const std::string display = StartXvfb(dir, &xvfb);
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (display.empty() || master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        Stop(xvfb);
        fs::remove_all(dir);
        state.SkipWithError("cannot start Xvfb or open a pseudo-terminal");
        return;
    }
    const std::string device = ptsname(master);
    // Held open so that the line never hangs up while the window reopens it.
    const int slave = open(device.c_str(), O_RDWR | O_NOCTTY);
    termios raw{};
    tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave, TCSANOW, &raw);

    const std::string home = dir.string();
    const pid_t quilo =
        Spawn({QUILO_PROGRAM, map.string(), "--gps", device, "--size", "1024x700", "--new-window"},
              {"DISPLAY=" + display, "HOME=" + home, "XDG_CONFIG_HOME=" + home + "/config",
               "XDG_CACHE_HOME=" + home + "/cache", "XDG_DATA_HOME=" + home + "/data",
               "XDG_STATE_HOME=" + home + "/state", "QT_QPA_PLATFORM=xcb",
               "DBUS_SESSION_BUS_ADDRESS=disabled:"},
              dir / "quilo.log");

    const demo::RouteDriver driver(c.speedMps);
    const demo::RouteSample still = driver.At(0.0);
    const double dayStart = 9 * 3600.0;
    const auto period = std::chrono::duration<double>(1.0 / c.rateHz);
    const Clock::time_point start = Clock::now();
    std::optional<double> cpuFrom, xFrom, cpuTo, xTo;
    std::deque<double> lastCpu; // one a second, newest last
    Clock::time_point from, to;
    double fromT = 0.0, lastT = 0.0;
    char drain[4096];
    for (auto _ : state) {
        for (long k = 0;; ++k) {
            const Clock::time_point at =
                start + std::chrono::duration_cast<Clock::duration>(period * k);
            std::this_thread::sleep_until(at);
            const double t = static_cast<double>(k) / c.rateHz;
            if (!cpuFrom && t >= lastT + 1.0) {
                lastCpu.push_back(CpuSeconds(quilo).value_or(0.0));
                if (lastCpu.size() > kSettledSeconds + 1)
                    lastCpu.pop_front();
                const bool settled =
                    lastCpu.size() == kSettledSeconds + 1 &&
                    lastCpu.back() - lastCpu.front() < kSettledShare * kSettledSeconds;
                if ((t >= kWarmUpSeconds && settled) || t >= kLongestWarmUpSeconds) {
                    from = Clock::now();
                    cpuFrom = CpuSeconds(quilo);
                    xFrom = CpuSeconds(xvfb);
                    fromT = t;
                }
                lastT = t;
            }
            if (cpuFrom && t >= fromT + g_seconds) {
                to = Clock::now();
                cpuTo = CpuSeconds(quilo);
                xTo = CpuSeconds(xvfb);
                break;
            }
            const std::string bytes = Epoch(
                c.speedMps > 0.0 ? driver.At(t) : Wandered(still, c.wanderM, k), dayStart + t);
            if (write(master, bytes.data(), bytes.size()) < 0) {
                // A full line drops the epoch, as a receiver's would.
            }
            while (read(master, drain, sizeof drain) > 0) {
            }
        }
        const double wall = std::chrono::duration<double>(to - from).count();
        state.SetIterationTime(wall);
        if (!cpuFrom || !cpuTo || waitpid(quilo, nullptr, WNOHANG) != 0) {
            state.SkipWithError("the window ended during the run (see its log)");
            break;
        }
        state.counters["cpu_pct"] = 100.0 * (*cpuTo - *cpuFrom) / wall;
        state.counters["cpu_s"] = *cpuTo - *cpuFrom;
        if (xFrom && xTo)
            state.counters["xvfb_pct"] = 100.0 * (*xTo - *xFrom) / wall;
    }
    Stop(quilo);
    Stop(xvfb);
    close(slave);
    close(master);
    fs::remove_all(dir);
}

void BM_StandingStill1Hz(benchmark::State& state) {
    RunWindow(state, {1.0, 0.0, 1000});
}
void BM_StandingWandering1Hz(benchmark::State& state) {
    RunWindow(state, {1.0, 0.0, 1000, 1.5});
}
void BM_Driving10Hz(benchmark::State& state) {
    RunWindow(state, {10.0, 12.0, 100});
}
BENCHMARK(BM_StandingStill1Hz)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_StandingWandering1Hz)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Driving10Hz)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg.starts_with("--seconds="))
            g_seconds = std::max(1.0, std::atof(argv[i] + 10));
        else
            rest.push_back(argv[i]);
    }
    int count = static_cast<int>(rest.size());
    benchmark::Initialize(&count, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
