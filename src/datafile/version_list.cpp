#include "datafile/version_list.h"

#include <algorithm>

#include "platform/ini_file.h"
#include "text/language_table.h"
#include "text/plain_text.h"

namespace zq {
namespace {

constexpr int kMaxEntries = 1000;

int EntryCount(const IniFile& ini, std::string_view key) {
  auto n = ParseInteger(ini.GetOr("Version", key));
  return n ? static_cast<int>(std::clamp<long long>(*n, 0, kMaxEntries)) : 0;
}

// `key` in lower case, as SectionValues gives the keys.
std::string ValueOr(const std::map<std::string, std::string>& values, const std::string& key) {
  auto found = values.find(key);
  return found == values.end() ? std::string() : found->second;
}

}  // namespace

VersionList ReadVersionList(const IniFile& ini) {
  VersionList list;
  list.currentVersion = ini.GetOr("Version", "CurrentVersion");
  // Each section is walked once: a long damaged file would otherwise be walked once per entry.
  const auto soft = ini.SectionValues("Soft");
  const auto firm = ini.SectionValues("Firm");
  for (int i = 0, n = EntryCount(ini, "SoftVersionCount"); i < n; ++i)
    list.softVersions.push_back(ValueOr(soft, "version" + std::to_string(i)));
  for (int i = 0, n = EntryCount(ini, "FirmVersionCount"); i < n; ++i) {
    std::string entry = ValueOr(firm, "firm" + std::to_string(i));
    if (entry.empty()) continue;
    // First four characters: the release; last four: the version it handles.
    std::string release = entry.substr(0, std::min<std::size_t>(4, entry.size()));
    std::string handled = entry.size() > 4 ? entry.substr(entry.size() - 4) : entry;
    list.firmPairs.emplace_back(release, handled);
  }
  return list;
}

VersionList LoadVersionList(const std::filesystem::path& versionIni) {
  auto ini = IniFile::Load(versionIni);
  return ini ? ReadVersionList(*ini) : VersionList();
}

bool IsCompatible(const VersionList& list, std::string_view own, std::string_view other) {
  return std::any_of(list.firmPairs.begin(), list.firmPairs.end(),
                     [&](const auto& pair) { return pair.first == own && pair.second == other; });
}

std::string DisplayVersion(std::string_view version) {
  if (version.size() < 4) return std::string(version);
  return std::string(version.substr(0, 2)) + "." + std::string(version.substr(version.size() - 2));
}

std::string IncompatibilityText(std::string_view own, std::string_view other, VersionKind kind, int language) {
  std::string ownLine = "\r\n" + std::string(Text(Txt::ProgramVersionLabel, language)) + " " + DisplayVersion(own);
  Txt otherLabel = kind == VersionKind::RadioFirmware ? Txt::FirmwareVersionIs : Txt::DataFileVersionIs;
  std::string otherLine = "\r\n" + std::string(Text(otherLabel, language)) + " " + DisplayVersion(other);
  return std::string(Text(Txt::IncompatibleQuestion, language)) + otherLine + ownLine;
}

MatchingRelease FindMatchingRelease(const VersionList& list, std::string_view other,
                                    const std::filesystem::path& parentFolder, std::string_view programName) {
  auto pair = std::find_if(list.firmPairs.begin(), list.firmPairs.end(),
                           [&](const auto& p) { return p.second == other; });
  // Without a folder of releases the name would be looked up from the working folder.
  if (pair == list.firmPairs.end() || parentFolder.empty()) return {};
  const std::string& release = pair->first;
  bool escapes = release.empty() || release.find('/') != std::string::npos || release.find('\\') != std::string::npos ||
                 release.find("..") != std::string::npos;
  if (escapes) return {};
  auto executable = parentFolder / release / "LR_902" / std::string(programName);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(executable, ec)) return {};
  return {true, executable};
}

}  // namespace zq
