#include <gtest/gtest.h>

#include "link/port_messages.h"
#include "link/port_names.h"

namespace zq {
namespace {

TEST(PortNames, EntriesAreComAndANumber) {
  EXPECT_EQ((PortEntry{3, "any device"}.text()), "COM3");
  EXPECT_EQ(EntryNumber("COM12"), 12);
  EXPECT_EQ(EntryNumber("COM"), std::nullopt);
  EXPECT_EQ(EntryNumber("COMx"), std::nullopt);
  EXPECT_EQ(DeviceOfPortName("COM9999"), std::nullopt);           // no port has so high a number
  EXPECT_EQ(DeviceOfPortName("cOm3"), DeviceOfPortName("COM3"));  // typed in any letter case
  // Registry data: only characters 4-6 after "COM" count.
  EXPECT_EQ(EntryOfRegistryData("COM12"), "COM12");
  EXPECT_EQ(EntryOfRegistryData("COM123"), "COM123");
  EXPECT_EQ(EntryOfRegistryData("COM1234"), "COM123");
  EXPECT_EQ(EntryOfRegistryData("COM3 "), "COM3");
}

TEST(PortMessages, ReasonsNameTheDeviceAndThePermissionFix) {
  EXPECT_EQ(PortFailureReason({PortFailure::Missing}, "/dev/ttyUSB0", 1), "The device /dev/ttyUSB0 does not exist.");
  std::string permission = PortFailureReason({PortFailure::NotPermitted, "Permission denied", "dialout"},
                                             "/dev/ttyUSB0", 1);
  EXPECT_NE(permission.find("/dev/ttyUSB0"), std::string::npos);
  EXPECT_NE(permission.find("\r\nAdd your user to the group dialout (sudo usermod -aG dialout $USER)"),
            std::string::npos);
  EXPECT_EQ(PortFailureReason({PortFailure::NotPermitted, "Permission denied", ""}, "/dev/ttyS0", 1),
            "No permission to open /dev/ttyS0.");
  EXPECT_EQ(PortFailureReason({PortFailure::Other, "I/O error"}, "/dev/x", 1), "/dev/x: I/O error");
  EXPECT_EQ(PortFailureReason({PortFailure::Busy}, "/dev/x", 2), "设备 /dev/x 正被其他程序使用。");
}

}  // namespace
}  // namespace zq
