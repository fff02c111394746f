// zq4071-cli encode FILE.dat -o IMAGE.bin: the memory image a write would send to the radio.
#include <iostream>

#include "commands.h"
#include "data_commands.h"
#include "image/image_codec.h"
#include "platform/system_locale.h"

namespace zq::cli {

void AddEncodeCommand(CLI::App& app, int& exitCode) {
  auto* cmd = app.add_subcommand("encode", Say(Txt::CliEncodeHelp));
  static std::filesystem::path input;
  static std::filesystem::path output;
  AddFileOption(*cmd, "file", input, Say(Txt::CliDataFileHelp))->required();
  AddFileOption(*cmd, "-o,--output", output, Say(Txt::CliOutputHelp))->required();
  cmd->callback([&exitCode] {
    ProgramState& state = StartedState();
    if (!OpenForCommand(input, state)) {
      exitCode = kInputError;
      return;
    }
    MemoryImage image;
    EncodeReport report = EncodeImage(state.config, image, {SystemLocaleId()});
    if (report.skippedRecords > 0) Complain(Say(Txt::CliRecordsSkipped) + " " + std::to_string(report.skippedRecords));
    if (!WriteFileForCommand(output, image.bytes())) exitCode = kOutputError;
  });
}

}  // namespace zq::cli
