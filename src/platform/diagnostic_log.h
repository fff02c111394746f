#pragma once
// The diagnostic log: what a message box cannot say. A failed handler's cause,
// a file error with the system's own words, one line per transfer. Each line
// starts with the local time. The log is written only once a program has named
// its file (the desktop program always, the command line with --log-file); it
// is kept small by starting afresh past kDiagnosticLogLimit, the previous part
// kept beside it as "<name>.old".
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace zq {

inline constexpr std::uintmax_t kDiagnosticLogLimit = 192 * 1024;

void OpenDiagnosticLog(const std::filesystem::path& file);
void CloseDiagnosticLog();
// The file lines go to; empty when none was named.
const std::filesystem::path& DiagnosticLogFile();
// Adds one line (line breaks inside it become blanks); nothing when no file is named
// or it cannot be written: a log must never be the reason an action fails.
void LogDiagnostic(std::string_view line);

}  // namespace zq
