#pragma once
// Where an installed release finds its files. Several releases share one
// parent folder, which holds the settings file and the version list; each
// release's program folder holds its templates.
#include <filesystem>
#include <string>

namespace zq {

// The folder shared by all installed releases: the program folder's parent.
std::filesystem::path SharedFolderOf(const std::filesystem::path& programFolder);
std::filesystem::path SettingsFileOf(const std::filesystem::path& programFolder);     // language/mysetup.ini
std::filesystem::path VersionListFileOf(const std::filesystem::path& programFolder);  // Version.ini

enum class TemplateKind {
  New,             // laid over the defaults of every new configuration
  InitialSetting,  // loaded by the "Initial Setting" command
};
// Init/<n>_LR4417.dat or Init/<n>_LR4417_New.dat; n is 0 for the wide HF range text, 1 for any other.
std::filesystem::path TemplateFileOf(const std::filesystem::path& programFolder, const std::string& rangeText,
                                     TemplateKind kind);

}  // namespace zq
