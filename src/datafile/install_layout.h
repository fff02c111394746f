#pragma once
// Where an installed program finds its files. The folder of the running
// executable decides, never the user who runs it:
//  - an executable in a folder named "bin" is a system install: the release's
//    read-only files (Init/, PIC/, Version.ini) are in ../share/zq4071, and each
//    user keeps the settings file and the backups in the user's own folders, so
//    nothing is ever written beside the program;
//  - any other folder is a release folder (LR_902) inside the folder shared by
//    all installed releases, which holds Version.ini and language/mysetup.ini;
//    the release folder holds the templates and the pictures.
#include <filesystem>
#include <string>

#include "platform/user_folders.h"

namespace zq {

struct InstallLayout {
  std::filesystem::path dataFolder;       // Init/ and PIC/
  std::filesystem::path versionListFile;  // Version.ini
  std::filesystem::path settingsFile;     // mysetup.ini
  std::filesystem::path backupFolder;
  std::filesystem::path diagnosticLog;  // causes of errors and one line per transfer
  // Where the releases the version list names are installed side by side;
  // empty for a system install, which holds one release only.
  std::filesystem::path releasesFolder;
};

// `user` counts for a system install only.
InstallLayout LayoutOf(const std::filesystem::path& programFolder, const UserFolders& user);

enum class TemplateKind {
  New,             // laid over the defaults of every new configuration
  InitialSetting,  // loaded by the "Initial Setting" command
};
// Init/<n>_LR4417.dat or Init/<n>_LR4417_New.dat; n is 0 for the wide HF range text, 1 for any other.
std::filesystem::path TemplateFileOf(const std::filesystem::path& dataFolder, const std::string& rangeText,
                                     TemplateKind kind);

}  // namespace zq
