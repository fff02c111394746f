#include "platform/running_executable.h"

#include <windows.h>

#include <string>

namespace zq {

std::filesystem::path RunningExecutable() {
  // A path longer than the buffer is cut and reported as filling it; try again with more room.
  std::wstring buffer(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 6; ++attempt) {
    DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::filesystem::path(buffer.substr(0, length));
    buffer.resize(buffer.size() * 4);
  }
  return {};
}

}  // namespace zq
