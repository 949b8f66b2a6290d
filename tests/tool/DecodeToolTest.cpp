// quilo-tool decode as a harness: line cutting, output fields, errors, and the same results
// under a comma-decimal locale.
#include "gps/NmeaDecode.h"

#include "LiveTool.h"
#include "ToolCases.h"
#include "support/RunTool.h"
#include "support/TestFiles.h"

#include <clocale>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <locale>
#include <memory>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::string_literals;

const std::string kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
const std::string kGsa = "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39";
const std::string kRmc = "$GPRMC,1,V,4807.038,S,01131.000,W,,,,,*00";

struct ToolRow {
    const char* legend;
    std::string input;
    std::string output;
};

const ToolRow kToolRows[] = {
    {"each type with its values, CR LF", kGga + "\r\n" + kGsa + "\r\n" + kRmc + "\r\n",
     "1\tGGA\t1\t48.117300001780194\t11.516666666666666\t8\t0.9\t545.4\n"
     "2\tGSA\t1\t5\t1.3\n"
     "3\tRMC\t1\t-48.117300001780194\t-11.516666666666666\n"},
    {"LF, CR and CR LF each end one line; CR CR LF is two",
     "$GPGSV,x\n" + kGsa + "\r" + kGsa + "\r\r\n" + kGsa,
     "2\tGSA\t1\t5\t1.3\n3\tGSA\t1\t5\t1.3\n5\tGSA\t1\t5\t1.3\n"},
    {"absent GGA values print as a fresh record's",
     "$GPGGA,1,4807.038,N,01131.000,E,0,,,,M,,M,,*00\n",
     "1\tGGA\t1\t48.117300001780194\t11.516666666666666\t-1\t-1\t0\n"},
    {"a refused line prints only its verdict",
     "$GNRMC,,V,,,,,,,,,,N*53\n$GPGGA,1,,,,,0,05,28.92,,M,,M,,\n$GPGSA,A,3*00\n",
     "1\tRMC\t0\n2\tGGA\t0\n3\tGSA\t0\n"},
    {"other types, comments and lower case print nothing",
     "# $GPGGA,123519,4807.038,N\n$gpgga,1,2,N,3,E,1,,,,,,,,\n$GPGLL,4807.038,N\n", ""},
    {"NUL bytes and garbage do not break the stream; a NUL in a latitude is no position",
     "\0\0\0\0\xff\xfe$GPR\n"s + "$GPGGA,1,48\0"s + "7.038,N,01131.000,E,,,,,,,,,\n" + kGsa,
     "2\tGGA\t0\n3\tGSA\t1\t5\t1.3\n"},
    {"a line beyond 64 KiB is not decoded but keeps its number",
     std::string(70000, 'x') + '\n' + kGsa, "2\tGSA\t1\t5\t1.3\n"},
    {"empty input", "", ""},
};

TEST(DecodeTool, OutputTable) {
    for (const auto& row : kToolRows) {
        const auto result = testsupport::RunTool({"decode"}, row.input);
        EXPECT_EQ(result.status, 0) << row.legend;
        EXPECT_EQ(result.out, row.output) << row.legend;
        EXPECT_EQ(result.err, "") << row.legend;
    }
}

// --json: every field of each sentence, null for what it lacks, and the sky of a group.
TEST(DecodeTool, JsonTable) {
    const ToolRow rows[] = {
        {"a GSV group around other lines, used from the GSA before it",
         "$GPRMC,235959.5,A,4807.038,N,01131.000,E,022.4,084.4,311299,003.1,W,A\n"
         "$GNGSA,A,3,05,,,,,,,,,,,,2.5,1.3,2.1,1\n"
         "$GPGSV,2,1,05,05,40,083,46,02,17,308,,12,07,344,39,14,22,228,\n"
         "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,A\n$GPGSV,2,2,05,65,91,360,100\n",
         R"({"type":"RMC","line":1,"talker":"GP","ok":true,"time":"23:59:59.500","status":"A","lat":48.117300001780194,"lon":11.516666666666666,"speed_kn":22.4,"course":84.4,"date":"1999-12-31","magvar":-3.1,"mode":"A"}
{"type":"GSA","line":2,"talker":"GN","ok":true,"mode":3,"prns":[5],"pdop":2.5,"hdop":1.3,"vdop":2.1,"system":1}
{"type":"GSV","line":3,"talker":"GP","ok":true,"sentences":2,"number":1,"in_view":5,"signal":null,"system":null,"satellites":[{"prn":5,"el":40,"az":83,"snr":46},{"prn":2,"el":17,"az":308,"snr":null},{"prn":12,"el":7,"az":344,"snr":39},{"prn":14,"el":22,"az":228,"snr":null}]}
{"type":"VTG","line":4,"talker":"GP","ok":true,"course":54.7,"course_mag":34.4,"speed_kn":5.5,"speed_kmh":10.2,"mode":"A"}
{"type":"GSV","line":5,"talker":"GP","ok":true,"sentences":2,"number":2,"in_view":5,"signal":null,"system":null,"satellites":[{"prn":65,"el":null,"az":null,"snr":null}]}
{"type":"sky","line":5,"time":"1999-12-31T23:59:59.500Z","talker":"GP","signal":null,"satellites":[{"prn":5,"el":40,"az":83,"snr":46,"used":true,"system":"GPS"},{"prn":2,"el":17,"az":308,"snr":null,"used":false,"system":"GPS"},{"prn":12,"el":7,"az":344,"snr":39,"used":false,"system":"GPS"},{"prn":14,"el":22,"az":228,"snr":null,"used":false,"system":"GPS"},{"prn":65,"el":null,"az":null,"snr":null,"used":false,"system":"GPS"}]}
)"},
        {"a hostile talker stays one string; GST and ZDA",
         "$\"\\GGA,1,,,,,0,,,,,,,,\n"
         "$GPGST,172814.0,0.006,0.023,0.020,273.6,0.023,0.020,0.031\n"
         "$GPZDA,201530.00,04,07,2002,-5,00\n",
         R"({"type":"GGA","line":1,"talker":"\"\\","ok":false,"time":null,"lat":null,"lon":null,"quality":0,"satellites":null,"hdop":null,"alt":null}
{"type":"GST","line":2,"talker":"GP","ok":true,"time":"17:28:14.000","rms":0.006,"major":0.023,"minor":0.02,"orient":273.6,"lat_err":0.023,"lon_err":0.02,"alt_err":0.031}
{"type":"ZDA","line":3,"talker":"GP","ok":true,"time":"2002-07-04T20:15:30Z","zone_hours":-5,"zone_minutes":0}
)"},
        {"garbled and impossible numbers are null, never 0",
         "$GPRMC,123519,A,NaN,N,01131.000,E,1e2,-0,230394,,\n"
         "$GPRMC,123519,A," +
             std::string(30, '9') +
             ",N,01131.000,E,,,230394,,\n"
             "$GPGGA,123519,4807.038,N,01131.000,E,1,08,-0,99999999999999999999,M,,M,,\n",
         R"({"type":"RMC","line":1,"talker":"GP","ok":false,"time":"12:35:19.000","status":"A","lat":null,"lon":null,"speed_kn":null,"course":null,"date":"1994-03-23","magvar":null,"mode":null}
{"type":"RMC","line":2,"talker":"GP","ok":false,"time":"12:35:19.000","status":"A","lat":null,"lon":null,"speed_kn":null,"course":null,"date":"1994-03-23","magvar":null,"mode":null}
{"type":"GGA","line":3,"talker":"GP","ok":true,"time":"12:35:19.000","lat":48.117300001780194,"lon":11.516666666666666,"quality":1,"satellites":8,"hdop":null,"alt":null}
)"},
    };
    for (const auto& row : rows) {
        const auto result = testsupport::RunTool({"decode", "--json"}, row.input);
        EXPECT_EQ(result.status, 0) << row.legend;
        EXPECT_EQ(result.out, row.output) << row.legend;
    }
}

TEST(DecodeTool, FileArgumentReadsTheSameBytes) {
    const testsupport::TempDir dir;
    const std::string path = dir.File("capture.log");
    testsupport::WriteBytes(path, kToolRows[0].input);
    const auto result = testsupport::RunTool({"decode", path});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, kToolRows[0].output);

    // A named pipe (a shell's <(...)) is read as it comes, as standard input is.
    const std::string pipe = dir.File("capture.fifo");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::thread writer([&] { testsupport::WriteBytes(pipe, kToolRows[0].input); });
    const auto piped = testsupport::RunTool({"decode", pipe});
    // Should the tool not have read it, the writer waits for a reader: give it one to end.
    const int reader = piped.status != 0 ? ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK) : -1;
    writer.join();
    if (reader >= 0)
        ::close(reader);
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out, kToolRows[0].output);
}

// A live receiver piped in: each line is decoded while the writer still holds the pipe open.
TEST(DecodeTool, StreamsAsTheInputComes) {
    const testsupport::TempDir dir;
    const std::string pipe = dir.File("live.fifo");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // Opened for reading and writing, the pipe has a writer at once and never blocks the test.
    const int writer = ::open(pipe.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    testsupport::LiveTool tool({"decode", pipe});
    ASSERT_TRUE(tool.Started());
    for (const auto& [line, output] :
         {std::pair{kGga + "\r\n",
                    "1\tGGA\t1\t48.117300001780194\t11.516666666666666\t8\t0.9\t545.4"},
          std::pair{kGsa + "\r\n", "2\tGSA\t1\t5\t1.3"}}) {
        ASSERT_EQ(::write(writer, line.data(), line.size()), static_cast<ssize_t>(line.size()));
        EXPECT_EQ(tool.ReadLine(), output);
    }
    ::close(writer);
    EXPECT_EQ(tool.Wait(), 0);
}

TEST(DecodeTool, BadInputExitsTwoWithOneLine) {
    const testsupport::TempDir dir;
    const std::vector<std::vector<std::string>> cases = {
        {"decode", dir.File("missing.log")}, // no such file
        {"decode", dir.Path()},              // a directory
        {"decode", "a.log", "b.log"},        // two files
        {"decode", "--verbose"},             // unknown option
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args.back());
        tooltest::ExpectRefused(testsupport::RunTool(args));
    }
}

// Numbers must not follow the process locale. Prefer a real comma-decimal C locale (installed,
// or compiled into a temporary directory with localedef); without one, a C++ global locale
// whose decimal point is ',' still catches any stream formatting that is not imbued.
class CommaLocale {
public:
    CommaLocale() : saved_(std::setlocale(LC_ALL, nullptr)) {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"}) {
            if (std::setlocale(LC_ALL, name) && Comma()) {
                name_ = name;
                break;
            }
        }
        if (name_.empty() && CompileLocale()) {
            if (std::setlocale(LC_ALL, "de_DE.UTF-8") && Comma()) {
                name_ = "de_DE.UTF-8";
            } else {
                // localedef made nothing usable (no locale sources on a minimal system).
                ::unsetenv("LOCPATH");
                dir_.reset();
            }
        }
        if (name_.empty()) {
            std::setlocale(LC_ALL, saved_.c_str());
            std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
        } else {
            std::locale::global(std::locale(name_));
        }
    }
    ~CommaLocale() {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, saved_.c_str());
        if (dir_)
            ::unsetenv("LOCPATH");
    }
    // The locale a child process should get, e.g. {"LC_ALL=de_DE.UTF-8", "LOCPATH=..."}.
    std::vector<std::string> Environment() const {
        std::vector<std::string> env;
        if (!name_.empty())
            env.push_back("LC_ALL=" + name_);
        if (dir_)
            env.push_back("LOCPATH=" + dir_->Path().string());
        return env;
    }
    const std::string& Name() const { return name_; }

private:
    struct CommaPoint : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    static bool Comma() { return std::localeconv()->decimal_point[0] == ','; }
    bool CompileLocale() {
        if (::access("/usr/bin/localedef", X_OK) != 0)
            return false;
        dir_ = std::make_unique<testsupport::TempDir>();
        const auto made = testsupport::Run(
            "/usr/bin/localedef", {"-c", "-i", "de_DE", "-f", "UTF-8", dir_->File("de_DE.UTF-8")});
        if (made.status != 0 && made.status != 1) // 1: warnings only, with -c
            return false;
        ::setenv("LOCPATH", dir_->Path().c_str(), 1);
        return true;
    }

    std::string saved_;
    std::string name_;
    std::unique_ptr<testsupport::TempDir> dir_;
};

struct Decoded {
    bool ok;
    double a, b, c;
    friend bool operator==(const Decoded&, const Decoded&) = default;
};

std::vector<Decoded> DecodeAll(const std::vector<std::string>& lines) {
    std::vector<Decoded> out;
    for (const auto& line : lines) {
        gps::GgaRecord gga;
        gps::RmcRecord rmc;
        gps::GsaRecord gsa;
        out.push_back(
            {gps::DecodeGga(line, gga), gga.latitude, gga.longitude, gga.hdop.value_or(-1.0)});
        out.push_back({gps::DecodeGga(line, gga), gga.altitude.value_or(0.0),
                       gga.satellites.value_or(-1) * 1.0, 0});
        out.push_back({gps::DecodeRmc(line, rmc), rmc.latitude, rmc.longitude, 0});
        out.push_back(
            {gps::DecodeGsa(line, gsa), gsa.hdop.value_or(0.0), gsa.satellitesUsed * 1.0, 0});
    }
    return out;
}

TEST(DecodeTool, CommaDecimalLocaleGivesIdenticalResults) {
    const std::vector<std::string> lines = {kGga, kGsa, kRmc,
                                            "$GNGGA,1,5327.03598945,N,00214.41467156,W,1,08,7.5,"
                                            "36.3017,M,51.6775,M,,*5B"};
    const auto expected = DecodeAll(lines);
    const std::string input = kGga + "\n" + kGsa + "\n" + kRmc + "\n" + lines[3] + "\n";
    const auto expectedTool = testsupport::RunTool({"decode"}, input);
    ASSERT_EQ(expectedTool.status, 0);
    ASSERT_NE(expectedTool.out.find("545.4"), std::string::npos);

    CommaLocale locale;
    std::ostringstream probe;
    probe << 0.5;
    ASSERT_EQ(probe.str(), "0,5") << "the comma locale did not take effect";
    EXPECT_EQ(DecodeAll(lines), expected);

    // A locale the system does not have leaves the tool in "C", as any program.
    const auto missing = testsupport::RunTool({"decode"}, input, {"LC_ALL=xx_XX.UTF-8"});
    EXPECT_EQ(missing.status, 0) << missing.err;
    EXPECT_EQ(missing.out, expectedTool.out);

    if (locale.Name().empty())
        GTEST_SKIP() << "no comma-decimal C locale is installed or can be made here (Debian: "
                        "package locales with de_DE.UTF-8 generated); the tool ran only in C";
    const auto tool = testsupport::RunTool({"decode"}, input, locale.Environment());
    EXPECT_EQ(tool.status, 0);
    EXPECT_EQ(tool.out, expectedTool.out);
}

} // namespace
