#include "platform/ini_file.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/atomic_file.h"
#include "text/letter_case.h"
#include "text/plain_text.h"

namespace zq {
namespace {

// The name of a "[section]" line, or nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  auto close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

// Key and value of a "key=value" line that is not a comment.
std::optional<std::pair<std::string_view, std::string_view>> KeyValue(std::string_view line) {
  std::string_view t = Trim(line);
  if (t.empty() || t.front() == ';' || t.front() == '[') return std::nullopt;
  auto eq = t.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return std::make_pair(Trim(t.substr(0, eq)), t.substr(eq + 1));
}

std::string CleanValue(std::string_view value) {
  value = Trim(CutAtNul(value));
  if (value.size() >= 2 &&
      ((value.front() == '"' && value.back() == '"') || (value.front() == '\'' && value.back() == '\'')))
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

}  // namespace

IniFile::IniFile(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    auto nl = text.find('\n', pos);
    if (nl == std::string_view::npos) {
      lines_.push_back({std::string(text.substr(pos)), ""});
      break;
    }
    bool crlf = nl > pos && text[nl - 1] == '\r';
    lines_.push_back({std::string(text.substr(pos, nl - pos - (crlf ? 1 : 0))), crlf ? "\r\n" : "\n"});
    pos = nl + 1;
  }
}

std::optional<IniFile> IniFile::Load(const std::filesystem::path& path) {
  std::error_code ec;
  auto size = std::filesystem::file_size(path, ec);
  if (ec || size > kMaxFileSize) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream buf;
  buf << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return IniFile(buf.str());
}

bool IniFile::Save(const std::filesystem::path& path) const { return WriteFileAtomically(path, text()); }

std::string IniFile::text() const {
  std::string out;
  for (const auto& line : lines_) out += line.text + line.ending;
  return out;
}

std::optional<std::size_t> IniFile::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    auto name = SectionName(lines_[i].text);
    if (name && SameIgnoringCase(*name, Trim(section))) return i;
  }
  return std::nullopt;
}

std::size_t IniFile::SectionEnd(std::size_t sectionLine) const {
  std::size_t end = sectionLine + 1;
  while (end < lines_.size() && !SectionName(lines_[end].text)) ++end;
  return end;
}

std::optional<std::size_t> IniFile::FindKey(std::size_t sectionLine, std::string_view key) const {
  // The end is found once: a section of many lines would otherwise be walked once per line.
  const std::size_t end = SectionEnd(sectionLine);
  for (std::size_t i = sectionLine + 1; i < end; ++i) {
    auto kv = KeyValue(lines_[i].text);
    if (kv && SameIgnoringCase(kv->first, Trim(key))) return i;
  }
  return std::nullopt;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  auto s = FindSection(section);
  if (!s) return std::nullopt;
  auto k = FindKey(*s, key);
  if (!k) return std::nullopt;
  return CleanValue(KeyValue(lines_[*k].text)->second);
}

std::string IniFile::GetOr(std::string_view section, std::string_view key, std::string_view fallback) const {
  auto v = Get(section, key);
  return v ? *v : std::string(fallback);
}

std::map<std::string, std::string> IniFile::SectionValues(std::string_view section) const {
  std::map<std::string, std::string> values;
  auto s = FindSection(section);
  if (!s) return values;
  for (std::size_t i = *s + 1, end = SectionEnd(*s); i < end; ++i) {
    auto kv = KeyValue(lines_[i].text);
    if (!kv) continue;
    std::string key(kv->first);
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    values.emplace(std::move(key), CleanValue(kv->second));  // the first of two equal keys wins
  }
  return values;
}

std::string IniFile::NewLineEnding() const {
  for (const auto& line : lines_)
    if (!line.ending.empty()) return line.ending;
  return "\r\n";
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  std::string entry = std::string(Trim(key)) + "=" + std::string(value);
  std::string nl = NewLineEnding();
  auto s = FindSection(section);
  if (!s) {
    if (!lines_.empty() && lines_.back().ending.empty()) lines_.back().ending = nl;
    lines_.push_back({"[" + std::string(Trim(section)) + "]", nl});
    lines_.push_back({entry, nl});
    return;
  }
  if (auto k = FindKey(*s, key)) {
    lines_[*k].text = entry;
    return;
  }
  // After the last non-blank line of the section.
  std::size_t at = SectionEnd(*s);
  while (at > *s + 1 && Trim(lines_[at - 1].text).empty()) --at;
  if (at > 0 && lines_[at - 1].ending.empty()) lines_[at - 1].ending = nl;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{entry, at == lines_.size() ? nl : nl});
}

std::string ReadProfileString(const std::filesystem::path& path, std::string_view section, std::string_view key,
                              std::string_view fallback) {
  auto ini = IniFile::Load(path);
  return ini ? ini->GetOr(section, key, fallback) : std::string(fallback);
}

bool WriteProfileString(const std::filesystem::path& path, std::string_view section, std::string_view key,
                        std::string_view value) {
  std::error_code ec;
  bool exists = std::filesystem::exists(path, ec);
  auto ini = exists ? IniFile::Load(path) : std::optional<IniFile>(IniFile());
  if (!ini) return false;
  ini->Set(section, key, value);
  if (!path.parent_path().empty()) std::filesystem::create_directories(path.parent_path(), ec);
  return ini->Save(path);
}

}  // namespace zq
