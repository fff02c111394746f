// zq4071-cli: the radio's configuration from the command line.
#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "data_commands.h"
#include "platform/console.h"
#include "platform/diagnostic_log.h"
#include "platform/utf8_path.h"

namespace zq::cli {
#define ZQ_DECLARE(name) void name(CLI::App& app, int& exitCode);
ZQ_CLI_COMMANDS(ZQ_DECLARE)
#undef ZQ_DECLARE
}  // namespace zq::cli

int main(int argc, char** argv) {
  zq::UseUtf8Console();
  zq::UseBinaryStandardStreams();
  CLI::App app{"ZQ4071 programmer: configuration files, memory images and radio transfers"};
  app.require_subcommand(1);
  // Options only as -o and --output, on every system: a path such as /tmp/radio.dat
  // is never taken for a Windows-style option. Subcommands take this when they are added.
  app.allow_windows_style_options(false);
  // The diagnostic log is kept only when asked for: a script's runs write nothing unseen.
  app.add_option_function<std::string>(
         "--log-file", [](const std::string& file) { zq::OpenDiagnosticLog(zq::PathFromUtf8(file)); },
         "Keep causes of errors and one line per transfer in this file (before the command)")
      ->trigger_on_parse();
  int exitCode = zq::cli::kOk;
#define ZQ_REGISTER(name) zq::cli::name(app, exitCode);
  ZQ_CLI_COMMANDS(ZQ_REGISTER)
#undef ZQ_REGISTER
  const std::vector<std::string> arguments = zq::CommandLineArguments(argc, argv);
  std::vector<const char*> utf8Argv;
  for (const std::string& argument : arguments) utf8Argv.push_back(argument.c_str());
  try {
    app.parse(static_cast<int>(utf8Argv.size()), utf8Argv.data());
  } catch (const CLI::ParseError& e) {
    int code = app.exit(e);
    return code == 0 ? zq::cli::kOk : zq::cli::kUsage;
  }
  // A JSON document or CSV table sent to a full disk is no success.
  if (!std::cout.flush()) {
    zq::cli::Complain(zq::cli::Say(zq::Txt::CliStandardOutputFailed));
    if (exitCode == zq::cli::kOk) exitCode = zq::cli::kOutputError;
  }
  return exitCode;
}
