#include "link/port_messages.h"

#include "shell/language_table.h"

namespace zq {

std::string FillIn(std::string_view text, std::string_view name, const std::string& value) {
  std::string result(text);
  std::string placeholder = "{" + std::string(name) + "}";
  for (auto at = result.find(placeholder); at != std::string::npos; at = result.find(placeholder, at + value.size()))
    result.replace(at, placeholder.size(), value);
  return result;
}

std::string PortFailureReason(const PortOpenResult& result, const std::string& device, int language) {
  switch (result.failure) {
    case PortFailure::None:
      return {};
    case PortFailure::Missing:
      return FillIn(Text(Txt::PortMissing, language), "device", device);
    case PortFailure::Busy:
      return FillIn(Text(Txt::PortBusy, language), "device", device);
    case PortFailure::NotPermitted: {
      std::string reason = FillIn(Text(Txt::PortNotPermitted, language), "device", device);
      if (result.deviceGroup.empty()) return reason;
      return reason + "\r\n" + FillIn(Text(Txt::PortJoinGroup, language), "group", result.deviceGroup);
    }
    case PortFailure::NotSerial:
      return FillIn(Text(Txt::PortNotSerial, language), "device", device);
    case PortFailure::Other:
      break;
  }
  return FillIn(FillIn(Text(Txt::PortOtherError, language), "device", device), "detail", result.detail);
}

}  // namespace zq
