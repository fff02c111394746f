#pragma once
// Runs zq4071-cli as a user runs it, in a folder of the test's own, and keeps
// its exit code and what it printed.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "datafile/test_support.h"

namespace zq::testing {

struct CliRun {
  int exitCode = -1;
  std::string out, err;
};

inline CliRun RunCli(const std::filesystem::path& folder, const std::string& args) {
  const auto cli = std::filesystem::path(ZQ_PROGRAM_DIR) / "zq4071-cli";
  std::string command = "cd '" + folder.string() + "' && LC_ALL=C LANG=C '" + cli.string() + "' " + args +
                        " >out.txt 2>err.txt";
  int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::ReadText(folder / "out.txt"),
          test::ReadText(folder / "err.txt")};
}

}  // namespace zq::testing
