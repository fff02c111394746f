#include "link/port_messages.h"

#include "text/language_table.h"

namespace zq {

std::string PortFailureReason(const PortOpenResult& result, const std::string& device, int language) {
  if (device.empty() && !result.ok()) return std::string(Text(Txt::NoPortChosen, language));
  switch (result.failure) {
    case PortFailure::None: return {};
    case PortFailure::Missing: return FillIn(Text(Txt::PortMissing, language), {device});
    case PortFailure::Busy: return FillIn(Text(Txt::PortBusy, language), {device});
    case PortFailure::NotPermitted: {
      std::string reason = FillIn(Text(Txt::PortNotPermitted, language), {device});
      if (result.deviceGroup.empty()) return reason;
      return reason + "\r\n" + FillIn(Text(Txt::PortJoinGroup, language), {result.deviceGroup});
    }
    case PortFailure::NotSerial: return FillIn(Text(Txt::PortNotSerial, language), {device});
    case PortFailure::Other: break;
  }
  return FillIn(Text(Txt::PortOtherError, language), {device, result.detail});
}

std::string PortFailureMessage(const PortOpenResult& result, const std::string& device, int language) {
  return std::string(Text(Txt::CannotOpenPort, language)) + "\r\n" + PortFailureReason(result, device, language);
}

}  // namespace zq
