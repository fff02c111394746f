// COM ports on Windows: their numbers both ways, and ports that cannot be opened.
#include "link/windows_serial_port.h"

#include <gtest/gtest.h>

#include "datafile/test_support.h"
#include "link/port_names.h"
#include "link/port_settings.h"
#include "platform/utf8_path.h"

namespace zq {
namespace {

TEST(WindowsPorts, ComNumbersNameDevicesOfTheDeviceNamespaceBothWays) {
  EXPECT_EQ(DeviceOfPortNumber(5), "\\\\.\\COM5");
  EXPECT_EQ(DeviceOfPortNumber(12), "\\\\.\\COM12");
  EXPECT_EQ(PortNumberOfDevice("\\\\.\\COM12"), 12);
  EXPECT_EQ(PortNumberOfDevice("COM3"), 3);
  EXPECT_EQ(PortNumberOfDevice("COM03"), std::nullopt);
  EXPECT_EQ(PortNumberOfDevice("/dev/ttyS0"), std::nullopt);
  EXPECT_EQ(DeviceOfPortNumber(0), std::nullopt);
  EXPECT_EQ(DeviceOfPortNumber(kNamedDevicePort), std::nullopt);
  EXPECT_EQ(DeviceOfPortName("COM7"), "\\\\.\\COM7");
  EXPECT_EQ(ChoiceOfDevice("\\\\.\\COM7"), (PortChoice{7, ""}));
  EXPECT_EQ(DeviceOfChoice({7, ""}), "\\\\.\\COM7");
}

TEST(WindowsPorts, AMissingPortOrAFileIsRefusedWithTheSystemsReason) {
  WindowsSerialPort port;
  PortOpenResult missing = port.Open("\\\\.\\COM249");
  EXPECT_EQ(missing.failure, PortFailure::Missing);
  EXPECT_FALSE(missing.detail.empty());
  EXPECT_FALSE(port.IsOpen());

  test::TempFolder dir;
  test::WriteText(dir / "not-a-port", "text");
  PortOpenResult file = port.Open(Utf8OfPath(dir / "not-a-port"));
  EXPECT_EQ(file.failure, PortFailure::NotSerial);
  EXPECT_FALSE(port.IsOpen());
}

}  // namespace
}  // namespace zq
