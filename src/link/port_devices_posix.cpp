#include "link/port_names.h"

#include "text/plain_text.h"

namespace zq {
namespace {

constexpr std::string_view kDevFolder = "/dev/";

}  // namespace

std::optional<int> PortNumberOfDevice(std::string_view device) {
  if (device.starts_with(kDevFolder)) device.remove_prefix(kDevFolder.size());
  for (const DeviceFamily& family : kDeviceFamilies) {
    if (!device.starts_with(family.prefix)) continue;
    std::string_view index = device.substr(family.prefix.size());
    if (!IsAllDigits(index) || index.size() > 3 || (index.size() > 1 && index[0] == '0')) continue;
    int n = static_cast<int>(*ParseInteger(index));
    if (n < family.count) return family.firstNumber + n;
  }
  return std::nullopt;
}

std::optional<std::string> DeviceOfPortNumber(int number) {
  for (const DeviceFamily& family : kDeviceFamilies) {
    if (number >= family.firstNumber && number < family.firstNumber + family.count)
      return std::string(kDevFolder) + std::string(family.prefix) + std::to_string(number - family.firstNumber);
  }
  return std::nullopt;
}

}  // namespace zq
