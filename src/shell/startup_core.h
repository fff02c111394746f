#pragma once
// The window-free steps of the program's start, shared by the desktop program
// and the command-line tool: version list, settings, default configuration.
#include <filesystem>

#include "config/defaults.h"
#include "config/radio_config.h"
#include "datafile/install_layout.h"
#include "datafile/version_list.h"
#include "datafile/working_copy.h"
#include "shell/user_settings.h"

namespace zq {

// The state the windows and commands work on; one instance per process: the
// edited document, and what the program reads at its start.
struct ProgramState : EditedDocument {
  VersionList versions;
  UserSettings settings;
  bool templateLoaded = false;  // the New template of the range was read into `config`
};

enum class SettingsAccess {
  ReadWrite,  // the program's start: settings are written back as a start writes them, old backups go
  ReadOnly,   // tools that must leave the user's settings file alone
};

// In order: the version list; the settings
// (the range text becomes "28.0000 - 29.6990 MHz") and, for the program, the
// pruning of backups older than a year; the default configuration with the New
// template of that range (`templateLoaded` tells whether the data folder had it).
void StartupCore(const InstallLayout& layout, unsigned systemLocaleId, Date today, SettingsAccess access,
                 ProgramState& state);

}  // namespace zq
