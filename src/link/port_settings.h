#pragma once
// The serial-port keys of the settings file (section "language" of
// language/mysetup.ini in the folder shared by all installed releases).
#include <cstdint>
#include <string>

#include "platform/ini_file.h"

namespace zq {

inline constexpr const char* kPortSection = "language";

struct SerialPortSettings {
  int16_t portNumber = 1;   // "comPort"; 0 means that no port is chosen
  int16_t handshaking = 0;  // "Handshaking": kept, not applied
  int16_t stopBits = 0;     // "StopBit": kept, not applied
  std::string namedDevice;  // "comDevice": the device when portNumber is the named-device number
};

// Missing keys and values that are no 16-bit number keep their defaults.
SerialPortSettings ReadPortSettings(const IniFile& ini);
// Writes "comPort", and "comDevice" when the port is a named device.
void WritePortChoice(IniFile& ini, const SerialPortSettings& settings);

// The device a transfer opens; empty when no port is chosen or the number names no device.
std::string DeviceOfSettings(const SerialPortSettings& settings);
// Remembers a device: one of the table by its number, any other path by name.
void ChooseDevice(SerialPortSettings& settings, const std::string& device);

}  // namespace zq
