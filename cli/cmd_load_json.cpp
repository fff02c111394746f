// zq4071-cli load-json FILE.json -o FILE.dat: a document made by dump back into a data file pair.
#include "commands.h"
#include "data_commands.h"
#include "datafile/json_document.h"

namespace zq::cli {
namespace {

// Far above any document dump writes (a few hundred kilobytes at most).
constexpr std::uintmax_t kMaxJsonBytes = 64u << 20;

}  // namespace

void AddLoadJsonCommand(CLI::App& app, int& exitCode) {
  auto* cmd = app.add_subcommand("load-json", Say(Txt::CliLoadJsonHelp));
  static std::string input;
  static std::string output;
  cmd->add_option("file", input, Say(Txt::CliJsonFileHelp))->required();
  cmd->add_option("-o,--output", output, Say(Txt::CliOutputHelp))->required();
  cmd->callback([&exitCode] {
    auto text = ReadFileForCommand(input, kMaxJsonBytes);
    if (!text) {
      exitCode = kInputError;
      return;
    }
    WorkingCopy stored;
    JsonResult result = LoadJson(*text, stored);
    if (!result.ok()) {
      Complain(JsonResultText(result, CliLanguage()), input);
      exitCode = kInputError;
      return;
    }
    FileResult written = WriteDataFiles(output, stored);
    if (!written.ok()) {
      Complain(FileResultText(written, CliLanguage()), output);
      exitCode = kOutputError;
    }
  });
}

}  // namespace zq::cli
