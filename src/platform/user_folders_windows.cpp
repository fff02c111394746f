#include "platform/user_folders.h"

#include <cstdlib>

namespace zq {
namespace {

// Where Qt puts a user's generic configuration and data on Windows: the local application data folder.
std::filesystem::path LocalAppData() {
  if (const wchar_t* folder = _wgetenv(L"LOCALAPPDATA"); folder != nullptr && *folder != L'\0') return folder;
  const wchar_t* profile = _wgetenv(L"USERPROFILE");
  return std::filesystem::path(profile != nullptr ? profile : L"C:\\") / "AppData" / "Local";
}

}  // namespace

UserFolders UserFoldersFromEnvironment() { return {LocalAppData(), LocalAppData()}; }

}  // namespace zq
