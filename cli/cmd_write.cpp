// zq4071-cli write: a file into the radio's memory.
#include <iostream>
#include <memory>

#include "commands.h"
#include "image/image_file.h"
#include "radio_transfer.h"

namespace zq::cli {

void AddWriteCommand(CLI::App& app, int& exitCode) {
  auto* command = app.add_subcommand("write", "Write to the radio over its serial port");
  auto options = std::make_shared<RadioOptions>();
  auto imageFile = std::make_shared<std::string>();
  AddRadioOptions(*command, *options);
  command->add_option("--image", *imageFile, "Raw memory image (139776 bytes) to write")->required();
  command->callback([&exitCode, options, imageFile] {
    auto image = LoadImageFile(*imageFile);
    if (!image) {
      std::cerr << Message(*options, Txt::ImageFileInvalid, "file", *imageFile) << '\n';
      exitCode = kInputError;
      return;
    }
    exitCode = RunRadioTransfer(TransferKind::Write, *options, *image);
  });
}

}  // namespace zq::cli
