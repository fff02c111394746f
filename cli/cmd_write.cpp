// zq4071-cli write: a data file pair, or a raw memory image, into the radio, or
// with --repeat into one radio after another.
#include <iostream>

#include "commands.h"
#include "data_commands.h"
#include "image/image_codec.h"
#include "image/image_file.h"
#include "platform/system_locale.h"
#include "radio_transfer.h"
#include "series_console.h"

namespace zq::cli {
namespace {

// The image a write sends, as the program encodes it; nothing when the input is not valid.
std::optional<MemoryImage> ImageToWrite(const std::filesystem::path& dataFile, const std::filesystem::path& imageFile) {
  if (!imageFile.empty()) {
    auto image = LoadImageFile(imageFile);
    if (!image) Complain(Say(Txt::CliImageWrongSize), imageFile);
    return image;
  }
  ProgramState& state = StartedState();
  if (!OpenForCommand(dataFile, state)) return std::nullopt;
  MemoryImage image;
  ClearImage(image);
  EncodeReport report = EncodeImage(state.config, image, {SystemLocaleId()});
  if (report.skippedRecords > 0) Complain(Say(Txt::CliRecordsSkipped) + " " + std::to_string(report.skippedRecords));
  return image;
}

}  // namespace

void AddWriteCommand(CLI::App& app, int& exitCode) {
  auto* cmd = app.add_subcommand("write", Say(Txt::CliWriteHelp));
  static RadioOptions options;
  static std::filesystem::path dataFile;
  static std::filesystem::path imageFile;
  AddRadioOptions(*cmd, options, true, PortCount::Several);
  cmd->add_flag("--verify", options.verify, Say(Txt::CliVerifyHelp));
  static bool repeat = false;
  static StationOptions station;
  auto* repeatFlag = cmd->add_flag("--repeat", repeat, Say(Txt::CliRepeatHelp));
  AddFileOption(*cmd, "--log", station.logFile, Say(Txt::CliLogHelp))->needs(repeatFlag);
  auto* units = AddFileOption(*cmd, "--units", station.unitsFile, Say(Txt::CliUnitsHelp))->needs(repeatFlag);
  cmd->add_option("--operator", station.operatorName, Say(Txt::CliOperatorHelp))->needs(repeatFlag);
  auto* sheets = AddFileOption(*cmd, "--sheets", station.sheetFolder, Say(Txt::CliSheetsHelp))->needs(repeatFlag);
  // Exactly one of the two sources; per-unit values go into a data file's configuration.
  auto* source = cmd->add_option_group("source");
  AddFileOption(*source, "file", dataFile, Say(Txt::CliDataFileHelp));
  // A sheet summarises a configuration, which a bare image does not carry.
  AddFileOption(*source, "--image", imageFile, Say(Txt::CliWriteImageHelp))->excludes(units)->excludes(sheets);
  source->require_option(1);
  cmd->callback([&exitCode] {
    options.port = options.ports.front();
    if (options.ports.size() > 1 && !repeat) throw CLI::ValidationError(Say(Txt::CliSeveralPortsNeedRepeat));
    auto toWrite = ImageToWrite(dataFile, imageFile);
    if (!toWrite) {
      exitCode = kInputError;
      return;
    }
    const ProgramState& state = StartedState();
    if (repeat) {
      exitCode = RunRadioSeries(options, station, *toWrite, state.config, state.document);
      return;
    }
    TransferOutcome outcome;
    exitCode = RunRadioTransfer(TransferKind::Write, options, *toWrite, outcome);
    KeepBackup(options, outcome, *toWrite, state.config, state.document);
    if (exitCode == kOk) std::cout << Render(*outcome.completionMessage, options.language) << '\n';
  });
}

}  // namespace zq::cli
