#include "platform/diagnostic_log.h"

#include <fstream>
#include <string>
#include <system_error>

#include "platform/local_date.h"
#include "platform/time_text.h"

namespace zq {
namespace {

std::filesystem::path diagnosticLogFile;

// Past the limit the current part becomes the old one, so the log never holds
// much more than two parts.
void RotateWhenFull(const std::filesystem::path& file) {
  std::error_code ec;
  if (std::filesystem::file_size(file, ec) < kDiagnosticLogLimit || ec) return;
  auto old = file;
  old += ".old";
  std::filesystem::remove(old, ec);  // not every system's rename replaces a file
  std::filesystem::rename(file, old, ec);
}

std::string OneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line)
    if (c == '\n' || c == '\r') c = ' ';
  return line;
}

}  // namespace

void OpenDiagnosticLog(const std::filesystem::path& file) { diagnosticLogFile = file; }

void CloseDiagnosticLog() { diagnosticLogFile.clear(); }

const std::filesystem::path& DiagnosticLogFile() { return diagnosticLogFile; }

void LogDiagnostic(std::string_view line) {
  if (diagnosticLogFile.empty()) return;
  std::error_code ec;
  std::filesystem::create_directories(diagnosticLogFile.parent_path(), ec);
  RotateWhenFull(diagnosticLogFile);
  std::ofstream out(diagnosticLogFile, std::ios::binary | std::ios::app);
  out << TimeText(LocalNow()) << "  " << OneLine(line) << "\n";
}

}  // namespace zq
