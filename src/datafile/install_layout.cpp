#include "datafile/install_layout.h"

#include "config/radio_config.h"

namespace zq {

std::filesystem::path SharedFolderOf(const std::filesystem::path& programFolder) {
  // "a/b/LR_902/" names the same folder as "a/b/LR_902".
  auto folder = programFolder.has_filename() ? programFolder : programFolder.parent_path();
  return folder.parent_path();
}

std::filesystem::path SettingsFileOf(const std::filesystem::path& programFolder) {
  return SharedFolderOf(programFolder) / "language" / "mysetup.ini";
}

std::filesystem::path VersionListFileOf(const std::filesystem::path& programFolder) {
  return SharedFolderOf(programFolder) / "Version.ini";
}

std::filesystem::path TemplateFileOf(const std::filesystem::path& programFolder, const std::string& rangeText,
                                     TemplateKind kind) {
  std::string name = std::to_string(RangeKindOfText(rangeText)) + "_LR4417" +
                     (kind == TemplateKind::New ? "_New.dat" : ".dat");
  return programFolder / "Init" / name;
}

}  // namespace zq
