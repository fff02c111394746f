#pragma once
// Initialisation files with the rules of the classic profile functions:
// section and key names match without regard to case, values are trimmed,
// the first of two equal keys wins, and writing a key keeps every other line
// of the file exactly as it was.
#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zq {

class IniFile {
 public:
  // Files larger than this are treated as unreadable.
  static constexpr std::size_t kMaxFileSize = 1 << 20;

  IniFile() = default;
  explicit IniFile(std::string_view text);

  // Empty when the file is missing, unreadable or too large.
  static std::optional<IniFile> Load(const std::filesystem::path& path);
  // Writes through a temporary file in the same folder; false on any error.
  bool Save(const std::filesystem::path& path) const;

  // The value up to its first NUL, without surrounding blanks (and without one
  // pair of surrounding quotes); empty when the section or key is missing.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  std::string GetOr(std::string_view section, std::string_view key, std::string_view fallback = "") const;
  // Every key of the section with its value as Get gives it, the key in lower
  // case: one walk for a reader of many keys.
  std::map<std::string, std::string> SectionValues(std::string_view section) const;
  void Set(std::string_view section, std::string_view key, std::string_view value);

  std::string text() const;

 private:
  struct Line {
    std::string text;
    std::string ending;  // "\r\n", "\n" or "" for the last line
  };
  std::optional<std::size_t> FindSection(std::string_view section) const;
  std::optional<std::size_t> FindKey(std::size_t sectionLine, std::string_view key) const;
  std::size_t SectionEnd(std::size_t sectionLine) const;
  std::string NewLineEnding() const;

  std::vector<Line> lines_;
};

// One-call helpers in the style of the profile functions.
std::string ReadProfileString(const std::filesystem::path& path, std::string_view section, std::string_view key,
                              std::string_view fallback = "");
bool WriteProfileString(const std::filesystem::path& path, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace zq
