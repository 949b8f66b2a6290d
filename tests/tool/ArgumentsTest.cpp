// The one argument reading of every quilo-tool command: both option forms, --help, and the
// one-line refusals with the command's prefix.
#include "ToolCases.h"
#include "calib/CalibrationFile.h"
#include "gps/PtyPair.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using testsupport::ReadBytes;
using testsupport::RunTool;
using testsupport::TempDir;

enum class Expect { Prints, Help, Refused };

struct Case {
    std::vector<std::string> args; // the command first
    Expect expect;
    std::string text; // Prints: stdout; Help: each option name, space-separated; Refused: a
                      // fragment of the error line
};

void CheckCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        std::string legend;
        for (const auto& arg : c.args)
            legend += arg + " ";
        SCOPED_TRACE(legend);
        const auto run = RunTool(c.args, "", {"XDG_STATE_HOME=" + testing::TempDir()});
        switch (c.expect) {
        case Expect::Prints:
            EXPECT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(run.out, c.text);
            EXPECT_EQ(run.err, "");
            break;
        case Expect::Help: {
            EXPECT_EQ(run.status, 0);
            EXPECT_EQ(run.err, "");
            EXPECT_TRUE(run.out.starts_with("usage: quilo-tool " + c.args[0] + " ")) << run.out;
            std::size_t options = 0;
            for (std::size_t at = 0; (at = c.text.find("--", at)) != std::string::npos; ++at)
                ++options;
            // The usage line, the summary line, then one line per option, in order.
            EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2 + options) << run.out;
            std::size_t previous = 0;
            for (std::size_t at = 0; at < c.text.size();) {
                const std::size_t end = std::min(c.text.find(' ', at), c.text.size());
                const std::string line = "\n  " + c.text.substr(at, end - at) + " ";
                const std::size_t found = run.out.find(line);
                EXPECT_NE(found, std::string::npos) << line;
                EXPECT_GT(found, previous) << line;
                previous = found;
                at = end + 1;
            }
            break;
        }
        case Expect::Refused:
            tooltest::ExpectRefused(run);
            EXPECT_TRUE(run.err.starts_with("quilo-tool " + c.args[0] + ": ")) << run.err;
            EXPECT_NE(run.err.find(c.text), std::string::npos) << run.err;
            break;
        }
    }
}

TEST(ToolArguments, EveryCommandReadsOptionsOneWay) {
    const TempDir dir;
    calib::CGPSMapFuncs onePair;
    onePair.AddCalibrationPoint(MapPos(10, 20), MapPos(7, 45));
    const std::string mcd = dir.File("one.mcd");
    ASSERT_TRUE(calib::SaveCalibrationFile(mcd, onePair));
    const std::string capture = std::string(QUILO_TEST_DATA) + "/nmea/quectel-eg25-g.log";
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    const std::string tty = pty.Path();
    const std::string dm = "0\u00b00.08'W 51\u00b028.67'N\n";
    const std::string east5 = "111195.0662708878\t90.00000000000009\t85.00000000000009\n";
    const std::string connected = "GPS: Connected.\nGPS: Disconnected.\n";

    CheckCases({
        {{"coord", "51.4778", "-0.0014", "--format=dm"}, Expect::Prints, dm},
        {{"coord", "51.4778", "-0.0014", "--format", "dm"}, Expect::Prints, dm},
        {{"coord", "--help"}, Expect::Help, "--format"},
        {{"coord", "1", "2", "--frmat", "dm"}, Expect::Refused, "unknown option '--frmat'"},
        {{"coord", "1", "2", "--format"}, Expect::Refused, "--format needs"},
        {{"coord", "1", "2", "--format=dd"}, Expect::Refused, "'dd'"},
        {{"coord", "1"}, Expect::Refused, "missing LON"},
        {{"coord", "1", "x"}, Expect::Refused, "bad longitude 'x'"},

        {{"range", "0", "0", "0", "1", "--magvar=5"}, Expect::Prints, east5},
        {{"range", "0", "0", "0", "1", "--magvar", "5"}, Expect::Prints, east5},
        {{"range", "--help"}, Expect::Help, "--magvar"},
        {{"range", "0", "0", "0", "1", "--metric"}, Expect::Refused, "unknown option '--metric'"},
        {{"range", "0", "0", "0", "1", "--magvar"}, Expect::Refused, "--magvar needs"},
        {{"range", "0", "0", "0", "1", "--magvar=east"}, Expect::Refused, "'east'"},
        {{"range", "0", "0", "0", "1", "5"}, Expect::Refused, "unexpected argument '5'"},

        {{"calib", mcd, "--height=100", "--pixel=0", "100"}, Expect::Prints, "52\t0\n"},
        {{"calib", mcd, "--height", "100", "--pixel", "0", "100"}, Expect::Prints, "52\t0\n"},
        {{"calib", mcd, "--geo=52", "0", "--height=100"}, Expect::Prints, "-0\t100\n"},
        {{"calib", "--help"}, Expect::Help, "--height --pixel --geo --add --grid --datum --keep"},
        {{"calib", mcd, "--width", "5"}, Expect::Refused, "unknown option '--width'"},
        {{"calib", mcd, "--height=100", "--geo", "52"}, Expect::Refused, "--geo needs"},
        {{"calib", mcd, "--height=1.5"}, Expect::Refused, "--height"},
        {{"calib", mcd, mcd}, Expect::Refused, "unexpected argument"},

        {{"convert", capture, dir.File("a.kml"), "--max-length=5"}, Expect::Prints, ""},
        {{"convert", capture, dir.File("b.kml"), "--max-length", "5"}, Expect::Prints, ""},
        {{"convert", "--help"}, Expect::Help, "--min-delta --max-length"},
        {{"convert", capture, dir.File("c.kml"), "--max"}, Expect::Refused, "unknown option"},
        {{"convert", capture, dir.File("c.kml"), "--min-delta"}, Expect::Refused, "--min-delta"},
        {{"convert", capture, dir.File("c.kml"), "--min-delta=-1"}, Expect::Refused, "'-1'"},
        {{"convert", capture}, Expect::Refused, "missing OUT"},

        {{"decode", "--help"}, Expect::Help, "--json"},
        {{"decode", "--verbose"}, Expect::Refused, "unknown option '--verbose'"},
        {{"decode", "--verbose=1"}, Expect::Refused, "unknown option '--verbose'"},

        {{"stats", "--help"}, Expect::Help, "--json"},
        {{"stats", "--json"}, Expect::Refused, "missing FILE..."},

        {{"monitor", tty, "--seconds=0.05", "--rate=0"}, Expect::Prints, connected},
        {{"monitor", tty, "--seconds", "0.05", "--baud", "9600"}, Expect::Prints, connected},
        {{"monitor", "--help"}, Expect::Help, "--baud --seconds --rate --format --json"},
        {{"monitor", tty, "--verbose"}, Expect::Refused, "unknown option '--verbose'"},
        {{"monitor", tty, "--rate"}, Expect::Refused, "--rate needs"},
        {{"monitor", tty, "--baud=fast"}, Expect::Refused, "'fast'"},
        {{"monitor"}, Expect::Refused, "missing SOURCE"},
    });
    // Both forms of the value reach the command alike.
    EXPECT_EQ(ReadBytes(dir.File("a.kml")), ReadBytes(dir.File("b.kml")));
    EXPECT_NE(ReadBytes(dir.File("a.kml")), "");
    EXPECT_FALSE(std::filesystem::exists(dir.File("c.kml")));
}

} // namespace
