#include "datafile/install_layout.h"

#include "config/radio_config.h"

namespace zq {
namespace {

// The user's folder below each base folder, named after the application as the
// store of the window placement is, so one folder holds all of a user's settings.
constexpr const char* kUserFolderName = "ZQ4071";
constexpr const char* kDiagnosticLogName = "zq4071.log";

}  // namespace

InstallLayout LayoutOf(const std::filesystem::path& programFolder, const UserFolders& user) {
  // "a/b/LR_902/" names the same folder as "a/b/LR_902".
  auto folder = programFolder.has_filename() ? programFolder : programFolder.parent_path();
  InstallLayout layout;
  if (folder.filename() == "bin") {
    layout.dataFolder = folder.parent_path() / "share" / "zq4071";
    layout.versionListFile = layout.dataFolder / "Version.ini";
    layout.settingsFile = user.config / kUserFolderName / "mysetup.ini";
    layout.backupFolder = user.data / kUserFolderName / "backups";
    layout.diagnosticLog = user.data / kUserFolderName / kDiagnosticLogName;
    return layout;
  }
  auto shared = folder.parent_path();
  layout.dataFolder = folder;
  layout.versionListFile = shared / "Version.ini";
  layout.settingsFile = shared / "language" / "mysetup.ini";
  layout.backupFolder = shared / "language" / "backups";
  layout.diagnosticLog = shared / "language" / kDiagnosticLogName;
  layout.releasesFolder = shared;
  return layout;
}

std::filesystem::path TemplateFileOf(const std::filesystem::path& dataFolder, const std::string& rangeText,
                                     TemplateKind kind) {
  std::string name = std::to_string(RangeKindOfText(rangeText)) + "_LR4417" +
                     (kind == TemplateKind::New ? "_New.dat" : ".dat");
  return dataFolder / "Init" / name;
}

}  // namespace zq
