#include "platform/qt/standard_user_folders.h"

#include <QDir>
#include <QStandardPaths>

namespace zq {

UserFolders StandardUserFolders() {
  auto folder = [](QStandardPaths::StandardLocation location, const char* underHome) {
    QString found = QStandardPaths::writableLocation(location);
    // A relative XDG variable is taken as it is here, which would move the
    // user's files with the working folder; the freedesktop rules ignore it.
    if (QDir::isRelativePath(found)) found = QDir::homePath() + QLatin1Char('/') + QLatin1String(underHome);
    return std::filesystem::path(found.toStdU16String());  // every character, on Windows too
  };
  return {folder(QStandardPaths::GenericConfigLocation, ".config"),
          folder(QStandardPaths::GenericDataLocation, ".local/share")};
}

}  // namespace zq
