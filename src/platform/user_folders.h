#pragma once
// The per-user base folders of the freedesktop rules, where a program installed
// for the whole system keeps each user's settings and data. (Windows has one
// such folder for both, the local application data folder.)
#include <filesystem>

namespace zq {

struct UserFolders {
  std::filesystem::path config;  // $XDG_CONFIG_HOME, else ~/.config
  std::filesystem::path data;    // $XDG_DATA_HOME, else ~/.local/share
};

// Read from the environment the way the toolkit reads it for the desktop
// program, so both programs of a system install use the same folders. A
// variable that is unset, empty or relative gives the home folder's default.
// On Windows: %LOCALAPPDATA%, else the profile's AppData\Local.
UserFolders UserFoldersFromEnvironment();

}  // namespace zq
