// zq4071-cli read: the radio into a data file pair, or into a raw memory image.
#include <iostream>

#include "commands.h"
#include "data_commands.h"
#include "image/image_file.h"
#include "link/read_result.h"
#include "platform/system_locale.h"
#include "radio_transfer.h"

namespace zq::cli {
namespace {

bool SaveWhatWasRead(const MemoryImage& image, ProgramState& state, const std::filesystem::path& dataFile,
                     const std::filesystem::path& imageFile) {
  if (!imageFile.empty()) {
    if (SaveImageFile(imageFile, image)) return true;
    Complain(Say(Txt::CliCannotWrite), imageFile);
    return false;
  }
  return SaveForCommand(dataFile, state);
}

}  // namespace

void AddReadCommand(CLI::App& app, int& exitCode) {
  auto* cmd = app.add_subcommand("read", Say(Txt::CliReadHelp));
  static RadioOptions options;
  static std::filesystem::path dataFile;
  static std::filesystem::path imageFile;
  AddRadioOptions(*cmd, options);
  // Exactly one of the two destinations.
  auto* destination = cmd->add_option_group("destination");
  AddFileOption(*destination, "-o,--output", dataFile, Say(Txt::CliReadDataFileHelp));
  AddFileOption(*destination, "--image", imageFile, Say(Txt::CliReadImageHelp));
  destination->require_option(1);
  cmd->callback([&exitCode] {
    // A data file pair is made from a new document; the radio is not read when none can be made.
    if (imageFile.empty() && !StartedFromTemplate()) {
      exitCode = kInputError;
      return;
    }
    MemoryImage read;
    TransferOutcome outcome;
    exitCode = RunRadioTransfer(TransferKind::Read, options, read, outcome);
    if (exitCode != kOk) return;  // a failed read reaches no file
    ProgramState& state = StartedState();
    ApplyCompletedRead(outcome, read, state.config, state.document, {SystemLocaleId()});
    // The backup comes first: it keeps the read even when the output cannot be written.
    KeepBackup(options, outcome, read, state.config, state.document);
    if (!SaveWhatWasRead(read, state, dataFile, imageFile)) {
      exitCode = kOutputError;
      return;
    }
    std::cout << Render(*outcome.completionMessage, options.language) << '\n';
  });
}

}  // namespace zq::cli
