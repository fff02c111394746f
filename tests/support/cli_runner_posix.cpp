#include <sys/wait.h>

#include <cstdlib>

#include "datafile/test_support.h"
#include "support/cli_runner.h"

namespace zq::testing {

std::filesystem::path BuiltCli() { return std::filesystem::path(ZQ_PROGRAM_DIR) / "zq4071-cli"; }

CliRun RunCli(const std::filesystem::path& folder, const std::string& args, const std::filesystem::path& program) {
  std::string command = "cd '" + folder.string() + "' && LC_ALL=C LANG=C '" + program.string() + "' " + args +
                        " >out.txt 2>err.txt";
  int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::ReadText(folder / "out.txt"),
          test::ReadText(folder / "err.txt")};
}

}  // namespace zq::testing
