// zq4071-cli info FILE.dat: what a data file pair holds, in short.
#include <iostream>
#include <sstream>

#include "commands.h"
#include "config/text_rules.h"
#include "data_commands.h"
#include "datafile/version_list.h"

namespace zq::cli {
namespace {

constexpr const char* kBandNames[] = {"CB", "HF", "HAM"};

std::string Label(Txt id) { return Say(id) + ": "; }

std::string Shown(std::string_view stored) { return std::string(Cleaned(stored)); }

void PrintIdentity(const RadioConfig& cfg, std::ostream& out) {
  const auto& id = cfg.Identity;
  out << Label(Txt::InfoDataVersion) << DisplayVersion(Shown(cfg.DataVersion.view())) << "\n";
  out << Label(Txt::InfoModel) << Shown(id.ModelName.view()) << ", " << Say(Txt::InfoModelCode) << " "
      << id.ModelCode << ", " << Say(Txt::InfoIdentityVersion) << " " << Shown(id.IdentityVersion.view()) << ", "
      << Say(Txt::InfoCreated) << " " << Shown(id.CreationDate.view()) << "\n";
  out << Label(Txt::InfoRange) << RangeTextOfIndex(cfg.RangeIndex()) << "\n";
  out << Say(Txt::InfoRadioInformation) << ":";
  VisitRadioInformationFields(cfg.RadioInfo, [&](std::string_view, const auto& text) { out << " " << Shown(text.view()); });
  out << "\n";
}

void PrintChannelCounts(const RadioConfig& cfg, std::ostream& out) {
  out << Say(Txt::InfoChannelCounts) << ":\n";
  for (int band = 0; band < kBandCount; ++band) {
    out << "  " << kBandNames[band] << ":";
    for (int group = 1; group <= GroupCount(band); ++group)
      out << "  " << group << " " << Utf16ToUtf8(Cleaned(cfg.Options.GroupName(group, band))) << " "
          << cfg.Count(band, group);
    out << "\n";
  }
  int special = 0;
  for (int n = 1; n <= kSpecialSlots; ++n) special += cfg.Special(n).Enabled == 1;
  out << Label(Txt::InfoSpecialChannels) << special << "\n";
}

// A DTMF code is defined when it is not blank; a roger-beep preset when it
// repeats at least once and has a step that lasts.
void PrintDefinedTables(const RadioConfig& cfg, std::ostream& out) {
  std::ostringstream codes;
  for (int n = 1; n <= 16; ++n) {
    std::string code = Utf16ToUtf8(Cleaned(cfg.Options.DtmfCodes(n)));
    if (!code.empty()) codes << (codes.tellp() > 0 ? ", " : "") << n << " = " << code;
  }
  out << Label(Txt::InfoDtmfCodes) << (codes.tellp() > 0 ? codes.str() : Say(Txt::InfoNone)) << "\n";

  std::ostringstream presets;
  for (int p = 0; p < kRogerPresets; ++p) {
    const auto& preset = cfg.RogerBeepTable[p];
    bool sounds = false;
    for (int s = 0; s < kRogerSteps; ++s) sounds = sounds || preset[2 * s + 1] > 0;
    if (preset[kRecycleTimesIndex] >= 1 && sounds) presets << (presets.tellp() > 0 ? ", " : "") << p + 1;
  }
  out << Label(Txt::InfoRogerPresets) << (presets.tellp() > 0 ? presets.str() : Say(Txt::InfoNone)) << "\n";
}

}  // namespace

void AddInfoCommand(CLI::App& app, int& exitCode) {
  auto* cmd = app.add_subcommand("info", Say(Txt::CliInfoHelp));
  static std::string input;
  cmd->add_option("file", input, Say(Txt::CliDataFileHelp))->required();
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
