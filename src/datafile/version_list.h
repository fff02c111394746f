#pragma once
// Which installed release of the program handles which data-file or firmware
// version, read from the "Version.ini" shared by all releases.
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zq {

struct VersionList {
  std::string currentVersion;
  std::vector<std::string> softVersions;
  // (software release, version that release handles), in file order.
  std::vector<std::pair<std::string, std::string>> firmPairs;
};

class IniFile;

// The lists a version file's text holds.
VersionList ReadVersionList(const IniFile& ini);
// A missing or unreadable file gives empty lists.
VersionList LoadVersionList(const std::filesystem::path& versionIni);

// Some pair has release `own` handling version `other`.
bool IsCompatible(const VersionList& list, std::string_view own, std::string_view other);

// "V100" is shown as "V1.00".
std::string DisplayVersion(std::string_view version);

enum class VersionKind { RadioFirmware = 0, DataFile = 1 };
// The question asked when versions do not match, with the two version lines;
// the window and the command line render it for a radio the engine reports.
std::string IncompatibilityText(std::string_view own, std::string_view other, VersionKind kind, int language);

struct MatchingRelease {
  bool found = false;
  std::filesystem::path executable;  // parent folder / release / "LR_902" / program name
};
// The release that handles `other`: the first pair in file order. A release name
// that could leave the parent folder (a path separator or "..") counts as not found,
// and so does a release whose program is not installed, and any release when
// there is no parent folder (a system install holds one release only).
MatchingRelease FindMatchingRelease(const VersionList& list, std::string_view other,
                                    const std::filesystem::path& parentFolder, std::string_view programName);

}  // namespace zq
