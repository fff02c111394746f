#pragma once
// The names of backup files. A name carries everything about its backup: when
// it was made (local time, sortable) and what made it, for example
// "2026-12-08_141503_read.bin". A second set made in the same second by the same
// kind of transfer gets "-2", then "-3"..., so no backup ever replaces another.
#include <optional>
#include <string>
#include <string_view>

#include "platform/local_date.h"

namespace zq {

enum class BackupKind { Read, Write };

struct BackupName {
  LocalTime time;
  BackupKind kind = BackupKind::Read;
  int copy = 1;           // 1, or the N of a "-N" suffix
  std::string extension;  // "bin", "dat" or "fre"
};

// "2026-12-08_141503_read", with "-N" for a copy N > 1: the stem all files of one set share.
std::string BackupStem(const LocalTime& time, BackupKind kind, int copy);
// Empty for any name this program does not give its backups.
std::optional<BackupName> ParseBackupName(std::string_view fileName);

// Whole days from the backup's date to `today` (negative for a date in the future).
int DaysBetween(const Date& earlier, const Date& later);

}  // namespace zq
