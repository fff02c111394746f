// zq4071-cli export-csv FILE.dat --band B --group G [-o OUT.csv]: one channel table as CSV.
#include <iostream>

#include "channel_group_args.h"
#include "channels/csv_channels.h"
#include "commands.h"
#include "data_commands.h"

namespace zq::cli {

void AddExportCsvCommand(CLI::App& app, int& exitCode) {
  auto* cmd = app.add_subcommand("export-csv", Say(Txt::CliExportCsvHelp));
  static std::filesystem::path input;
  static std::filesystem::path output;
  static ChannelGroupArgs where;
  AddFileOption(*cmd, "file", input, Say(Txt::CliDataFileHelp))->required();
  AddChannelGroupOptions(*cmd, where);
  AddFileOption(*cmd, "-o,--output", output, Say(Txt::CliCsvOutputHelp));
  cmd->callback([&exitCode] {
    auto chosen = ChosenGroup(where);
    if (!chosen) {
      exitCode = kUsage;
      return;
    }
    WorkingCopy stored;
    if (!ReadStoredForCommand(input, stored)) {
      exitCode = kInputError;
      return;
    }
    if (output.empty()) {
      std::cout << ExportChannelsCsv(stored.content, *chosen);
      return;
    }
    if (auto failure = ExportChannelsCsvFile(stored.content, *chosen, output)) {
      Complain(MessageText(*failure, CliLanguage()));
      exitCode = kOutputError;
    }
  });
}

}  // namespace zq::cli
