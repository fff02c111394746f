#include <windows.h>

#include "datafile/test_support.h"
#include "platform/utf8_path.h"
#include "support/cli_runner.h"

namespace zq::testing {
namespace {

HANDLE InheritableOutput(const std::filesystem::path& file) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

}  // namespace

// The system's language decides the messages here; the test script runs Wine in English.
std::filesystem::path BuiltCli() { return std::filesystem::path(ZQ_PROGRAM_DIR) / "zq4071-cli.exe"; }

CliRun RunCli(const std::filesystem::path& folder, const std::string& args, const std::filesystem::path& program) {
  std::wstring command = L"\"" + program.wstring() + L"\" " + PathFromUtf8(args).wstring();
  HANDLE out = InheritableOutput(folder / "out.txt");
  HANDLE err = InheritableOutput(folder / "err.txt");
  STARTUPINFOW start{};
  start.cb = sizeof start;
  start.dwFlags = STARTF_USESTDHANDLES;
  start.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  start.hStdOutput = out;
  start.hStdError = err;
  PROCESS_INFORMATION process{};
  CliRun run;
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &start, &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    if (GetExitCodeProcess(process.hProcess, &code)) run.exitCode = static_cast<int>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(out);
  CloseHandle(err);
  run.out = test::ReadText(folder / "out.txt");
  run.err = test::ReadText(folder / "err.txt");
  return run;
}

}  // namespace zq::testing
