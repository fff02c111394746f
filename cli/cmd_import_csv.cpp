// zq4071-cli import-csv FILE.dat --band HF|HAM --group G IN.csv [-o OUT.dat] [--renumber]:
// channels from a CSV file into one group, saved only when some were taken.
#include <iostream>

#include "channel_group_args.h"
#include "channels/csv_channels.h"
#include "commands.h"
#include "data_commands.h"

namespace zq::cli {
namespace {

ExitCode ExitCodeOfRefusal(const CsvMessage& refusal) {
  switch (refusal.text) {
    case Txt::CsvImportOnlyHfHam: return kCsvCbBand;
    case Txt::CsvCannotRead: return kInputError;
    default: return kCsvRefused;
  }
}

void ReportImport(const CsvImportResult& result) {
  for (const CsvMessage& line : result.skippedLines) Complain(MessageText(line, CliLanguage()));
  std::cout << ImportSummary(result, CliLanguage()) << "\n";
  if (auto dropped = DroppedSummary(result, CliLanguage())) std::cout << *dropped << "\n";
}

}  // namespace

void AddImportCsvCommand(CLI::App& app, int& exitCode) {
  auto* cmd = app.add_subcommand("import-csv", Say(Txt::CliImportCsvHelp));
  static std::filesystem::path dataFile;
  static std::filesystem::path csvFile;
  static std::filesystem::path output;
  static ChannelGroupArgs where;
  static bool renumber = false;
  AddFileOption(*cmd, "file", dataFile, Say(Txt::CliDataFileHelp))->required();
  AddFileOption(*cmd, "csv", csvFile, Say(Txt::CliCsvFileHelp))->required();
  AddChannelGroupOptions(*cmd, where);
  AddFileOption(*cmd, "-o,--output", output, Say(Txt::CliImportOutputHelp));
  cmd->add_flag("--renumber", renumber, Say(Txt::CliRenumberHelp));
  cmd->callback([&exitCode] {
    auto chosen = ChosenGroup(where);
    if (!chosen) {
      exitCode = kUsage;
      return;
    }
    ProgramState& state = StartedState();
    if (!OpenForCommand(dataFile, state)) {
      exitCode = kInputError;
      return;
    }
    CsvImportResult result = ImportChannelsCsvFile(state.config, *chosen, csvFile,
                                                   renumber ? CsvRows::InFileOrder : CsvRows::ByLocation);
    if (result.refusal) {
      Complain(MessageText(*result.refusal, CliLanguage()));
      exitCode = ExitCodeOfRefusal(*result.refusal);
      return;
    }
    ReportImport(result);
    if (result.created + result.changed == 0) {
      Complain(Say(Txt::CliNothingImported));
    } else if (!SaveForCommand(output.empty() ? dataFile : output, state)) {
      exitCode = kOutputError;
      return;
    }
    if (!result.skippedLines.empty()) exitCode = kCsvLinesSkipped;
  });
}

}  // namespace zq::cli
