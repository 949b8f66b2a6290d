#include "platform/SerialDevices.h"

#include "support/TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// A machine laid out as the kernel and udev lay it out: a USB receiver on ttyUSB0 (sysfs
// links through its port and interface to the USB device that carries the strings), a
// built-in ttyS0 without any, and a by-id link.
TEST(SerialDevices, ListsByIdFirstAndNamesTheMakerAndModel) {
    testsupport::TempDir dir;
    const fs::path root = dir.Path();
    const fs::path usb = root / "sys/devices/pci0/usb1/1-1";
    fs::create_directories(usb / "1-1:1.0/ttyUSB0");
    fs::create_directories(root / "sys/devices/platform/serial8250/tty/ttyS0");
    testsupport::WriteBytes((usb / "product").string(), "u-blox 7 - GPS/GNSS Receiver\n");
    testsupport::WriteBytes((usb / "manufacturer").string(), "u-blox AG\n");
    fs::create_directories(root / "sys/class/tty/ttyUSB0");
    fs::create_directories(root / "sys/class/tty/ttyS0");
    fs::create_directory_symlink("../../../devices/pci0/usb1/1-1/1-1:1.0/ttyUSB0",
                                 root / "sys/class/tty/ttyUSB0/device");
    fs::create_directory_symlink("../../../devices/platform/serial8250",
                                 root / "sys/class/tty/ttyS0/device");
    fs::create_directories(root / "dev/serial/by-id");
    for (const char* node : {"dev/ttyUSB0", "dev/ttyS0", "dev/ttyS10", "dev/ttyS2"})
        testsupport::WriteBytes((root / node).string(), "");
    const std::string byId = "/dev/serial/by-id/usb-u-blox_AG_u-blox_7-if00";
    fs::create_symlink("../../ttyUSB0", root / byId.substr(1));

    const std::string r = root.string();
    EXPECT_EQ(platform::ListSerialDevices(r),
              (std::vector<std::string>{r + byId, r + "/dev/ttyUSB0", r + "/dev/ttyS0",
                                        r + "/dev/ttyS2", r + "/dev/ttyS10"}));
    const std::string ublox = "u-blox AG u-blox 7 - GPS/GNSS Receiver";
    EXPECT_EQ(platform::SerialDeviceDescription("/dev/ttyUSB0", r), ublox);
    EXPECT_EQ(platform::SerialDeviceDescription(byId, r), ublox);
    EXPECT_EQ(platform::SerialDeviceDescription("/dev/ttyS0", r), "");
    EXPECT_EQ(platform::SerialDeviceDescription("/dev/ttyUSB9", r), ""); // unplugged
}

} // namespace
