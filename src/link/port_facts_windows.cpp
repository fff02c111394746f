// The facts of a serial device on Windows, from SetupAPI and the device's
// registry key. Windows has no device groups and does not name the program
// holding a port; an open that is refused says only that one does.
#include <windows.h>
// After windows.h, which the SetupAPI headers need.
#include <cfgmgr32.h>
#include <devguid.h>
#include <setupapi.h>

#include <algorithm>
#include <cctype>

#include "link/port_diagnosis.h"
#include "link/port_names.h"
#include "link/usb_adapters.h"
#include "text/plain_text.h"

namespace zq {
namespace {

std::string Utf8Of(const wchar_t* text) {
  std::u16string wide;
  for (; text && *text; ++text) wide.push_back(static_cast<char16_t>(*text));
  return Utf16ToUtf8(wide);
}

std::wstring WideOf(const std::string& text) {
  std::u16string wide = Utf8ToUtf16(text);
  return std::wstring(wide.begin(), wide.end());
}

// A text property of a device; for a list of texts (hardware ids) all of them, separated by blanks.
std::string Property(HDEVINFO set, SP_DEVINFO_DATA& info, DWORD property) {
  wchar_t buffer[1024] = {};
  DWORD type = 0;
  if (!SetupDiGetDeviceRegistryPropertyW(set, &info, property, &type, reinterpret_cast<BYTE*>(buffer),
                                         sizeof buffer - sizeof(wchar_t), nullptr))
    return {};
  if (type != REG_MULTI_SZ) return Utf8Of(buffer);
  std::string all;
  for (const wchar_t* item = buffer; *item; item += wcslen(item) + 1) all += (all.empty() ? "" : " ") + Utf8Of(item);
  return all;
}

// "COM5" from the device's own registry key; empty for a device that is no COM port.
std::string PortNameOf(HDEVINFO set, SP_DEVINFO_DATA& info) {
  HKEY key = SetupDiOpenDevRegKey(set, &info, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
  if (key == INVALID_HANDLE_VALUE) return {};
  wchar_t name[64] = {};
  DWORD size = sizeof name - sizeof(wchar_t), type = 0;
  LONG read = RegQueryValueExW(key, L"PortName", nullptr, &type, reinterpret_cast<BYTE*>(name), &size);
  RegCloseKey(key);
  return read == ERROR_SUCCESS && type == REG_SZ ? Utf8Of(name) : std::string();
}

// The four hexadecimal digits after `tag` ("VID_0403") in a hardware id.
std::optional<uint16_t> HexAfter(const std::string& ids, std::string_view tag) {
  std::string upper = ids;
  std::ranges::transform(upper, upper.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  std::size_t at = upper.find(tag);
  if (at == std::string::npos || at + tag.size() + 4 > upper.size()) return std::nullopt;
  unsigned value = 0;
  for (char c : upper.substr(at + tag.size(), 4)) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : c - 'A' + 10);
  }
  return static_cast<uint16_t>(value);
}

std::optional<UsbFacts> UsbFactsOf(const std::string& hardwareIds, const std::string& maker,
                                   const std::string& description) {
  auto vendor = HexAfter(hardwareIds, "VID_"), product = HexAfter(hardwareIds, "PID_");
  if (!vendor || !product) return std::nullopt;
  UsbFacts usb;
  usb.vendor = *vendor;
  usb.product = *product;
  usb.revision = HexAfter(hardwareIds, "REV_");
  usb.manufacturer = maker;
  usb.productName = description;
  return usb;
}

// Opening the port shows whether another program holds it: COM ports are opened exclusively.
void ProbeOpen(PortFacts& facts) {
  HANDLE handle = CreateFileW(WideOf(facts.device).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    facts.present = error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
    facts.heldUnnamed = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
    facts.serial = facts.present && facts.number.has_value();
    return;
  }
  DCB line{};
  line.DCBlength = sizeof line;
  facts.present = true;
  facts.serial = GetCommState(handle, &line) != 0;
  CloseHandle(handle);
}

// One device of the system: a COM port, or a known cable chip that has not
// become one (no driver, or a driver that would not start it).
std::optional<PortFacts> FactsOfDevice(HDEVINFO set, SP_DEVINFO_DATA& info) {
  const std::string portName = PortNameOf(set, info);
  const std::string ids = Property(set, info, SPDRP_HARDWAREID);
  const std::string friendly = Property(set, info, SPDRP_FRIENDLYNAME);
  const std::string description = friendly.empty() ? Property(set, info, SPDRP_DEVICEDESC) : friendly;
  const std::string maker = Property(set, info, SPDRP_MFG);
  ULONG status = 0, problem = 0;
  const bool hasProblem = CM_Get_DevNode_Status(&status, &problem, info.DevInst, 0) == CR_SUCCESS &&
                          (status & DN_HAS_PROBLEM);
  PortFacts facts;
  facts.usb = UsbFactsOf(ids, maker, description);
  const bool knownChip = facts.usb && FindUsbAdapter(facts.usb->vendor, facts.usb->product) != nullptr;
  auto number = portName.empty() ? std::nullopt : PortNumberOfDevice(portName);
  if (!number && !(knownChip && hasProblem)) return std::nullopt;
  facts.number = number;
  facts.device = number ? *DeviceOfPortNumber(*number) : description;
  facts.description = description;
  facts.driver = Property(set, info, SPDRP_SERVICE);
  facts.systemProblemCode = hasProblem ? static_cast<int>(problem) : 0;
  if (number) {
    ProbeOpen(facts);
  } else {
    facts.present = true;  // plugged in, but no COM port to open
    facts.serial = true;
  }
  return facts;
}

}  // namespace

std::vector<PortFacts> ReadAllPortFacts() {
  std::vector<PortFacts> all;
  HDEVINFO set = SetupDiGetClassDevsW(nullptr, nullptr, nullptr, DIGCF_ALLCLASSES | DIGCF_PRESENT);
  if (set == INVALID_HANDLE_VALUE) return all;
  SP_DEVINFO_DATA info{};
  info.cbSize = sizeof info;
  for (DWORD index = 0; SetupDiEnumDeviceInfo(set, index, &info); ++index)
    if (auto facts = FactsOfDevice(set, info)) all.push_back(std::move(*facts));
  SetupDiDestroyDeviceInfoList(set);
  // A device with a COM number first, in number order; chips without a port after them.
  std::ranges::stable_sort(all, {}, [](const PortFacts& f) { return f.number.value_or(kNamedDevicePort); });
  return all;
}

PortFacts ReadPortFacts(const std::string& device) {
  auto number = PortNumberOfDevice(device);
  for (PortFacts& facts : ReadAllPortFacts())
    if (number && facts.number == number) return facts;
  // A port the device manager does not list (Wine's, a virtual one): what opening it shows.
  PortFacts facts;
  facts.device = device;
  facts.number = number;
  ProbeOpen(facts);
  return facts;
}

}  // namespace zq
