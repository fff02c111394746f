#pragma once
// Paths to and from UTF-8 text (the command line, the language table, Qt).
// Windows reads a plain narrow string as text of the ANSI code page, so a
// folder named in Chinese would be lost on the way; these keep every character.
#include <filesystem>
#include <string>
#include <string_view>

namespace zq {

inline std::filesystem::path PathFromUtf8(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string Utf8OfPath(const std::filesystem::path& path) {
  std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace zq
