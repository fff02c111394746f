// zq4071-cli decode IMAGE.bin -o FILE.dat: a memory image as a new, untitled document saved under a name.
#include "commands.h"
#include "data_commands.h"
#include "image/image_codec.h"
#include "platform/system_locale.h"

namespace zq::cli {

void AddDecodeCommand(CLI::App& app, int& exitCode) {
  auto* cmd = app.add_subcommand("decode", Say(Txt::CliDecodeHelp));
  static std::filesystem::path input;
  static std::filesystem::path output;
  AddFileOption(*cmd, "file", input, Say(Txt::CliImageFileHelp))->required();
  AddFileOption(*cmd, "-o,--output", output, Say(Txt::CliOutputHelp))->required();
  cmd->callback([&exitCode] {
    auto bytes = ReadFileForCommand(input, kImageSize);
    if (bytes && bytes->size() != kImageSize) {
      Complain(Say(Txt::CliImageWrongSize), input);
      bytes.reset();
    }
    if (!bytes) {
      exitCode = kInputError;
      return;
    }
    MemoryImage image;
    std::copy(bytes->begin(), bytes->end(), image.bytes().begin());
    // What the image does not hold (identity, radio information) comes from a new document.
    if (!StartedFromTemplate()) {
      exitCode = kInputError;
      return;
    }
    ProgramState& state = StartedState();
    DecodeImage(image, state.config, {SystemLocaleId()});
    state.document.rangeText = RangeTextOfIndex(state.config.RangeIndex());  // the identity follows the radio's range
    if (!SaveForCommand(output, state)) exitCode = kOutputError;
  });
}

}  // namespace zq::cli
