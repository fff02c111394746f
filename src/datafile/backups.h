#pragma once
// Backups of what went to and came from the radio, kept in the folder
// InstallLayout names: after every completed read the raw image and the data
// file pair decoded from it, after every write the raw image that was sent.
// Backing up never replaces a file, and a backup that cannot be written is the
// caller's warning, never a failed transfer.
#include <filesystem>
#include <vector>

#include "config/radio_config.h"
#include "datafile/backup_names.h"
#include "datafile/data_file.h"
#include "image/image_codec.h"
#include "image/memory_image.h"

namespace zq {

// Backups older than this many days are removed at the program's start.
inline constexpr int kBackupKeepDays = 365;

struct BackupResult {
  bool ok = false;
  std::vector<std::filesystem::path> files;  // what was written, the raw image first
};

// After a completed read: the image as read, and the configuration decoded
// from it as a data file pair of the same name.
BackupResult BackUpRead(const std::filesystem::path& folder, const LocalTime& when, const MemoryImage& image,
                        const RadioConfig& cfg, const DocumentState& doc);
// The image a write sent.
BackupResult BackUpWrite(const std::filesystem::path& folder, const LocalTime& when, const MemoryImage& image);

struct BackupEntry {
  LocalTime time;
  BackupKind kind = BackupKind::Read;
  int copy = 1;
  // What opening the backup takes: a read's data file when it has one, else the raw image.
  std::filesystem::path file;
};

// Every backup set in the folder, newest first; files with other names are not backups.
std::vector<BackupEntry> ListBackups(const std::filesystem::path& folder);
// Removes the backup files whose name dates them more than kBackupKeepDays
// before `today` (the file times play no part); returns how many went.
int PruneBackups(const std::filesystem::path& folder, const Date& today);

// Opens a backup as a new untitled document named after it, so a save never
// writes over the backup: a data file pair with every check of OpenDataFile, a
// raw image decoded over the configuration as a completed read is. On failure
// nothing changes.
FileResult OpenBackup(const std::filesystem::path& file, const VersionList& versions, const ImageOptions& options,
                      EditedDocument& edited);

}  // namespace zq
