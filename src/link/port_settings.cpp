#include "link/port_settings.h"

#include "link/port_names.h"
#include "platform/ini_file.h"

namespace zq {
namespace {

constexpr const char* kPortSection = "language";
constexpr const char* kNamedDeviceKey = "comDevice";

}  // namespace

PortChoice ChoiceOfDevice(const std::string& device) {
  if (auto number = PortNumberOfDevice(device)) return {*number, ""};
  return {kNamedDevicePort, device};
}

std::optional<PortChoice> ChoiceOfTypedName(std::string_view typed) {
  auto device = DeviceOfPortName(typed);
  if (!device) return std::nullopt;
  bool comName = *device != typed;  // a path comes back as it was typed
  std::error_code ec;
  if (!comName && !std::filesystem::is_character_file(*device, ec)) return std::nullopt;
  return ChoiceOfDevice(*device);
}

std::string DeviceOfChoice(const PortChoice& choice) {
  if (choice.portNumber == kNamedDevicePort) return choice.namedDevice;
  return DeviceOfPortNumber(choice.portNumber).value_or("");
}

std::string ReadNamedDevice(const std::filesystem::path& settingsFile) {
  return ReadProfileString(settingsFile, kPortSection, kNamedDeviceKey);
}

bool SavePortChoice(const std::filesystem::path& settingsFile, const PortChoice& choice) {
  bool saved = WriteProfileString(settingsFile, kPortSection, "comPort", std::to_string(choice.portNumber));
  if (saved && choice.portNumber == kNamedDevicePort)
    saved = WriteProfileString(settingsFile, kPortSection, kNamedDeviceKey, choice.namedDevice);
  return saved;
}

}  // namespace zq
