#include "link/port_list.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace zq {
namespace {

constexpr std::string_view kPlatformUartDriver = "serial8250";

// The 8250 driver registers ports whether or not a UART answers; it reports
// the absent ones as of unknown type.
bool UartPresent(const std::filesystem::path& node) {
  int fd = ::open(node.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == EACCES || errno == EPERM || errno == EBUSY;  // there, but not ours to ask
  serial_struct info{};
  bool present = ::ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type != PORT_UNKNOWN;
  ::close(fd);
  return present;
}

}  // namespace

std::vector<PortEntry> ListSerialPortsIn(const std::filesystem::path& ttyClass, const std::filesystem::path& devFolder) {
  std::vector<PortEntry> entries;
  std::error_code ec;
  for (const auto& item : std::filesystem::directory_iterator(ttyClass, ec)) {
    std::string name = item.path().filename().string();
    auto number = PortNumberOfDevice(name);
    std::filesystem::path node = devFolder / name;
    if (!number || !std::filesystem::exists(item.path() / "device", ec) || !std::filesystem::exists(node, ec))
      continue;
    auto driver = std::filesystem::read_symlink(item.path() / "device" / "driver", ec).filename().string();
    if (driver == kPlatformUartDriver && !UartPresent(node)) continue;
    entries.push_back({*number, node.string()});
  }
  std::ranges::sort(entries, {}, &PortEntry::number);
  return entries;
}

std::vector<PortEntry> ListSerialPorts() { return ListSerialPortsIn("/sys/class/tty", "/dev"); }

}  // namespace zq

