#pragma once
// How a serial device maps to the decimal port number the settings file keeps
// in "comPort" and the port list shows as "COM" + number. On Windows the number
// is the COM port's own; a POSIX system maps device families to number ranges
// through one table. docs/serial-ports.md describes both.
#include <optional>
#include <string>
#include <string_view>

namespace zq {

// The device families of a POSIX system.
struct DeviceFamily {
  std::string_view prefix;  // device name without its number, under /dev
  int firstNumber;          // port number of device 0 of the family
  int count;
};

inline constexpr DeviceFamily kDeviceFamilies[] = {
    {"ttyS", 1, 99},       // built-in ports: COM1 is ttyS0
    {"ttyUSB", 100, 100},  // USB serial adapters
    {"ttyACM", 200, 100},  // USB modems and CDC adapters
    {"ttyAMA", 300, 100},  // on-chip ports of ARM boards
    {"rfcomm", 400, 100},  // Bluetooth serial links
};

// The number standing for the device path kept in the "comDevice" key: any
// device outside the table, such as a pseudo-terminal.
inline constexpr int kNamedDevicePort = 1000;

struct PortEntry {
  int number = 0;
  std::string device;       // full path
  std::string description;  // what the device says it is ("FT232R USB UART"); may be empty
  std::string stableName;   // a path that stays with the adapter when it is plugged in elsewhere; may be empty
  // The list text: "COM" + number.
  std::string text() const { return "COM" + std::to_string(number); }
};

// "/dev/ttyUSB0" (or "ttyUSB0") gives 100 on a POSIX system, "\\.\COM5" (or
// "COM5") gives 5 on Windows; any other device gives nothing.
std::optional<int> PortNumberOfDevice(std::string_view device);
// The reverse: 100 gives "/dev/ttyUSB0", or 5 gives "\\.\COM5"; numbers that
// name no device give nothing.
std::optional<std::string> DeviceOfPortNumber(int number);
// The number of a list entry: the text after its first three characters, when it is a number.
std::optional<int> EntryNumber(std::string_view entryText);
// A device named by the user: "COM3" (in any letter case) through the table, anything else as a path.
std::optional<std::string> DeviceOfPortName(std::string_view name);
// The list entry of a registry value's data ("COM12"): "COM" + its characters 4-6, trimmed.
std::string EntryOfRegistryData(std::string_view data);

}  // namespace zq
