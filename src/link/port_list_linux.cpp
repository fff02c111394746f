#include "link/port_list.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <map>

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

std::string FirstLine(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.pop_back();
  return line;
}

// A USB adapter names itself in its device's "manufacturer" and "product"
// strings, a few folders above the tty in the device tree.
std::string DescriptionOf(const std::filesystem::path& ttyDevice) {
  constexpr int kLevelsUp = 4;
  std::error_code ec;
  std::filesystem::path folder = std::filesystem::canonical(ttyDevice, ec);
  for (int level = 0; !ec && level < kLevelsUp && folder.has_relative_path(); ++level, folder = folder.parent_path()) {
    std::string product = FirstLine(folder / "product");
    if (product.empty()) continue;
    std::string maker = FirstLine(folder / "manufacturer");
    return maker.empty() || product.find(maker) != std::string::npos ? product : maker + " " + product;
  }
  return {};
}

// udev's links under serial/by-id carry the adapter's serial number, so they
// name the same adapter whichever socket it is plugged into.
std::map<std::filesystem::path, std::string> StableNames(const std::filesystem::path& devFolder) {
  std::map<std::filesystem::path, std::string> names;
  std::error_code ec;
  for (const auto& link : std::filesystem::directory_iterator(devFolder / "serial" / "by-id", ec)) {
    std::filesystem::path target = std::filesystem::canonical(link.path(), ec);
    if (ec) continue;
    auto [it, added] = names.emplace(target, link.path().string());
    if (!added && link.path().string() < it->second) it->second = link.path().string();
  }
  return names;
}

}  // namespace

std::vector<PortEntry> ListSerialPortsIn(const std::filesystem::path& ttyClass,
                                         const std::filesystem::path& devFolder) {
  std::vector<PortEntry> entries;
  std::error_code ec;
  const auto stableNames = StableNames(devFolder);
  for (const auto& item : std::filesystem::directory_iterator(ttyClass, ec)) {
    std::string name = item.path().filename().string();
    auto number = PortNumberOfDevice(name);
    std::filesystem::path node = devFolder / name;
    if (!number || !std::filesystem::exists(item.path() / "device", ec) || !std::filesystem::exists(node, ec)) continue;
    auto driver = std::filesystem::read_symlink(item.path() / "device" / "driver", ec).filename().string();
    if (driver == kPlatformUartDriver && !UartPresent(node)) continue;
    auto stable = stableNames.find(std::filesystem::canonical(node, ec));
    entries.push_back({*number, node.string(), DescriptionOf(item.path() / "device"),
                       stable != stableNames.end() ? stable->second : std::string()});
  }
  std::ranges::sort(entries, {}, &PortEntry::number);
  return entries;
}

std::vector<PortEntry> ListSerialPorts() { return ListSerialPortsIn("/sys/class/tty", "/dev"); }

}  // namespace zq
