// `quilo-tool decode` on every real capture against the reviewed output committed in
// tests/data/nmea-golden. After an intended change to decoding, regenerate with
// scripts/regen-nmea-golden.sh and review the diff.
#include "support/RunTool.h"
#include "support/TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// The first line where the two texts differ, for a message a reviewer can act on.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
    std::istringstream e(expected), a(actual);
    std::string el, al;
    for (int n = 1;; ++n) {
        const bool moreE = static_cast<bool>(std::getline(e, el));
        const bool moreA = static_cast<bool>(std::getline(a, al));
        if (!moreE && !moreA)
            return "no line differs (line ends?)";
        if (!moreE || !moreA || el != al)
            return "output line " + std::to_string(n) + ": expected '" + (moreE ? el : "<end>") +
                   "', got '" + (moreA ? al : "<end>") + "'";
    }
}

TEST(DecodeGolden, EveryCaptureMatchesItsReviewedOutput) {
    const fs::path captures = QUILO_TEST_DATA "/nmea";
    const fs::path golden = QUILO_TEST_DATA "/nmea-golden";
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(captures)) {
        if (entry.path().extension() != ".log")
            continue;
        const std::string name = entry.path().stem().string();
        names.insert(name);
        const fs::path expectedPath = golden / (name + ".decode");
        ASSERT_TRUE(fs::exists(expectedPath))
            << expectedPath << " is missing; run scripts/regen-nmea-golden.sh and review it";
        const auto result = testsupport::RunTool({"decode", entry.path().string()});
        ASSERT_EQ(result.status, 0) << name << ": " << result.err;
        const std::string expected = testsupport::ReadBytes(expectedPath.string());
        EXPECT_EQ(result.out, expected) << name << ": " << FirstDifference(expected, result.out);
    }
    for (const auto& entry : fs::directory_iterator(golden))
        EXPECT_TRUE(names.count(entry.path().stem().string())) << entry.path() << " has no capture";
    EXPECT_EQ(names.size(), 26u);
}

} // namespace
