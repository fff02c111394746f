// Serial devices of a POSIX system: the device table, the ports found under
// /sys/class/tty and the choice of a device kept in the settings file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "link/port_list.h"
#include "link/port_names.h"
#include "link/port_settings.h"
#include "platform/ini_file.h"

namespace zq {
namespace {

namespace fs = std::filesystem;

TEST(PortNames, DevicesAndNumbersMapBothWaysThroughOneTable) {
  EXPECT_EQ(PortNumberOfDevice("/dev/ttyS0"), 1);
  EXPECT_EQ(PortNumberOfDevice("ttyS98"), 99);
  EXPECT_EQ(PortNumberOfDevice("/dev/ttyUSB0"), 100);
  EXPECT_EQ(PortNumberOfDevice("/dev/ttyACM3"), 203);
  EXPECT_EQ(PortNumberOfDevice("/dev/rfcomm1"), 401);
  EXPECT_EQ(PortNumberOfDevice("/dev/ttyS99"), std::nullopt);  // beyond its family
  EXPECT_EQ(PortNumberOfDevice("/dev/ttyUSB01"), std::nullopt);
  EXPECT_EQ(PortNumberOfDevice("/dev/pts/3"), std::nullopt);
  for (const DeviceFamily& family : kDeviceFamilies) {
    for (int n : {family.firstNumber, family.firstNumber + family.count - 1}) {
      auto device = DeviceOfPortNumber(n);
      ASSERT_TRUE(device) << n;
      EXPECT_EQ(PortNumberOfDevice(*device), n);
    }
  }
  EXPECT_EQ(DeviceOfPortNumber(0), std::nullopt);
  EXPECT_EQ(DeviceOfPortNumber(kNamedDevicePort), std::nullopt);
  EXPECT_EQ(DeviceOfPortName("COM101"), "/dev/ttyUSB1");
  EXPECT_EQ(DeviceOfPortName("com3"), "/dev/ttyS2");  // typed in any letter case
  EXPECT_EQ(DeviceOfPortName("cOm101"), "/dev/ttyUSB1");
  EXPECT_EQ(DeviceOfPortName("/dev/pts/7"), "/dev/pts/7");
  EXPECT_EQ(DeviceOfPortName("COM999"), std::nullopt);
}

TEST(PortList, ListsHardwarePortsThatHaveADeviceNodeInNumberOrder) {
  fs::path root = fs::temp_directory_path() / ("zq-ports-" + std::to_string(::getpid()));
  fs::path ttyClass = root / "class", dev = root / "dev";
  auto add = [&](const std::string& name, bool hardware, bool node) {
    fs::create_directories(ttyClass / name);
    if (hardware) fs::create_directories(ttyClass / name / "device");
    if (node) std::ofstream(dev / name) << "";
  };
  fs::create_directories(dev);
  add("ttyACM1", true, true);
  add("ttyUSB0", true, true);
  add("ttyUSB3", true, false);  // unplugged: no node any more
  add("tty0", false, true);     // a console, not a serial port
  add("ttyS0", true, true);
  // The platform UART driver's ports that no chip answers for are left out.
  fs::create_directories(root / "drivers" / "serial8250");
  fs::create_directory_symlink(root / "drivers" / "serial8250", ttyClass / "ttyS0" / "device" / "driver");

  // The adapter's names sit on its USB device, above the tty's interface folder;
  // udev's stable link points at the node.
  fs::path usbDevice = root / "devices" / "usb1" / "1-2";
  fs::create_directories(usbDevice / "1-2:1.0" / "ttyUSB0");
  std::ofstream(usbDevice / "product") << "FT232R USB UART\n";
  std::ofstream(usbDevice / "manufacturer") << "FTDI\n";
  fs::remove(ttyClass / "ttyUSB0" / "device");
  fs::create_directory_symlink(usbDevice / "1-2:1.0" / "ttyUSB0", ttyClass / "ttyUSB0" / "device");
  fs::create_directories(dev / "serial" / "by-id");
  fs::create_symlink("../../ttyUSB0", dev / "serial" / "by-id" / "usb-FTDI_FT232R_USB_UART_A5XK3RJT-if00-port0");

  std::vector<PortEntry> entries = ListSerialPortsIn(ttyClass, dev);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].number, 100);
  EXPECT_EQ(entries[0].device, (dev / "ttyUSB0").string());
  EXPECT_EQ(entries[0].description, "FTDI FT232R USB UART");
  EXPECT_EQ(entries[0].stableName,
            (dev / "serial" / "by-id" / "usb-FTDI_FT232R_USB_UART_A5XK3RJT-if00-port0").string());
  EXPECT_EQ(entries[1].text(), "COM201");
  EXPECT_EQ(entries[1].description, "");  // nothing names it
  EXPECT_EQ(entries[1].stableName, "");
  fs::remove_all(root);
  EXPECT_TRUE(ListSerialPortsIn(root / "class", root / "dev").empty());
}

TEST(PortSettings, DevicesOutsideTheTableAreKeptByPathBesideADecimalPortNumber) {
  EXPECT_EQ(ChoiceOfDevice("/dev/ttyS2"), (PortChoice{3, ""}));
  EXPECT_EQ(ChoiceOfDevice("/dev/ttyUSB1"), (PortChoice{101, ""}));
  EXPECT_EQ(ChoiceOfDevice("/dev/pts/4"), (PortChoice{kNamedDevicePort, "/dev/pts/4"}));
  EXPECT_EQ(DeviceOfChoice({1, ""}), "/dev/ttyS0");
  EXPECT_EQ(DeviceOfChoice({0, ""}), "");  // no port chosen
  EXPECT_EQ(DeviceOfChoice({kNamedDevicePort, "/dev/pts/4"}), "/dev/pts/4");

  fs::path file = fs::temp_directory_path() / ("zq-settings-" + std::to_string(::getpid()) + ".ini");
  std::ofstream(file) << "[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nStopBit=1\r\n";
  ASSERT_TRUE(SavePortChoice(file, ChoiceOfDevice("/dev/pts/4")));
  EXPECT_EQ(ReadProfileString(file, "language", "comPort"), std::to_string(kNamedDevicePort));
  EXPECT_EQ(ReadNamedDevice(file), "/dev/pts/4");
  ASSERT_TRUE(SavePortChoice(file, ChoiceOfDevice("/dev/ttyUSB0")));
  EXPECT_EQ(ReadProfileString(file, "language", "comPort"), "100");
  // The other keys of the section stay as they were.
  EXPECT_EQ(ReadProfileString(file, "language", "StopBit"), "1");
  EXPECT_EQ(ReadProfileString(file, "language", "IsFirstRun"), "0");
  EXPECT_FALSE(SavePortChoice(file / "mysetup.ini", {3, ""}));  // below a file: cannot be written
  fs::remove(file);
}

}  // namespace
}  // namespace zq
