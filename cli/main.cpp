// zq4071-cli: the radio's configuration from the command line.
#include <CLI/CLI.hpp>

#include <iostream>

#include "commands.h"
#include "data_commands.h"

namespace zq::cli {
#define ZQ_DECLARE(name) void name(CLI::App& app, int& exitCode);
ZQ_CLI_COMMANDS(ZQ_DECLARE)
#undef ZQ_DECLARE
}  // namespace zq::cli

int main(int argc, char** argv) {
  CLI::App app{"ZQ4071 programmer: configuration files, memory images and radio transfers"};
  app.require_subcommand(1);
  int exitCode = zq::cli::kOk;
#define ZQ_REGISTER(name) zq::cli::name(app, exitCode);
  ZQ_CLI_COMMANDS(ZQ_REGISTER)
#undef ZQ_REGISTER
  try {
    app.parse(argc, argv);
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
