// zq4071-cli diff A B: where two configurations differ, each a data file, a
// memory image or the radio on --port.
#include <filesystem>
#include <iostream>

#include "channels/difference_labels.h"
#include "commands.h"
#include "console_text.h"
#include "data_commands.h"
#include "image/image_file.h"
#include "link/config_comparison.h"
#include "platform/system_locale.h"
#include "platform/utf8_path.h"
#include "radio_transfer.h"

namespace zq::cli {
namespace {

constexpr const char* kRadioWord = "radio";

struct DiffSide {
  std::string name;
  CompareSide side;
};

// A file is a memory image when it has exactly the radio's size, else a data file.
std::optional<DiffSide> LoadFileSide(const std::string& name) {
  const std::filesystem::path file = PathFromUtf8(name);
  std::error_code ec;
  if (std::filesystem::is_regular_file(file, ec) && std::filesystem::file_size(file, ec) == kImageSize) {
    auto image = LoadImageFile(file);
    if (!image) {
      Complain(Say(Txt::CliCannotRead), file);
      return std::nullopt;
    }
    return DiffSide{name, {StartedState().working, std::move(image)}};
  }
  DiffSide loaded{name, {}};
  if (!ReadStoredForCommand(file, loaded.side.stored)) return std::nullopt;
  return loaded;
}

// The exit code of a failed read; the side holds what was read otherwise.
int ReadRadioSide(const RadioOptions& options, DiffSide& radio) {
  MemoryImage image;
  TransferOutcome outcome;
  int code = RunRadioTransfer(TransferKind::Read, options, image, outcome);
  if (code != kOk) return code;
  const ProgramState& state = StartedState();
  KeepBackup(options, outcome, image, state.config, state.document);
  radio.side = {state.working, std::move(image)};
  return kOk;
}

// With `labels`, channel members are named and shown as the channel window does, in the
// new side's terms; otherwise every member is its JSON pointer, for scripts.
void PrintList(const std::vector<MemberDifference>& list, bool labels, const RadioConfig& names, int language) {
  std::vector<LabelledDifference> lines;
  if (labels)
    lines = LabelledDifferences(list, names, language);
  else
    for (const MemberDifference& d : list)
      lines.push_back({d.member, DifferenceValueText(d.before, language), DifferenceValueText(d.after, language)});
  for (const LabelledDifference& d : lines)
    std::cout << ForTerminal(d.member) << ": " << ForTerminal(d.before) << " -> " << ForTerminal(d.after) << '\n';
  std::cerr << (list.empty()
                    ? std::string(Text(Txt::CompareSame, language))
                    : CountText(static_cast<long long>(list.size()), Txt::CompareCountOne, Txt::CompareCount, language))
            << '\n';
}

}  // namespace

void AddDiffCommand(CLI::App& app, int& exitCode) {
  auto* cmd = app.add_subcommand("diff", Say(Txt::CliDiffHelp));
  static RadioOptions options;
  static std::vector<std::string> sources;
  static bool asJson = false;
  static bool labels = false;
  cmd->add_option("configurations", sources, Say(Txt::CliDiffSourcesHelp))->required()->expected(1, 2);
  AddRadioOptions(*cmd, options, false);
  cmd->add_flag("--json", asJson, Say(Txt::CliDiffJsonHelp));
  cmd->add_flag("--labels", labels, Say(Txt::CliDiffLabelsHelp));
  cmd->callback([&exitCode] {
    if (sources.size() == 1) {
      if (options.port.empty()) throw CLI::ValidationError(Say(Txt::CliDiffTwoSources));
      sources.push_back(kRadioWord);
    }
    const auto radios = std::ranges::count(sources, std::string(kRadioWord));
    if (radios > 1) throw CLI::ValidationError(Say(Txt::CliDiffOneRadio));
    if (radios == 1 && options.port.empty()) throw CLI::ValidationError(Say(Txt::CliDiffNeedsPort));

    // The files first: a file at fault is found before the radio is read.
    DiffSide sides[2];
    for (int k = 0; k < 2; ++k) {
      if (sources[k] == kRadioWord) continue;
      auto loaded = LoadFileSide(sources[k]);
      if (!loaded) {
        exitCode = kInputError;
        return;
      }
      sides[k] = std::move(*loaded);
    }
    for (int k = 0; k < 2; ++k) {
      if (sources[k] != kRadioWord) continue;
      sides[k].name = FillIn(Text(Txt::CompareRadioName, options.language), {options.port});
      if (int code = ReadRadioSide(options, sides[k]); code != kOk) {
        exitCode = code;
        return;
      }
    }
    auto list = CompareSides(sides[0].side, sides[1].side, {SystemLocaleId()});
    if (asJson)
      std::cout << DifferencesJson(list, sides[0].name, sides[1].name);
    else
      PrintList(list, labels, sides[1].side.stored.content, options.language);
    exitCode = list.empty() ? kOk : kDifferent;
  });
}

}  // namespace zq::cli
