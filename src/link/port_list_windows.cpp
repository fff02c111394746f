#include "link/port_list.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace zq {
namespace {

// That one system release does not list its ports reliably; every number is offered.
bool IsVistaRelease() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  return GetVersionExW(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion == 6 &&
         version.dwMinorVersion == 0;
}

// The data of every value of the system's serial-port map ("COM3"), in its order.
std::vector<std::string> RegisteredPortNames() {
  std::vector<std::string> names;
  HKEY key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) != ERROR_SUCCESS)
    return names;
  for (DWORD index = 0;; ++index) {
    char name[256], data[256];
    DWORD nameLength = sizeof name, dataLength = sizeof data, type = 0;
    if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data), &dataLength) !=
        ERROR_SUCCESS)
      break;
    if (type == REG_SZ) names.emplace_back(data, strnlen(data, dataLength));
  }
  RegCloseKey(key);
  return names;
}

}  // namespace

std::vector<PortEntry> ListSerialPorts() {
  std::vector<PortEntry> entries;
  auto add = [&](const std::string& text) {
    auto number = EntryNumber(text);
    auto device = number ? DeviceOfPortNumber(*number) : std::nullopt;
    if (device && std::ranges::find(entries, *number, &PortEntry::number) == entries.end())
      entries.push_back({*number, *device});
  };
  if (IsVistaRelease()) {
    for (int n = 1; n <= 255; ++n) add("COM" + std::to_string(n));
    return entries;
  }
  for (const std::string& name : RegisteredPortNames()) add(EntryOfRegistryData(name));
  std::ranges::sort(entries, {}, &PortEntry::number);
  return entries;
}

}  // namespace zq
