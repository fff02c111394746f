#include "platform/console.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

#include "platform/utf8_path.h"

namespace zq {
namespace {

UINT g_consoleCodePage = 0;

void RestoreConsoleCodePage() {
  if (g_consoleCodePage != 0) SetConsoleOutputCP(g_consoleCodePage);
}

}  // namespace

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return {argv, argv + argc};
  std::vector<std::string> arguments;
  for (int k = 0; k < count; ++k) arguments.push_back(Utf8OfPath(std::filesystem::path(wide[k])));
  LocalFree(wide);
  return arguments;
}

void UseBinaryStandardStreams() {
  for (std::FILE* stream : {stdout, stderr}) {
    std::fflush(stream);
    _setmode(_fileno(stream), _O_BINARY);
  }
}

void UseUtf8Console() {
  // The console keeps its code page after the program ends; give it back.
  UINT current = GetConsoleOutputCP();
  if (current == 0 || current == CP_UTF8 || g_consoleCodePage != 0) return;
  if (SetConsoleOutputCP(CP_UTF8)) {
    g_consoleCodePage = current;
    std::atexit(RestoreConsoleCodePage);
  }
}

bool StandardErrorIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

}  // namespace zq
