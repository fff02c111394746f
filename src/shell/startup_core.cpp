#include "shell/startup_core.h"

#include "datafile/backups.h"
#include "datafile/init_defaults.h"

namespace zq {

void StartupCore(const InstallLayout& layout, unsigned systemLocaleId, Date today, SettingsAccess access,
                 ProgramState& state) {
  state.versions = LoadVersionList(layout.versionListFile);
  state.settings = access == SettingsAccess::ReadWrite ? LoadUserSettings(layout.settingsFile, systemLocaleId)
                                                       : ReadUserSettings(layout.settingsFile, systemLocaleId);
  if (access == SettingsAccess::ReadWrite) PruneBackups(layout.backupFolder, today);
  state.document.rangeText = RangeTextOfIndex(2);
  state.templateLoaded = InitDefaults(layout.dataFolder, today, state);
}

}  // namespace zq
