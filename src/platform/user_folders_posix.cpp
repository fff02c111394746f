#include "platform/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace zq {
namespace {

std::filesystem::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  // A service or "env -i" may leave HOME unset; the account still has a home.
  const passwd* account = getpwuid(getuid());
  return account != nullptr && account->pw_dir != nullptr ? account->pw_dir : "/";
}

std::filesystem::path BaseFolder(const char* variable, const char* underHome) {
  const char* value = std::getenv(variable);
  if (value != nullptr && std::filesystem::path(value).is_absolute()) return value;
  return HomeFolder() / underHome;
}

}  // namespace

UserFolders UserFoldersFromEnvironment() {
  return {BaseFolder("XDG_CONFIG_HOME", ".config"), BaseFolder("XDG_DATA_HOME", ".local/share")};
}

}  // namespace zq
