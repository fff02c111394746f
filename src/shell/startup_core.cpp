#include "shell/startup_core.h"

#include "datafile/backups.h"
#include "datafile/init_defaults.h"
#include "datafile/install_layout.h"

namespace zq {

void StartupCore(const std::filesystem::path& programFolder, unsigned systemLocaleId, Date today,
                 SettingsAccess access, ProgramState& state) {
  state.versions = LoadVersionList(VersionListFileOf(programFolder));
  auto settingsFile = SettingsFileOf(programFolder);
  state.settings = access == SettingsAccess::ReadWrite ? LoadUserSettings(settingsFile, systemLocaleId)
                                                       : ReadUserSettings(settingsFile, systemLocaleId);
  if (access == SettingsAccess::ReadWrite) PruneBackups(BackupFolderOf(programFolder), today);
  state.document.rangeText = RangeTextOfIndex(2);
  state.templateLoaded = InitDefaults(programFolder, today, state.config, state.document, state.working);
}

}  // namespace zq
