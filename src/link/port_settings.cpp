#include "link/port_settings.h"

#include <limits>

#include "config/text_rules.h"
#include "link/port_names.h"

namespace zq {
namespace {

void ReadShort(const IniFile& ini, const char* key, int16_t& value) {
  auto number = ParseInteger(ini.GetOr(kPortSection, key));
  if (number && *number >= std::numeric_limits<int16_t>::min() && *number <= std::numeric_limits<int16_t>::max())
    value = static_cast<int16_t>(*number);
}

}  // namespace

SerialPortSettings ReadPortSettings(const IniFile& ini) {
  SerialPortSettings settings;
  ReadShort(ini, "comPort", settings.portNumber);
  ReadShort(ini, "Handshaking", settings.handshaking);
  ReadShort(ini, "StopBit", settings.stopBits);
  settings.namedDevice = ini.GetOr(kPortSection, "comDevice");
  return settings;
}

void WritePortChoice(IniFile& ini, const SerialPortSettings& settings) {
  ini.Set(kPortSection, "comPort", std::to_string(settings.portNumber));
  if (settings.portNumber == kNamedDevicePort) ini.Set(kPortSection, "comDevice", settings.namedDevice);
}

std::string DeviceOfSettings(const SerialPortSettings& settings) {
  if (settings.portNumber == kNamedDevicePort) return settings.namedDevice;
  return DeviceOfPortNumber(settings.portNumber).value_or("");
}

void ChooseDevice(SerialPortSettings& settings, const std::string& device) {
  if (auto number = PortNumberOfDevice(device)) {
    settings.portNumber = static_cast<int16_t>(*number);
    return;
  }
  settings.portNumber = kNamedDevicePort;
  settings.namedDevice = device;
}

}  // namespace zq
