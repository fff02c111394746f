#include "link/port_names.h"

#include "text/plain_text.h"

namespace zq {
namespace {

// The device namespace reaches every COM port, also those above COM9.
constexpr std::string_view kDevicePrefix = "\\\\.\\";
constexpr std::string_view kComPrefix = "COM";

bool IsPortNumber(int number) { return number >= 1 && number < kNamedDevicePort; }

}  // namespace

std::optional<int> PortNumberOfDevice(std::string_view device) {
  if (device.starts_with(kDevicePrefix)) device.remove_prefix(kDevicePrefix.size());
  if (!device.starts_with(kComPrefix)) return std::nullopt;
  std::string_view digits = device.substr(kComPrefix.size());
  if (digits.empty() || digits.size() > 3 || digits[0] == '0' || !IsAllDigits(digits)) return std::nullopt;
  return static_cast<int>(*ParseInteger(digits));
}

std::optional<std::string> DeviceOfPortNumber(int number) {
  if (!IsPortNumber(number)) return std::nullopt;
  return std::string(kDevicePrefix) + std::string(kComPrefix) + std::to_string(number);
}

}  // namespace zq
