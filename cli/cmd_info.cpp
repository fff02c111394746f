// zq4071-cli info FILE.dat: what a data file pair holds, in short.
#include <functional>
#include <iostream>
#include <vector>

#include "commands.h"
#include "console_text.h"
#include "data_commands.h"
#include "datafile/version_list.h"
#include "options/dtmf_rules.h"
#include "options/roger_beep_rules.h"
#include "text/plain_text.h"

namespace zq::cli {
namespace {

std::string Label(Txt id) { return Say(id) + ": "; }

std::string Shown(std::string_view stored) { return ForTerminal(Cleaned(stored)); }
std::string Shown(std::u16string_view stored) { return ForTerminal(Utf16ToUtf8(Cleaned(stored))); }

void PrintIdentity(const RadioConfig& cfg, std::ostream& out) {
  const auto& id = cfg.Identity;
  out << Label(Txt::InfoDataVersion) << DisplayVersion(Shown(cfg.DataVersion.view())) << "\n";
  out << Label(Txt::InfoModel) << Shown(id.ModelName.view()) << ", " << Say(Txt::InfoModelCode) << " " << id.ModelCode
      << ", " << Say(Txt::InfoIdentityVersion) << " " << Shown(id.IdentityVersion.view()) << ", "
      << Say(Txt::InfoCreated) << " " << Shown(id.CreationDate.view()) << "\n";
  out << Label(Txt::InfoRange) << RangeTextOfIndex(cfg.RangeIndex()) << "\n";
  out << Say(Txt::InfoRadioInformation) << ":";
  VisitRadioInformationFields(cfg.RadioInfo,
                              [&](std::string_view, const auto& text) { out << " " << Shown(text.view()); });
  out << "\n";
}

void PrintChannelCounts(const RadioConfig& cfg, std::ostream& out) {
  out << Say(Txt::InfoChannelCounts) << ":\n";
  for (const Band band : kBands) {
    out << "  " << BandShortName(band) << ":";
    for (int group = 1; group <= GroupCount(band); ++group)
      out << "  " << group << " " << Shown(cfg.Options.GroupName({band, group})) << " " << cfg.Count({band, group});
    out << "\n";
  }
  int special = 0;
  for (int n = 1; n <= kSpecialSlots; ++n) special += cfg.Special(n).Enabled == 1;
  out << Label(Txt::InfoSpecialChannels) << special << "\n";
}

std::string NumberList(const std::vector<int>& numbers, const std::function<std::string(int)>& shown) {
  std::string list;
  for (int n : numbers) list += (list.empty() ? "" : ", ") + shown(n);
  return list.empty() ? Say(Txt::InfoNone) : list;
}

void PrintDefinedTables(const RadioConfig& cfg, std::ostream& out) {
  out << Label(Txt::InfoDtmfCodes) << NumberList(DefinedDtmfCodeNumbers(cfg.Options), [&](int n) {
    return std::to_string(n) + " = " + Shown(cfg.Options.DtmfCodes(n));
  }) << "\n";
  out << Label(Txt::InfoRogerPresets)
      << NumberList(DefinedRogerPresetNumbers(cfg), [](int n) { return std::to_string(n); }) << "\n";
}

}  // namespace

void AddInfoCommand(CLI::App& app, int& exitCode) {
  auto* cmd = app.add_subcommand("info", Say(Txt::CliInfoHelp));
  static std::filesystem::path input;
  AddFileOption(*cmd, "file", input, Say(Txt::CliDataFileHelp))->required();
  cmd->callback([&exitCode] {
    WorkingCopy stored;
    if (!ReadStoredForCommand(input, stored)) {
      exitCode = kInputError;
      return;
    }
    PrintIdentity(stored.content, std::cout);
    PrintChannelCounts(stored.content, std::cout);
    PrintDefinedTables(stored.content, std::cout);
  });
}

}  // namespace zq::cli
