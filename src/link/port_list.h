#pragma once
// The serial ports the system has, as entries of the port window's list.
#include <filesystem>
#include <vector>

#include "link/port_names.h"

namespace zq {

// Every serial port of the system, in port-number order. A pseudo-terminal is
// never listed; it can still be named as a device path.
std::vector<PortEntry> ListSerialPorts();

// The same, read from a tty class folder laid out like /sys/class/tty and a
// device folder like /dev. Only devices of the port-number table that have a
// hardware device behind them and a device node are listed; a built-in port
// the driver knows to be absent is left out. An entry carries the adapter's
// own name and its link under the device folder's serial/by-id, when it has them.
std::vector<PortEntry> ListSerialPortsIn(const std::filesystem::path& ttyClass, const std::filesystem::path& devFolder);

}  // namespace zq
