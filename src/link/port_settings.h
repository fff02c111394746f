#pragma once
// The port choice as the settings file keeps it (section "language" of
// language/mysetup.ini). "comPort", "Handshaking" and "StopBit" are read with
// the other user settings at start-up; the link adds "comDevice", the path of
// a device outside the port-number table, used while "comPort" is the
// named-device number.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zq {

struct PortChoice {
  int portNumber = 1;       // 0 means that no port is chosen
  std::string namedDevice;  // only for the named-device number
  bool operator==(const PortChoice&) const = default;
};

// The choice that stands for a device: its number from the table, or the
// named-device number with the path.
PortChoice ChoiceOfDevice(const std::string& device);
// The choice a name typed by the user stands for: "COM" + a number of the
// table in any letter case, or the path of a device that exists; nothing for
// anything else, so a slip of the keyboard never replaces a working choice.
std::optional<PortChoice> ChoiceOfTypedName(std::string_view typed);
// The device a transfer opens; empty when no port is chosen or the number names no device.
std::string DeviceOfChoice(const PortChoice& choice);

// "comDevice" of the settings file; empty when missing.
std::string ReadNamedDevice(const std::filesystem::path& settingsFile);
// Writes "comPort", and "comDevice" for a named device; false when the file cannot be written.
bool SavePortChoice(const std::filesystem::path& settingsFile, const PortChoice& choice);

}  // namespace zq
