#pragma once
// Runs zq4071-cli as a user runs it, in a folder of the test's own, and keeps
// its exit code and what it printed, byte for byte.
#include <filesystem>
#include <string>

namespace zq::testing {

struct CliRun {
  int exitCode = -1;
  std::string out, err;
};

// The zq4071-cli the build made.
std::filesystem::path BuiltCli();

// `args` are UTF-8 separated by blanks; none of them holds a blank or a quote.
// Messages are asked for in English. `program` is another copy of the tool.
CliRun RunCli(const std::filesystem::path& folder, const std::string& args,
              const std::filesystem::path& program = BuiltCli());

}  // namespace zq::testing
