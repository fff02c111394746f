#include "link/port_list.h"

#ifdef _WIN32
#include <windows.h>

#include <algorithm>

namespace zq {
namespace {

// That one system release does not list its ports reliably; every number is offered.
bool IsVistaRelease() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion == 6 &&
         version.dwMinorVersion == 0;
}

}  // namespace

std::vector<PortEntry> ListSerialPorts() {
  std::vector<PortEntry> entries;
  auto add = [&](const std::string& text) {
    if (auto number = EntryNumber(text)) entries.push_back({*number, text});
  };
  if (IsVistaRelease()) {
    for (int n = 1; n <= 255; ++n) add("COM" + std::to_string(n));
    return entries;
  }
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) != ERROR_SUCCESS)
    return entries;
  for (DWORD index = 0;; ++index) {
    char name[256], data[256];
    DWORD nameLength = sizeof name, dataLength = sizeof data, type = 0;
    if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data), &dataLength) !=
        ERROR_SUCCESS)
      break;
    add(EntryOfRegistryData(std::string(data, strnlen(data, dataLength))));
  }
  RegCloseKey(key);
  return entries;
}

}  // namespace zq
#endif
