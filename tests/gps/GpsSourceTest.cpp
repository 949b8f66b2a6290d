// GPS sources: their names, the replay clock, and each source through a real link: logs on
// disk, TCP and UDP on 127.0.0.1, a pseudo-terminal behind a by-id style symbolic link that is
// pulled and put back, and a simulated receiver that answers at one baud rate only.
#include "gps/FileReplaySource.h"
#include "gps/GpsFeed.h"
#include "gps/GpsSourceName.h"
#include "gps/NetworkSource.h"
#include "gps/NmeaDecode.h"
#include "gps/NmeaSentence.h"
#include "gps/PtyPair.h"
#include "gps/SerialSource.h"
#include "gps/SourceTestSupport.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <sys/stat.h>
#include <termios.h>
#include <thread>

namespace {

using namespace std::chrono_literals;
using sourcetest::LinkWatch;
using testsupport::TempDir;
using Kind = gps::GpsSourceKind;

const std::string kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";

std::string Capture(const std::string& name) {
    return std::string(QUILO_TEST_DATA) + "/nmea/" + name;
}

TEST(GpsSourceName, ReadsEachFormAndRefusesBadOnesInOneLine) {
    TempDir dir;
    const std::string log = dir.File("drive.nmea");
    testsupport::WriteBytes(log, kGga + "\r\n");
    const std::string fifo = dir.File("gps.fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Row {
        const char* legend;
        std::string name;
        Kind kind;
        std::string pathOrHost;
        std::uint16_t port;
        double speed;
        bool loop;
        const char* error; // part of the one-line error; nullptr when the name is good
    };
    const Row rows[] = {
        {"device path", "/dev/ttyUSB0", Kind::Serial, "/dev/ttyUSB0", 0, 1, false, nullptr},
        {"by-id path with colons", "/dev/serial/by-id/usb-u-blox:1.0", Kind::Serial,
         "/dev/serial/by-id/usb-u-blox:1.0", 0, 1, false, nullptr},
        {"blanks around", " /dev/ttyACM0\n", Kind::Serial, "/dev/ttyACM0", 0, 1, false, nullptr},
        {"regular file is a log", log, Kind::File, log, 0, 1, false, nullptr},
        {"named pipe is a live log", fifo, Kind::File, fifo, 0, 1, false, nullptr},
        {"gpsd defaults", "gpsd://", Kind::Gpsd, "localhost", 2947, 1, false, nullptr},
        {"gpsd host", "gpsd://pi.local", Kind::Gpsd, "pi.local", 2947, 1, false, nullptr},
        {"gpsd port only", "gpsd://:3000", Kind::Gpsd, "localhost", 3000, 1, false, nullptr},
        {"gpsd v6", "gpsd://[::1]:2948", Kind::Gpsd, "::1", 2948, 1, false, nullptr},
        {"tcp", "tcp://10.0.0.5:10110", Kind::Tcp, "10.0.0.5", 10110, 1, false, nullptr},
        {"udp all addresses", "udp://:10110", Kind::Udp, "", 10110, 1, false, nullptr},
        {"udp one address", "udp://127.0.0.1:5000", Kind::Udp, "127.0.0.1", 5000, 1, false,
         nullptr},
        {"file", "file:/logs/a.log", Kind::File, "/logs/a.log", 0, 1, false, nullptr},
        {"file URL", "file:///logs/a.log", Kind::File, "/logs/a.log", 0, 1, false, nullptr},
        {"file speed and loop", "file:a.log?speed=20&loop=1", Kind::File, "a.log", 0, 20, true,
         nullptr},
        {"file fractional speed", "file:a.log?speed=0.5", Kind::File, "a.log", 0, 0.5, false,
         nullptr},
        {"simulator", "sim:", Kind::Sim, "", 0, 1, false, nullptr},
        {"empty", "  ", Kind::Serial, "", 0, 1, false, "no GPS source given"},
        {"tcp without port", "tcp://host", Kind::Tcp, "", 0, 1, false,
         "bad GPS source 'tcp://host' (expected tcp://HOST:PORT)"},
        {"tcp port 0", "tcp://host:0", Kind::Tcp, "", 0, 1, false, "expected tcp://HOST:PORT"},
        {"tcp port too big", "tcp://host:65536", Kind::Tcp, "", 0, 1, false, "tcp://HOST:PORT"},
        {"tcp blank host", "tcp://a b:1", Kind::Tcp, "", 0, 1, false, "tcp://HOST:PORT"},
        {"udp without port", "udp://127.0.0.1", Kind::Udp, "", 0, 1, false, "udp://[ADDR]:PORT"},
        {"gpsd open bracket", "gpsd://[::1", Kind::Gpsd, "", 0, 1, false, "gpsd://[HOST][:PORT]"},
        {"gpsd path", "gpsd://host/x", Kind::Gpsd, "", 0, 1, false, "gpsd://[HOST][:PORT]"},
        {"file speed 0", "file:a?speed=0", Kind::File, "", 0, 1, false, "N above 0"},
        {"file speed text", "file:a?speed=fast", Kind::File, "", 0, 1, false, "file:PATH"},
        {"file speed nan", "file:a?speed=nan", Kind::File, "", 0, 1, false, "file:PATH"},
        {"file unknown option", "file:a?rate=2", Kind::File, "", 0, 1, false, "file:PATH"},
        {"file no path", "file:?speed=2", Kind::File, "", 0, 1, false, "file:PATH"},
        {"sim with more", "sim:fast", Kind::Sim, "", 0, 1, false, "unknown GPS source 'sim:fast'"},
        {"unknown scheme", "http://x:1", Kind::Sim, "", 0, 1, false,
         "unknown GPS source 'http://x:1' (expected a device path, gpsd://"},
        {"COM style", "COM3:", Kind::Sim, "", 0, 1, false, "unknown GPS source 'COM3:'"},
    };
    for (const Row& row : rows) {
        const gps::GpsSourceNameResult result = gps::ParseGpsSourceName(row.name);
        if (row.error) {
            EXPECT_FALSE(result.parts) << row.legend;
            EXPECT_NE(result.error.find(row.error), std::string::npos)
                << row.legend << ": " << result.error;
            EXPECT_EQ(result.error.find('\n'), std::string::npos) << row.legend;
            EXPECT_EQ(gps::MakeGpsSource(row.name, 4800).source, nullptr) << row.legend;
            continue;
        }
        ASSERT_TRUE(result.parts) << row.legend << ": " << result.error;
        const gps::GpsSourceParts& parts = *result.parts;
        EXPECT_EQ(parts.kind, row.kind) << row.legend;
        const bool networked =
            row.kind == Kind::Gpsd || row.kind == Kind::Tcp || row.kind == Kind::Udp;
        EXPECT_EQ(networked ? parts.host : parts.path, row.pathOrHost) << row.legend;
        EXPECT_EQ(parts.port, row.port) << row.legend;
        EXPECT_EQ(parts.speed, row.speed) << row.legend;
        EXPECT_EQ(parts.loop, row.loop) << row.legend;
    }
}

TEST(ReplayClock, PacesByTheSentencesTimes) {
    struct Row {
        const char* legend;
        std::vector<std::string> lines;
        std::vector<double> due;
    };
    const Row rows[] = {
        {"a time per epoch; untimed lines ride with the one before",
         {"$GPGGA,235958.00,x", "$GPGSA,A,3", "$GPRMC,235958.00,A", "$GPGGA,235959.50,x",
          "$GPGSV,3,1", "$GPGSV,3,2"},
         {0, 0, 0, 1.5, 1.5, 1.5}},
        {"across midnight", {"$GPRMC,235959,A", "$GPRMC,000001,A"}, {0, 2}},
        {"a damaged time, forward then back, costs two ordinary steps of 10 Hz",
         {"$GPGGA,120000.0,x", "$GPGGA,120000.1,x", "$GPGGA,130000.2,x", "$GPGGA,120000.3,x",
          "$GPGGA,120000.4,x"},
         {0, 0.1, 0.2, 0.3, 0.4}},
        {"a cold start's clock jump is one step; times go on from the new one",
         {"$GPRMC,000345.03,A", "$GPRMC,000346.03,A", "$GPRMC,235948.00,V", "$GPRMC,235950.00,V",
          "$GPRMC,193515.00,V"},
         {0, 1, 2, 4, 6}},
        {"no times: a repeated type is the next second",
         {"$GPGGA,,x", "$GPRMC,,V", "$GPGSA,A,1", "$GPGGA,,x", "$GPRMC,,V", "$GPGGA,,x"},
         {0, 0, 0, 1, 1, 2}},
        {"garbage and other types never move it",
         {"xyz", "$GPGSV,1", "", "$PUBX,00"},
         {0, 0, 0, 0}},
        {"bad times count as none",
         {"$GPGGA,256000,x", "$GPGGA,12a000,x", "$GPGGA,1200"},
         {0, 1, 2}},
    };
    for (const Row& row : rows) {
        gps::ReplayClock clock;
        std::vector<double> due;
        for (const std::string& line : row.lines)
            due.push_back(clock.Due(line));
        ASSERT_EQ(due.size(), row.due.size()) << row.legend;
        for (std::size_t i = 0; i < due.size(); ++i)
            EXPECT_NEAR(due[i], row.due[i], 1e-9) << row.legend << " line " << i;
    }
}

// Every GGA/RMC/GSA line of the capture, in order, as the link must queue them.
std::vector<std::string> CaptureSentences(const std::string& path) {
    std::vector<std::string> out;
    gps::NmeaLineAssembler assembler(1000000);
    const std::string bytes = testsupport::ReadBytes(path);
    assembler.Feed(bytes.data(), bytes.size());
    std::string line;
    while (assembler.PopLine(line))
        if (gps::IsHandheldType(gps::NmeaTypeOf(line)))
            out.push_back(line);
    return out;
}

TEST(FileReplaySource, ReplaysTheWholeLogThenEnds) {
    TempDir dir;
    const std::string garbage = dir.File("garbage.log");
    std::string noise(300000, 'x'); // one endless line, and bytes of every value
    for (int i = 0; i < 4096; ++i)
        noise += static_cast<char>(i * 37);
    testsupport::WriteBytes(garbage, noise);
    testsupport::WriteBytes(dir.File("empty.log"), "");
    // Far more than a read's worth, all due at once: a poll takes everything that has arrived,
    // so the link keeps pace however long its poll interval.
    std::string fast;
    for (int i = 0; fast.size() < 128 * gps::GpsLink::kReadSize; ++i)
        fast += "$GPGGA," + std::to_string(i) + ",4807.038,N,01131.000,E,1,08,0.9,545.4,M*47\n";
    testsupport::WriteBytes(dir.File("fast.log"), fast);
    struct Row {
        const char* legend;
        std::string path;
        double speed;
        std::size_t expected;
    };
    const std::string capture = Capture("bu353s4.log");
    const std::size_t all = CaptureSentences(capture).size();
    const Row rows[] = {
        {"a capture as fast as it reads", capture, INFINITY, all},
        {"a capture at 1000 times its pace", capture, 1000, all},
        {"garbage gives nothing and ends", garbage, INFINITY, 0},
        {"an empty log ends at once", dir.File("empty.log"), INFINITY, 0},
        {"a clock that jumps a day ends in moments", Capture("gp-320fw-2019-04-07-coldboot.log"),
         1000, CaptureSentences(Capture("gp-320fw-2019-04-07-coldboot.log")).size()},
        {"half a megabyte at once", dir.File("fast.log"), INFINITY,
         CaptureSentences(dir.File("fast.log")).size()},
    };
    for (const Row& row : rows) {
        // The source alone gives every sentence of the log, in order.
        gps::FileReplaySource source(row.path, row.speed, false);
        ASSERT_EQ(source.Open(), "") << row.legend;
        std::string bytes;
        char buffer[256];
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while (!source.Ended() && std::chrono::steady_clock::now() < deadline) {
            const gps::SourceRead read = source.Read(buffer, sizeof buffer);
            ASSERT_TRUE(read.ok) << row.legend;
            bytes.append(buffer, read.bytes);
        }
        ASSERT_TRUE(source.Ended()) << row.legend;
        testsupport::WriteBytes(dir.File("out.log"), bytes);
        const auto sentences = CaptureSentences(dir.File("out.log"));
        EXPECT_EQ(sentences.size(), row.expected) << row.legend;
        if (row.expected > 0) {
            EXPECT_EQ(sentences, CaptureSentences(row.path)) << row.legend;
        }

        // Through the link, at its own poll interval, the end of the log is the end of the
        // stream.
        LinkWatch watch({750ms, 1000ms, "/dev/null", 8000ms});
        ASSERT_TRUE(
            watch.link.Open(std::make_unique<gps::FileReplaySource>(row.path, row.speed, false)));
        ASSERT_TRUE(watch.WaitUntil([&] { return watch.link.HasEnded(); }, 20s)) << row.legend;
        EXPECT_EQ(watch.lines.empty(), row.expected == 0) << row.legend;
        // Once ended, the rate limit no longer holds updates back.
        gps::GpsUpdate update;
        do {
            update = watch.feed.TakeUpdate(0, 1000);
            ASSERT_TRUE(update.handled) << row.legend;
        } while (!update.Has(gps::GpsUpdate::kEnded));
        EXPECT_FALSE(update.Has(gps::GpsUpdate::kReadError)) << row.legend;
        EXPECT_FALSE(watch.link.HasReadError()) << row.legend;
    }
}

TEST(FileReplaySource, PacesAndLoops) {
    TempDir dir;
    const std::string log = dir.File("two.log");
    testsupport::WriteBytes(log, "$GPRMC,120000,A\n$GPRMC,120010,A\n");
    gps::FileReplaySource source(log, 100, true); // ten log seconds in 0.1 s
    ASSERT_EQ(source.Open(), "");
    char buffer[4096];
    const auto start = std::chrono::steady_clock::now();
    std::string seen;
    while (std::count(seen.begin(), seen.end(), '\n') < 5 &&
           std::chrono::steady_clock::now() - start < 10s) {
        const gps::SourceRead read = source.Read(buffer, sizeof buffer);
        ASSERT_TRUE(read.ok);
        seen.append(buffer, read.bytes);
        std::this_thread::sleep_for(1ms);
    }
    // Two lines a pass, 0.1 s apart and 0.01 s between passes: five lines take 0.21 s.
    EXPECT_GE(std::chrono::steady_clock::now() - start, 200ms);
    EXPECT_EQ(seen.substr(0, 34), "$GPRMC,120000,A\r\n$GPRMC,120010,A\r\n");
    EXPECT_FALSE(source.Ended());
    EXPECT_EQ(gps::FileReplaySource(dir.File("none.log"), 1, false).Open(),
              dir.File("none.log") + ": No such file or directory");
    EXPECT_EQ(gps::FileReplaySource(dir.Path().string(), 1, false).Open(),
              dir.Path().string() + ": not a log file (a regular file or a named pipe is needed)");
}

// A feeder writing live NMEA into a named pipe: nothing waits for it to come, and the stream
// outlives it, so that the next feeder is read too.
TEST(FileReplaySource, ANamedPipeIsALiveStream) {
    TempDir dir;
    const std::string fifo = dir.File("gps.fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    LinkWatch watch;
    ASSERT_TRUE(watch.link.Open("file:" + fifo + "?speed=0.001", 4800)) << watch.link.OpenError();
    for (std::size_t feeder = 1; feeder <= 2; ++feeder) {
        testsupport::WriteBytes(fifo, kGga + "\r\n"); // a writer comes, writes and goes
        ASSERT_TRUE(watch.WaitLines(feeder, 10s)) << "feeder " << feeder;
        EXPECT_FALSE(watch.link.HasEnded());
        EXPECT_FALSE(watch.link.HasReadError());
    }
}

TEST(TcpSource, ReadsAServerAndReconnectsWhenItComesBack) {
    sourcetest::LocalServer server;
    ASSERT_NE(server.Port(), 0);
    const std::string name = "tcp://127.0.0.1:" + std::to_string(server.Port());
    LinkWatch watch({5ms, 20ms, "/dev/null"});
    ASSERT_TRUE(watch.link.Open(name, 4800)) << watch.link.OpenError();
    ASSERT_TRUE(server.Accept(5s));
    ASSERT_TRUE(server.Send(kGga + "\r\n"));
    ASSERT_TRUE(watch.WaitLines(1, 10s));

    server.Drop();
    ASSERT_TRUE(watch.WaitFailure(10s));
    EXPECT_EQ(watch.feed.TakeUpdate(0, 0).lostText, "Connection lost, retrying.");
    // The link connects again by itself; the server takes it and sends on.
    ASSERT_TRUE(server.Accept(5s));
    ASSERT_TRUE(server.Send(kGga + "\r\n"));
    ASSERT_TRUE(watch.WaitLines(2, 10s));
    EXPECT_EQ(watch.lines.back(), kGga);
}

TEST(TcpSource, GpsdIsAskedForNmeaAndItsReportsAreDropped) {
    sourcetest::LocalServer server;
    ASSERT_NE(server.Port(), 0);
    LinkWatch watch;
    ASSERT_TRUE(watch.link.Open("gpsd://127.0.0.1:" + std::to_string(server.Port()), 4800));
    ASSERT_TRUE(server.Accept(5s));
    EXPECT_EQ(server.Receive(5000ms), gps::TcpSource::kGpsdWatch);
    // A report between two sentences would otherwise be glued to the first one's line.
    ASSERT_TRUE(
        server.Send(kGga + "\r\n{\"class\":\"DEVICES\",\"devices\":[]}\r\n" + kGga + "\r\n"));
    ASSERT_TRUE(watch.WaitLines(2, 10s));
    EXPECT_EQ(watch.lines, (std::vector<std::string>{kGga, kGga}));
}

TEST(NetworkSources, RefuseAtOnceWithTheReason) {
    std::string port; // a port whose server has gone: nothing listens there
    {
        sourcetest::LocalServer gone;
        port = std::to_string(gone.Port());
    }
    struct Row {
        const char* legend;
        std::string name;
        const char* error;
    };
    const Row rows[] = {
        {"nothing listens", "tcp://127.0.0.1:" + port, "Connection refused"},
        {"no gpsd", "gpsd://127.0.0.1:" + port, "gpsd at 127.0.0.1:"},
        {"unknown host", "tcp://no-such-host.invalid:1", "no-such-host.invalid:1: "},
        {"address not ours", "udp://192.0.2.1:10110", "192.0.2.1:10110: "},
    };
    auto openFiles = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                             std::filesystem::directory_iterator());
    };
    const auto filesBefore = openFiles();
    for (const Row& row : rows) {
        gps::GpsLink link(5, {5ms, 5ms, "/dev/null"});
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(link.Open(row.name, 4800)) << row.legend;
        EXPECT_LT(std::chrono::steady_clock::now() - start, 5s) << row.legend;
        EXPECT_NE(link.OpenError().find(row.error), std::string::npos)
            << row.legend << ": " << link.OpenError();
        EXPECT_FALSE(link.IsRunning()) << row.legend;
    }
    EXPECT_EQ(openFiles(), filesBefore) << "no socket is left open";
}

// A server whose accept queue is full drops the handshake, so a connect waits its whole
// timeout: the window's link connects on its own thread, and Close does not wait for it.
TEST(TcpSource, ConnectsOffTheCallersThreadAndCloseNeverWaits) {
    sourcetest::LocalServer server(0);
    ASSERT_TRUE(server.FillAcceptQueue());
    gps::GpsLink link(5, {5ms, 5ms, "/dev/null"});
    ASSERT_TRUE(link.OpenWithoutWaiting("tcp://127.0.0.1:" + std::to_string(server.Port()), 0));
    // Had Open waited, the attempt would be over (and failed) by now.
    EXPECT_TRUE(link.IsConnecting());
    EXPECT_FALSE(link.HasReadError());
    const auto start = std::chrono::steady_clock::now();
    link.Close();
    EXPECT_LT(std::chrono::steady_clock::now() - start, gps::TcpSource::kConnectTimeout / 2);
    EXPECT_FALSE(link.IsConnecting());
}

// Every address means IPv6 and IPv4 alike.
TEST(UdpSource, TakesEveryDatagramEvenWithoutLineEnds) {
    auto source = std::make_unique<gps::UdpSource>("", 0);
    gps::UdpSource& udp = *source;
    LinkWatch watch;
    ASSERT_TRUE(watch.link.Open(std::move(source))) << watch.link.OpenError();
    for (const char* to : {"127.0.0.1", "::1", "127.0.0.1"}) // the last without its line end
        ASSERT_TRUE(sourcetest::SendDatagram(to, udp.LocalPort(), kGga)) << to;
    ASSERT_TRUE(watch.WaitLines(3, 10s));
    EXPECT_EQ(watch.lines, (std::vector<std::string>(3, kGga)));
}

// A source that stays open and sends nothing: after the silence limit the status line says
// so and the fix is no longer live; a server is connected to again, a line or a port is not.
TEST(NetworkSources, SilenceIsNoticedAndServersAreCalledAgain) {
    sourcetest::LocalServer server;
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    const std::string port = std::to_string(server.Port());
    const struct {
        std::string name;
        bool network;
        const char* lost;
    } rows[] = {
        {"tcp://127.0.0.1:" + port, true, "No data is arriving, reconnecting."},
        {"gpsd://127.0.0.1:" + port, true, "No data is arriving, reconnecting."},
        {pty.Path(), false, "No data is arriving."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        LinkWatch watch({5ms, 20ms, "/dev/null", 300ms});
        ASSERT_TRUE(watch.link.Open(row.name, 4800)) << watch.link.OpenError();
        auto send = [&] {
            return row.network ? server.Send(kGga + "\r\n") : pty.Write(kGga + "\r\n");
        };
        EXPECT_EQ(server.Accept(row.network ? 5000ms : 10ms), row.network);
        // Sent until one arrives: a serial line drops what came before its first read.
        ASSERT_TRUE(watch.WaitUntil([&] { return send() && !watch.lines.empty(); }, 10s));
        ASSERT_TRUE(watch.WaitUntil([&] { return watch.link.IsSilent(); }, 10s));
        const gps::GpsUpdate update = watch.feed.TakeUpdate(0, 0);
        // The marker then shows the last position as old.
        EXPECT_TRUE(update.Has(gps::GpsUpdate::kReadError));
        EXPECT_EQ(update.lostText, row.lost);
        // A server sees the link come back; the next sentence ends the silence.
        EXPECT_EQ(server.Accept(row.network ? 5000ms : 10ms), row.network);
        const std::size_t before = watch.lines.size();
        EXPECT_TRUE(watch.WaitUntil(
            [&] { return send() && watch.lines.size() > before && !watch.link.IsSilent(); }, 10s));
    }
}

TEST(SerialSource, UnpluggedByIdLinkResumesWithinThreeSeconds) {
    TempDir dir;
    const std::string byId = dir.File("usb-u-blox_GNSS_receiver-if00");
    auto pty = std::make_unique<PtyPair>();
    std::filesystem::create_symlink(pty->Path(), byId);
    // The program's own timing: a read every 750 ms, a retry every second.
    LinkWatch watch(gps::GpsLinkOptions{750ms, 1000ms, "/dev/null"});
    ASSERT_TRUE(watch.link.Open(byId, 4800)) << watch.link.OpenError();
    auto sendUntilSeen = [&](PtyPair& line, std::size_t count) {
        return watch.WaitUntil(
            [&] {
                (void)line.Write(kGga + "\r\n");
                return watch.lines.size() >= count;
            },
            10s);
    };
    ASSERT_TRUE(sendUntilSeen(*pty, 1));

    pty.reset(); // unplugged: the device and its by-id link vanish
    std::filesystem::remove(byId);
    ASSERT_TRUE(watch.WaitFailure(10s));
    std::this_thread::sleep_for(1500ms); // a few failed retries
    EXPECT_EQ(watch.feed.TakeUpdate(0, 0).lostText, "COM port read error.");

    PtyPair replugged;
    std::filesystem::create_symlink(replugged.Path(), byId);
    const auto back = std::chrono::steady_clock::now();
    const std::size_t before = watch.lines.size();
    ASSERT_TRUE(sendUntilSeen(replugged, before + 1));
    EXPECT_LE(std::chrono::steady_clock::now() - back, 3s);

    // Disconnect ends the retries at once.
    replugged.HangUp();
    ASSERT_TRUE(watch.WaitFailure(10s));
    const auto closing = std::chrono::steady_clock::now();
    watch.link.Close();
    EXPECT_LT(std::chrono::steady_clock::now() - closing, 500ms);
}

// A receiver fixed at 38400 baud on a pseudo-terminal: it reads the speed the program set on
// the line and sends good sentences only when it matches, garbage otherwise.
TEST(SerialSource, AutoBaudFinds38400) {
    PtyPair pty;
    std::atomic<bool> stop{false};
    std::thread receiver([&] {
        int slave = ::open(pty.Path().c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
        // A new pseudo-terminal starts at 38400: then this receiver would answer before the
        // program set any speed, and its answer could be read at the first rate tried.
        termios start{};
        if (::tcgetattr(slave, &start) == 0 && ::cfsetspeed(&start, B1200) == 0)
            (void)::tcsetattr(slave, TCSANOW, &start);
        std::string garbage(80, '\0');
        for (std::size_t i = 0; i < garbage.size(); ++i)
            garbage[i] = static_cast<char>(0x80 + (i * 53) % 120); // no "$" ever
        while (!stop.load()) {
            termios tio{};
            const bool matches = ::tcgetattr(slave, &tio) == 0 && ::cfgetispeed(&tio) == B38400;
            (void)pty.Write(matches ? kGga + "\r\n" : garbage);
            std::this_thread::sleep_for(20ms);
        }
        ::close(slave);
    });
    TempDir dir;
    LinkWatch watch({50ms, 1000ms, dir.File("quilo.log")});
    ASSERT_TRUE(watch.link.Open(pty.Path(), gps::kAutoBaud));
    const bool found = watch.WaitLines(1, 30s);
    stop.store(true);
    receiver.join();
    ASSERT_TRUE(found);
    EXPECT_EQ(watch.link.TakeNote(), "Found the receiver at 38400 baud.");
    EXPECT_NE(testsupport::ReadBytes(dir.File("quilo.log")).find("Found the receiver at 38400"),
              std::string::npos);
    for (const std::string& line : watch.lines)
        EXPECT_EQ(line, kGga) << "nothing read at a wrong rate is passed on";
}

} // namespace
