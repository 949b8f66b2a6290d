#include "platform/QSettingsStore.h"
#include "session/ViewSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(SettingsStore, RoundTripThroughAnIniFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("quilo.ini");
    ViewSettings written;
    written.baudRate = 115200;
    written.trailMinDelta = 2.5;
    written.trailColour = 3;
    written.positionMarker.SetSymbol(4);
    {
        platform::QSettingsStore store(path);
        written.Save(store);
        EXPECT_TRUE(store.Sync());
    }
    {
        const platform::QSettingsStore store(path);
        ViewSettings read;
        read.Load(store);
        EXPECT_EQ(read.baudRate, 115200);
        EXPECT_EQ(read.trailMinDelta, 3.0);
        EXPECT_EQ(read.trailColour, 3);
        EXPECT_EQ(read.positionMarker.GetSymbol(), 4);
        EXPECT_EQ(read.trailLength, 250);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[Settings]"));
    EXPECT_TRUE(text.contains("TrailMinDelta=3"));
}

TEST(SettingsStore, DamagedIniValuesReadAsDefaults) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("quilo.ini");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nTrailLength=abc\nGPSCOMPort=3\nTrailSize=99999999999\n");
    file.close();
    const platform::QSettingsStore store(path);
    EXPECT_EQ(store.ReadInt("Settings", "TrailLength", 250), 250);
    EXPECT_EQ(store.ReadInt("Settings", "GPSCOMPort", 8), 3);
    EXPECT_EQ(store.ReadInt("Settings", "TrailSize", 2), 2) << "beyond 32 bits";
    EXPECT_EQ(store.ReadInt("Settings", "Missing", 17), 17);
}

} // namespace
