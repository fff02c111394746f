#include "link/port_settings.h"

#include "link/port_names.h"
#include "platform/ini_file.h"

namespace zq {
namespace {

constexpr const char* kSection = "language";
constexpr const char* kNamedDeviceKey = "comDevice";

}  // namespace

PortChoice ChoiceOfDevice(const std::string& device) {
  if (auto number = PortNumberOfDevice(device)) return {*number, ""};
  return {kNamedDevicePort, device};
}

std::string DeviceOfChoice(const PortChoice& choice) {
  if (choice.portNumber == kNamedDevicePort) return choice.namedDevice;
  return DeviceOfPortNumber(choice.portNumber).value_or("");
}

std::string ReadNamedDevice(const std::filesystem::path& settingsFile) {
  return ReadProfileString(settingsFile, kSection, kNamedDeviceKey);
}

bool SavePortChoice(const std::filesystem::path& settingsFile, const PortChoice& choice) {
  bool saved = WriteProfileString(settingsFile, kSection, "comPort", std::to_string(choice.portNumber));
  if (saved && choice.portNumber == kNamedDevicePort)
    saved = WriteProfileString(settingsFile, kSection, kNamedDeviceKey, choice.namedDevice);
  return saved;
}

}  // namespace zq
