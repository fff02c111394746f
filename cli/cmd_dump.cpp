// zq4071-cli dump FILE.dat [-o FILE.json]: every stored member of a data file pair by name.
#include <iostream>

#include "commands.h"
#include "data_commands.h"
#include "datafile/json_document.h"

namespace zq::cli {

void AddDumpCommand(CLI::App& app, int& exitCode) {
  auto* cmd = app.add_subcommand("dump", Say(Txt::CliDumpHelp));
  static std::filesystem::path input;
  static std::filesystem::path output;
  AddFileOption(*cmd, "file", input, Say(Txt::CliDataFileHelp))->required();
  AddFileOption(*cmd, "-o,--output", output, Say(Txt::CliDumpOutputHelp));
  cmd->callback([&exitCode] {
    WorkingCopy stored;
    if (!ReadStoredForCommand(input, stored)) {
      exitCode = kInputError;
      return;
    }
    std::string json = DumpJson(stored);
    if (output.empty()) {
      std::cout << json;
      return;
    }
    auto bytes = std::span(reinterpret_cast<const uint8_t*>(json.data()), json.size());
    if (!WriteFileForCommand(output, bytes)) exitCode = kOutputError;
  });
}

}  // namespace zq::cli
