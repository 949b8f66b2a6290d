// The last session and the recent maps in the settings store.
#include "session/LastSession.h"

#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

namespace {

using Paths = std::vector<std::string>;

TEST(RecentMaps, NewestFirstWithoutRepeatsAndAtMostEight) {
    const struct {
        const char* legend;
        Paths before;
        std::string added;
        Paths after;
    } rows[] = {
        {"first", {}, "a", {"a"}},
        {"new goes first", {"a", "b"}, "c", {"c", "a", "b"}},
        {"again moves to the front", {"a", "b", "c"}, "c", {"c", "a", "b"}},
        {"the ninth drops the oldest",
         {"1", "2", "3", "4", "5", "6", "7", "8"},
         "9",
         {"9", "1", "2", "3", "4", "5", "6", "7"}},
        {"a repeat in a full list drops nothing",
         {"1", "2", "3", "4", "5", "6", "7", "8"},
         "8",
         {"8", "1", "2", "3", "4", "5", "6", "7"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(session::WithRecentMap(row.before, row.added), row.after) << row.legend;
}

TEST(RecentMaps, ReadBackAsWrittenAndHandEditsAreTidied) {
    MemorySettingsStore store;
    EXPECT_TRUE(session::ReadRecentMaps(store).empty());
    session::WriteRecentMaps(store, {"/m/a.png", "/m/b.png"});
    EXPECT_EQ(session::ReadRecentMaps(store), (Paths{"/m/a.png", "/m/b.png"}));
    // A shorter list clears the keys the longer one used.
    session::WriteRecentMaps(store, {"/m/c.png"});
    EXPECT_EQ(session::ReadRecentMaps(store), (Paths{"/m/c.png"}));
    store.WriteText(session::kSessionSection, "RecentMap3", "/m/c.png"); // a repeat after a gap
    store.WriteText(session::kSessionSection, "RecentMap5", "/m/d.png");
    EXPECT_EQ(session::ReadRecentMaps(store), (Paths{"/m/c.png", "/m/d.png"}));
}

TEST(LastSession, RoundTripsAndDamagedValuesReadAsDefaults) {
    MemorySettingsStore store;
    EXPECT_EQ(session::LastSession::Read(store), session::LastSession{});
    EXPECT_TRUE(session::ReadReopenLastMap(store));
    const session::LastSession last{"/maps/town.png", 1.44, -310, 1700, "AdnQywADAAA="};
    last.Write(store);
    EXPECT_EQ(session::LastSession::Read(store), last);
    for (const char* zoom : {"0", "-2", "nan", "inf", "1,5", ""}) {
        store.WriteText(session::kSessionSection, "LastZoom", zoom);
        EXPECT_EQ(session::LastSession::Read(store).zoom, 1.0) << zoom;
    }
    session::WriteReopenLastMap(store, false);
    EXPECT_FALSE(session::ReadReopenLastMap(store));
}

} // namespace
