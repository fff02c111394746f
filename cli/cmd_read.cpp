// zq4071-cli read: the radio's memory into a file.
#include <iostream>
#include <memory>

#include "commands.h"
#include "image/image_file.h"
#include "radio_transfer.h"

namespace zq::cli {

void AddReadCommand(CLI::App& app, int& exitCode) {
  auto* command = app.add_subcommand("read", "Read the radio over its serial port");
  auto options = std::make_shared<RadioOptions>();
  auto imageFile = std::make_shared<std::string>();
  AddRadioOptions(*command, *options);
  command->add_option("--image", *imageFile, "Save the raw memory image (139776 bytes) here")->required();
  command->callback([&exitCode, options, imageFile] {
    MemoryImage image;
    exitCode = RunRadioTransfer(TransferKind::Read, *options, image);
    if (exitCode != kOk) return;  // a failed read leaves the file as it was
    if (!SaveImageFile(*imageFile, image)) {
      std::cerr << Message(*options, Txt::CannotWriteFile, "file", *imageFile) << '\n';
      exitCode = kOutputError;
    }
  });
}

}  // namespace zq::cli
