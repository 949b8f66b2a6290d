#include "gps/SerialLog.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// The expected paths end in this binary's name.
TEST(SerialLog, DefaultPathFollowsTheStateDirectory) {
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* savedState = std::getenv("XDG_STATE_HOME");
    const std::string savedStateText = savedState ? savedState : "";
    struct Row {
        const char* legend;
        const char* state; // nullptr: unset
        const char* home;
        const char* expected;
    } rows[] = {
        {"state dir set", "/var/st", "/home/u", "/var/st/quilo/test_gpslink.log"},
        {"unset: ~/.local/state", nullptr, "/home/u",
         "/home/u/.local/state/quilo/test_gpslink.log"},
        {"relative state dir ignored", "st", "/home/u",
         "/home/u/.local/state/quilo/test_gpslink.log"},
        {"no home, no state dir: no log", nullptr, "", ""},
    };
    for (const Row& row : rows) {
        if (row.state)
            ::setenv("XDG_STATE_HOME", row.state, 1);
        else
            ::unsetenv("XDG_STATE_HOME");
        ::setenv("HOME", row.home, 1);
        EXPECT_EQ(gps::DefaultSerialLogPath(), row.expected) << row.legend;
    }
    ::setenv("HOME", savedHome.c_str(), 1);
    if (savedState)
        ::setenv("XDG_STATE_HOME", savedStateText.c_str(), 1);
    else
        ::unsetenv("XDG_STATE_HOME");
}

} // namespace
