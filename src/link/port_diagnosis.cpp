#include "link/port_diagnosis.h"

#include <cstdio>

#include "link/usb_adapters.h"

namespace zq {
namespace {

// Windows' problem codes for a device without a driver, and for one its driver would not start.
constexpr int kNoDriverCode = 28;
constexpr int kCannotStartCode = 10;

std::string Hex4(unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04x", value & 0xFFFFu);
  return text;
}

// A bcdDevice as the release it stands for: 0x0600 is "6.00".
std::string ReleaseText(uint16_t bcd) {
  char text[16];
  std::snprintf(text, sizeof text, "%x.%02x", bcd >> 8, bcd & 0xFFu);
  return text;
}

const UsbAdapter* AdapterOf(const PortFacts& facts) {
  if (!facts.usb) return nullptr;
  return FindUsbAdapter(facts.usb->vendor, facts.usb->product, facts.usb->revision, facts.usb->usbVersion);
}

std::string HolderText(const ProcessName& holder, int language) {
  return FillIn(Text(Txt::DoctorHolderValue, language), {holder.name, std::to_string(holder.pid)});
}

std::string HoldersText(const PortFacts& facts, int language) {
  if (facts.holders.empty())
    return std::string(Text(facts.heldUnnamed ? Txt::DoctorHeldUnnamed : Txt::DoctorHeldByNone, language));
  std::string text;
  for (const ProcessName& holder : facts.holders) text += (text.empty() ? "" : ", ") + HolderText(holder, language);
  return text;
}

PortProblem AccessProblem(const PortFacts& facts) {
  PortProblem problem{Txt::PortNotPermitted, {facts.device}, Txt::DoctorAskForRule, {}, true};
  if (facts.group.empty()) return problem;
  problem.remedy = facts.groupAfterLogin ? Txt::DoctorLogInAgain : Txt::PortJoinGroup;
  problem.remedyValues = {facts.group};
  return problem;
}

}  // namespace

PortDiagnosis Diagnose(PortFacts facts) {
  PortDiagnosis d;
  auto& problems = d.problems;
  const std::string& device = facts.device;
  if (!facts.present) {
    problems.push_back({Txt::PortMissing, {device}, Txt::DoctorMissingRemedy, {}, true});
  } else if (!facts.serial) {
    problems.push_back({Txt::PortNotSerial, {device}, Txt::DoctorNotSerialRemedy, {}, true});
  } else {
    if (facts.accessKnown && !facts.mayOpen) problems.push_back(AccessProblem(facts));
    for (const ProcessName& holder : facts.holders)
      problems.push_back({Txt::DoctorHeldBy,
                          {device, holder.name, std::to_string(holder.pid)},
                          Txt::DoctorCloseHolder,
                          {holder.name},
                          true});
    if (facts.holders.empty() && facts.heldUnnamed)
      problems.push_back({Txt::PortBusy, {device}, Txt::DoctorCloseOther, {}, true});
    const UsbAdapter* adapter = AdapterOf(facts);
    const UsbAdapter* refused = adapter && adapter->caveat == AdapterCaveat::RefusedRevision ? adapter : nullptr;
    if (!refused && facts.usb && facts.systemProblemCode == kCannotStartCode)
      refused = FindRefusedRevision(facts.usb->vendor, facts.usb->product, facts.usb->revision);
    if (facts.systemProblemCode == kNoDriverCode) {
      problems.push_back({Txt::DoctorNoDriver,
                          {device},
                          Txt::DoctorInstallDriver,
                          {adapter ? std::string(adapter->maker) : std::string()},
                          true});
    } else if (facts.systemProblemCode != 0 && !refused) {
      problems.push_back(
          {Txt::DoctorDeviceProblem, {std::to_string(facts.systemProblemCode), device}, Txt::DoctorReplug, {}, true});
    }
    // Linux's driver still serves the old revision, so there it stands in nobody's way yet.
    if (refused)
      problems.push_back({Txt::DoctorRefusedRevision,
                          {std::string(refused->maker), std::string(refused->chipFamily)},
                          Txt::DoctorReplaceCable,
                          {},
                          facts.systemProblemCode != 0});
    // ModemManager looks at USB serial devices; a built-in port or a pseudo-terminal it leaves be.
    if (facts.usb && facts.modemManagerRunning && !facts.modemManagerIgnores)
      problems.push_back({Txt::DoctorModemManagerProbes, {device}, Txt::DoctorStopModemManager, {}, false});
  }
  d.facts = std::move(facts);
  return d;
}

std::string PortHeading(const PortFacts& facts) {
  if (!facts.number) return facts.device;
  return "COM" + std::to_string(*facts.number) + "  " + facts.device;
}

std::vector<ReportLine> FactLines(const PortFacts& facts, int language) {
  std::vector<ReportLine> lines;
  auto add = [&](Txt label, std::string value) {
    if (!value.empty()) lines.push_back({std::string(Text(label, language)), std::move(value)});
  };
  auto say = [&](Txt text) { return std::string(Text(text, language)); };
  if (!facts.present) {
    add(Txt::DoctorKind, say(Txt::DoctorKindMissing));
    return lines;
  }
  add(Txt::DoctorKind, say(facts.serial ? Txt::DoctorKindSerial : Txt::DoctorKindNotSerial));
  if (!facts.serial) return lines;
  add(Txt::DoctorAdapter, facts.description);
  if (facts.usb) {
    const UsbFacts& usb = *facts.usb;
    add(Txt::DoctorUsbId, FillIn(Text(Txt::DoctorUsbIdValue, language),
                                 {Hex4(usb.vendor), Hex4(usb.product), usb.revision ? ReleaseText(*usb.revision) : "?",
                                  usb.usbVersion.empty() ? "?" : usb.usbVersion}));
    const UsbAdapter* adapter = AdapterOf(facts);
    add(Txt::DoctorChip,
        adapter ? std::string(adapter->maker) + " " + std::string(adapter->chipFamily) : say(Txt::DoctorChipUnknown));
  }
  add(Txt::DoctorDriver, facts.driver);
  add(Txt::DoctorStableName, facts.stableName);
  if (facts.accessKnown) {
    std::string access = say(facts.mayOpen ? Txt::DoctorMayOpen : Txt::DoctorMayNotOpen);
    if (!facts.group.empty()) {
      Txt member = facts.inGroup           ? Txt::DoctorGroupMember
                   : facts.groupAfterLogin ? Txt::DoctorGroupAfterLogin
                                           : Txt::DoctorGroupNotMember;
      access += "; " + FillIn(Text(member, language), {facts.group});
    }
    if (facts.usb) {
      access += "; " + say(facts.uaccessTagged ? Txt::DoctorUaccessTagged : Txt::DoctorUaccessNotTagged);
      access += "; " + say(facts.uaccessRuleInstalled ? Txt::DoctorRuleInstalled : Txt::DoctorRuleNotInstalled);
    }
    add(Txt::DoctorAccess, access);
    add(Txt::DoctorModemManager, say(!facts.modemManagerRunning  ? Txt::DoctorModemManagerOff
                                     : facts.modemManagerIgnores ? Txt::DoctorModemManagerIgnores
                                                                 : Txt::DoctorModemManagerMayProbe));
  }
  if (facts.ptyServer) add(Txt::DoctorPtyServer, HolderText(*facts.ptyServer, language));
  add(Txt::DoctorHolders, HoldersText(facts, language));
  if (facts.systemProblemCode != 0)
    add(Txt::DoctorSystemProblem,
        FillIn(Text(Txt::DoctorSystemProblemValue, language), {std::to_string(facts.systemProblemCode)}));
  return lines;
}

std::string ProblemText(const PortProblem& problem, int language) {
  return FillIn(Text(problem.text, language), problem.values);
}

std::string RemedyText(const PortProblem& problem, int language) {
  std::vector<std::string> values = problem.remedyValues;
  if (problem.remedy == Txt::DoctorInstallDriver && !values.empty() && values[0].empty())
    values[0] = Text(Txt::DoctorUnknownMaker, language);
  return FillIn(Text(problem.remedy, language), values);
}

}  // namespace zq
