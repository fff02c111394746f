// zq4071-cli load-json FILE.json -o FILE.dat: a document made by dump back into a data file pair.
#include "commands.h"
#include "data_commands.h"
#include "datafile/json_document.h"

namespace zq::cli {
namespace {

// Several times any document dump writes (under a megabyte with every group
// full); a parsed document takes many times its text in memory.
constexpr std::uintmax_t kMaxJsonBytes = 4u << 20;

}  // namespace

void AddLoadJsonCommand(CLI::App& app, int& exitCode) {
  auto* cmd = app.add_subcommand("load-json", Say(Txt::CliLoadJsonHelp));
  static std::filesystem::path input;
  static std::filesystem::path output;
  AddFileOption(*cmd, "file", input, Say(Txt::CliJsonFileHelp))->required();
  AddFileOption(*cmd, "-o,--output", output, Say(Txt::CliOutputHelp))->required();
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
    if (!Report(WriteDataFiles(output, stored), output)) exitCode = kOutputError;
  });
}

}  // namespace zq::cli
