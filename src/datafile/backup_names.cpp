#include "datafile/backup_names.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>

namespace zq {
namespace {

constexpr std::array<std::string_view, 2> kKindNames = {"read", "write"};
constexpr std::array<std::string_view, 3> kExtensions = {"bin", "dat", "fre"};
constexpr std::size_t kTimeLength = 17;  // "2026-12-08_141503"

std::string_view KindName(BackupKind kind) { return kKindNames[static_cast<std::size_t>(kind)]; }

// Digits only, no sign and no blanks: what the program writes into a name.
std::optional<int> Digits(std::string_view text) {
  if (text.empty() || text.size() > 6) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::chrono::year_month_day Calendar(const Date& d) {
  return {std::chrono::year{d.year}, std::chrono::month{static_cast<unsigned>(d.month)},
          std::chrono::day{static_cast<unsigned>(d.day)}};
}

std::optional<LocalTime> ParseTime(std::string_view text) {
  if (text.size() != kTimeLength || text[4] != '-' || text[7] != '-' || text[10] != '_') return std::nullopt;
  auto year = Digits(text.substr(0, 4)), month = Digits(text.substr(5, 2)), day = Digits(text.substr(8, 2));
  auto hour = Digits(text.substr(11, 2)), minute = Digits(text.substr(13, 2)), second = Digits(text.substr(15, 2));
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  LocalTime t{{*year, *month, *day}, *hour, *minute, *second};
  bool valid = Calendar(t.date).ok() && t.hour < 24 && t.minute < 60 && t.second < 61;  // 60: a leap second
  return valid ? std::optional(t) : std::nullopt;
}

std::optional<BackupKind> ParseKind(std::string_view text) {
  for (std::size_t k = 0; k < kKindNames.size(); ++k)
    if (text == kKindNames[k]) return static_cast<BackupKind>(k);
  return std::nullopt;
}

}  // namespace

std::string BackupStem(const LocalTime& time, BackupKind kind, int copy) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d_%02d%02d%02d_", time.date.year, time.date.month, time.date.day,
                time.hour, time.minute, time.second);
  std::string stem = stamp + std::string(KindName(kind));
  if (copy > 1) stem += "-" + std::to_string(copy);
  return stem;
}

std::optional<BackupName> ParseBackupName(std::string_view fileName) {
  std::size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos || dot <= kTimeLength || fileName[kTimeLength] != '_') return std::nullopt;
  BackupName name;
  name.extension = std::string(fileName.substr(dot + 1));
  if (std::find(kExtensions.begin(), kExtensions.end(), name.extension) == kExtensions.end()) return std::nullopt;
  auto time = ParseTime(fileName.substr(0, kTimeLength));
  if (!time) return std::nullopt;
  name.time = *time;

  std::string_view rest = fileName.substr(kTimeLength + 1, dot - kTimeLength - 1);  // "read" or "read-2"
  std::size_t dash = rest.find('-');
  auto kind = ParseKind(rest.substr(0, dash));
  if (!kind) return std::nullopt;
  name.kind = *kind;
  if (dash != std::string_view::npos) {
    auto copy = Digits(rest.substr(dash + 1));
    // "-1" is never written, and a leading zero would give one set two names.
    if (!copy || *copy < 2 || rest[dash + 1] == '0') return std::nullopt;
    name.copy = *copy;
  }
  return name;
}

int DaysBetween(const Date& earlier, const Date& later) {
  auto from = std::chrono::sys_days{Calendar(earlier)}, to = std::chrono::sys_days{Calendar(later)};
  return static_cast<int>((to - from).count());
}

}  // namespace zq
