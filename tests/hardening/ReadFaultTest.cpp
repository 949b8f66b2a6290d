// Damaged, hostile and unreadable files given to each reader through the function the program
// loads them with: every one is reported, naming the path, and leaves what was loaded before
// exactly as it was.
#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "HardeningSupport.h"
#include "calib/CalibrationFile.h"
#include "gps/NmeaLineAssembler.h"
#include "points/PointsFile.h"
#include "trail/TrailFile.h"

namespace {

struct LoadOutcome {
    bool ok = false;
    std::string error;
    bool unchanged = false; // the state the reader was given is exactly as before
};

struct Reader {
    const char* legend;
    std::string goodBytes; // a whole file of this kind
    std::function<LoadOutcome(const std::string& path)> load;
};

calib::CGPSMapFuncs Calibrated(double variation) {
    calib::CGPSMapFuncs calibration;
    (void)calibration.AddCalibrationPoint(MapPos(0, 0), MapPos(11.0, 48.0));
    (void)calibration.AddCalibrationPoint(MapPos(1000, 0), MapPos(12.0, 48.0));
    (void)calibration.AddCalibrationPoint(MapPos(0, 800), MapPos(11.0, 49.0));
    calibration.SetMagVar(variation);
    return calibration;
}

std::vector<MapPos> Samples(const trail::TrailBuffer& trail) {
    const auto walk = trail.NewestToOldest();
    return {walk.begin(), walk.end()};
}

const std::vector<Reader>& Readers() {
    static const std::vector<Reader> readers = [] {
        std::string calibrationBytes;
        Calibrated(-2.0).Serialize(calibrationBytes);
        trail::TrailBuffer track;
        for (int i = 0; i < 8; ++i)
            track.AddFront(MapPos(11.5 + i * 1e-3, 48.1));
        const points::MapPointList twoPoints = {
            CMapPoint("Home", MapPos(-0.0014, 51.4778), 2, 2, 4, 2, ""),
            CMapPoint("Caf\xC3\xA9", MapPos(151.2, -33.8), -1, -1, -1, -1, "view"),
        };
        return std::vector<Reader>{
            {"calibration file", calibrationBytes,
             [](const std::string& path) {
                 calib::CGPSMapFuncs calibration = Calibrated(4.0);
                 const auto before = calibration;
                 const auto result = calib::LoadCalibrationFile(path, calibration);
                 return LoadOutcome{static_cast<bool>(result), result.error, calibration == before};
             }},
            {"trail file", trail::EncodeTrailFile(track),
             [](const std::string& path) {
                 trail::TrailBuffer trail;
                 trail.AddFront(MapPos(1.0, 2.0));
                 trail.AddBreak();
                 const auto before = Samples(trail);
                 const auto result = trail::LoadTrail(trail, path, 9999);
                 return LoadOutcome{static_cast<bool>(result), result.error,
                                    Samples(trail) == before};
             }},
            {"points file", points::EncodePoints(twoPoints),
             [](const std::string& path) {
                 points::MapPointList list = {CMapPoint("Kept", MapPos(1, 2), 1, 1, 1, 1, "")};
                 const auto before = list;
                 const auto result = points::ReadPointsFile(path, list);
                 return LoadOutcome{static_cast<bool>(result), result.error, list == before};
             }},
        };
    }();
    return readers;
}

void ExpectRefused(const Reader& reader, const std::string& path, const std::string& legend) {
    const LoadOutcome outcome = reader.load(path);
    EXPECT_FALSE(outcome.ok) << reader.legend << ", " << legend;
    EXPECT_EQ(outcome.error.rfind(path + ": ", 0), 0u)
        << reader.legend << ", " << legend << ": " << outcome.error;
    EXPECT_TRUE(outcome.unchanged) << reader.legend << ", " << legend;
}

TEST(ReadFaults, FileCutAtEveryByteIsRefused) {
    for (const Reader& reader : Readers()) {
        TempDir dir;
        const std::string path = dir.File("file");
        WriteBytes(path, reader.goodBytes);
        ASSERT_TRUE(reader.load(path).ok) << reader.legend << ": the whole file loads";
        for (std::size_t length = 0; length < reader.goodBytes.size(); ++length) {
            WriteBytes(path, reader.goodBytes.substr(0, length));
            ExpectRefused(reader, path, "cut to " + std::to_string(length) + " bytes");
        }
    }
}

TEST(ReadFaults, HostileFilesAreRefusedWithoutClaimingMemory) {
    // 0xFF everywhere makes every count escape to its widest form: a 32-bit count of
    // 4294967295 positions (100 GB) or a 64-bit count of points.
    const struct {
        const char* legend;
        std::string bytes;
    } files[] = {
        {"10 MB of 0xFF (absurd counts)", std::string(10 << 20, '\xff')},
        {"count escape with nothing after it", std::string("\xff\xff", 2)},
        {"empty file", ""},
    };
    for (const Reader& reader : Readers()) {
        for (const auto& file : files) {
            TempDir dir;
            const std::string path = dir.File("file");
            WriteBytes(path, file.bytes);
            ExpectRefused(reader, path, file.legend);
        }
    }
}

TEST(ReadFaults, UnreadableFilesAreRefused) {
    for (const Reader& reader : Readers()) {
        TempDir dir;
        ExpectRefused(reader, dir.Path(), "a folder where the file should be");
        // Refused at once: a FIFO without a writer would hang the open, /dev/zero never ends.
        const std::string fifo = dir.File("fifo");
        const std::string zero = dir.File("zero");
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        ASSERT_EQ(::symlink("/dev/zero", zero.c_str()), 0);
        for (const std::string& path : {fifo, zero, std::string("/dev/null")}) {
            ExpectRefused(reader, path, "not a regular file");
            EXPECT_EQ(reader.load(path).error, path + ": not a regular file") << reader.legend;
        }

        const std::string path = dir.File("secret");
        WriteBytes(path, reader.goodBytes);
        ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
        ASSERT_EQ(::chmod(dir.Path().c_str(), 0755), 0);
        if (::geteuid() != 0) {
            ASSERT_EQ(::chmod(path.c_str(), 0), 0);
            ExpectRefused(reader, path, "no read permission");
            continue;
        }
        // Root reads everything: check as a user who gave root up, in a child process.
        const pid_t child = ::fork();
        if (child == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(3);
            const LoadOutcome outcome = reader.load(path);
            const bool named = outcome.error == path + ": Permission denied";
            ::_exit(!outcome.ok && named && outcome.unchanged ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << reader.legend << ": no read permission";
    }
}

TEST(ReadFaults, SerialGarbageStaysBounded) {
    // 10 MB without a carriage return, binary garbage with NUL bytes, then a real sentence: no
    // line longer than the limit, never more than the capacity waiting, and the sentence after
    // the garbage comes through.
    std::string garbage(10 << 20, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<char>((i * 2654435761u) >> 13);
    const struct {
        const char* legend;
        std::string bytes;
    } streams[] = {
        {"10 MB line", "$GPGGA," + std::string(10 << 20, '7')},
        {"binary garbage with NUL and '$' bytes", garbage},
        {"10 MB of '$'", std::string(10 << 20, '$')},
        {"10 MB of carriage returns after a short line", "$GPX" + std::string(10 << 20, '\r')},
    };
    const std::string sentence = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,,,,*47";
    for (const auto& stream : streams) {
        gps::NmeaLineAssembler assembler(30);
        for (std::size_t at = 0; at < stream.bytes.size(); at += 4096)
            (void)assembler.Feed(stream.bytes.data() + at,
                                 std::min<std::size_t>(4096, stream.bytes.size() - at));
        const std::string tail = "\r\n" + sentence + "\r\n";
        (void)assembler.Feed(tail.data(), tail.size());
        std::vector<std::string> lines;
        for (std::string line; assembler.PopLine(line);)
            lines.push_back(line);
        ASSERT_FALSE(lines.empty()) << stream.legend;
        EXPECT_LE(lines.size(), 30u) << stream.legend;
        EXPECT_EQ(lines.back(), sentence) << stream.legend;
        for (const std::string& line : lines)
            EXPECT_LE(line.size(), gps::NmeaLineAssembler::kMaxLineLength) << stream.legend;
    }
}

} // namespace
