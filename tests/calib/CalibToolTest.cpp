#include "calib/CalibrationFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ToolRun {
    int status = -1;
    std::string out, err;
};

// Runs quilo-tool with a shell-quoted argument string; LC_ALL is set to a comma-decimal
// locale, which must not change a single character of the output.
ToolRun RunTool(const std::string& arguments) {
    const auto errPath =
        std::filesystem::temp_directory_path() / ("quilo_calib_err_" + std::to_string(::getpid()));
    const std::string command = std::string("LC_ALL=de_DE.UTF-8 '") + QUILO_TOOL_PATH + "' " +
                                arguments + " 2>'" + errPath.string() + "'";
    ToolRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[256];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    const int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream errFile(errPath);
    run.err.assign(std::istreambuf_iterator<char>(errFile), {});
    std::filesystem::remove(errPath);
    return run;
}

struct Row {
    const char* legend;
    std::string arguments;
    const char* out; // nullptr: bad arguments or input, exit 2 with one line on stderr
};

void CheckRuns(const Row* begin, const Row* end) {
    for (const Row* row = begin; row != end; ++row) {
        SCOPED_TRACE(row->legend);
        const ToolRun run = RunTool(row->arguments);
        if (row->out != nullptr) {
            EXPECT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(run.out, row->out);
            EXPECT_EQ(run.err, "");
        } else {
            EXPECT_EQ(run.status, 2);
            EXPECT_EQ(run.out, "");
            ASSERT_FALSE(run.err.empty());
            EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        }
    }
}

TEST(CalibToolTest, Range) {
    const Row rows[] = {
        {"one degree east", "range 0 0 0 1",
         "111195.0662708878\t90.00000000000009\t90.00000000000009\n"},
        {"east with 5 E variation", "range 0 0 0 1 --magvar 5",
         "111195.0662708878\t90.00000000000009\t85.00000000000009\n"},
        {"south with 180 W variation is not reduced", "range 0 0 -1 0 --magvar=-180",
         "111195.0662708878\t180.00000000000017\t360.00000000000017\n"},
        {"same position", "range 47.123456789 8.5 47.123456789 8.5", "0\t0\t0\n"},
        {"three numbers", "range 1 2 3", nullptr},
        {"latitude beyond the pole", "range 91 0 0 0", nullptr},
        {"decimal comma", "range 0,5 0 0 1", nullptr},
        {"variation without value", "range 0 0 0 1 --magvar", nullptr},
        {"unknown option", "range 0 0 0 1 --metric", nullptr},
    };
    CheckRuns(std::begin(rows), std::end(rows));
}

TEST(CalibToolTest, Calib) {
    std::string dirPattern = (std::filesystem::temp_directory_path() / "calibtoolXXXXXX").string();
    ASSERT_NE(::mkdtemp(dirPattern.data()), nullptr);
    const std::filesystem::path dir = dirPattern;

    calib::CGPSMapFuncs c;
    c.AddCalibrationPoint(MapPos(0, 480), MapPos(-0.25, 51.5));
    c.AddCalibrationPoint(MapPos(640, 480), MapPos(0.75, 51.5));
    c.AddCalibrationPoint(MapPos(0, 0), MapPos(-0.25, 50.9));
    c.SetMagVar(-3.5);
    const std::string full = (dir / "area.mcd").string();
    ASSERT_TRUE(calib::SaveCalibrationFile(full, c));

    calib::CGPSMapFuncs onePair;
    onePair.AddCalibrationPoint(MapPos(10, 20), MapPos(7, 45));
    const std::string partial = (dir / "one.mcd").string();
    ASSERT_TRUE(calib::SaveCalibrationFile(partial, onePair));

    std::string bytes;
    c.Serialize(bytes);
    const std::string truncated = (dir / "short.mcd").string();
    std::ofstream(truncated, std::ios::binary) << bytes.substr(0, 153);

    const Row rows[] = {
        {"listing", "calib '" + full + "'",
         "pair\t0\t480\t51.5\t-0.25\npair\t640\t480\t51.5\t0.75\npair\t0\t0\t50.9\t-0.25\n"
         "magvar\t-3.5\nparams\t0.0015625\t0\t-0\t0.001250000000000003\t-0.25\t50.9\n"},
        {"one pair keeps the initial parameters", "calib '" + partial + "' --height 100",
         "pair\t10\t20\t45\t7\nmagvar\t0\nparams\t0.01\t0\t0\t0.01\t0\t52\n"},
        {"conversions in argument order",
         "calib '" + full + "' --height 480 --pixel 0 0 --geo 51.2 0.25 --pixel 640 480",
         "51.5\t-0.25\n320\t239.99999999999716\n50.9\t0.75\n"},
        {"uncalibrated height applies", "calib '" + partial + "' --height 100 --pixel 0 100",
         "52\t0\n"},
        {"conversions without height", "calib '" + full + "' --pixel 1 2", nullptr},
        {"negative height", "calib '" + full + "' --height -5", nullptr},
        {"pixel with one number", "calib '" + full + "' --height 480 --pixel 1", nullptr},
        {"latitude beyond the pole", "calib '" + full + "' --height 480 --geo 95 0", nullptr},
        {"missing file", "calib '" + (dir / "none.mcd").string() + "'", nullptr},
        {"truncated file", "calib '" + truncated + "'", nullptr},
        {"no file", "calib --height 480", nullptr},
    };
    CheckRuns(std::begin(rows), std::end(rows));
    std::filesystem::remove_all(dir);
}

} // namespace
