#include "datafile/backups.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "datafile/working_copy.h"
#include "image/image_document.h"
#include "image/image_file.h"
#include "platform/atomic_file.h"
#include "platform/utf8_path.h"

namespace zq {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxCopies = 999;

bool Taken(const fs::path& file) {
  std::error_code ec;
  return fs::symlink_status(file, ec).type() != fs::file_type::not_found;
}

fs::path WithExtension(fs::path file, const char* extension) { return file.replace_extension(extension); }

// Creates the raw image file of the first free name exclusively, so that two
// programs backing up in the same second never end up with one name.
std::optional<fs::path> ClaimImageFile(const fs::path& folder, const LocalTime& when, BackupKind kind) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  for (int copy = 1; copy <= kMaxCopies; ++copy) {
    fs::path image = folder / (BackupStem(when, kind, copy) + ".bin");
    if (Taken(WithExtension(image, ".dat")) || Taken(WithExtension(image, ".fre"))) continue;
    switch (CreateNewFile(image)) {
      case NewFile::Created: return image;
      case NewFile::Exists: continue;
      case NewFile::Failed: return std::nullopt;  // the folder refuses new files
    }
  }
  return std::nullopt;
}

BackupResult BackUpImage(const fs::path& folder, const LocalTime& when, BackupKind kind, const MemoryImage& image) {
  BackupResult result;
  auto file = ClaimImageFile(folder, when, kind);
  if (!file) return result;
  if (!SaveImageFile(*file, image)) {
    std::error_code ec;
    fs::remove(*file, ec);
    return result;
  }
  result.files.push_back(*file);
  result.ok = true;
  return result;
}

// The folder's entries; none when it cannot be listed.
std::vector<fs::path> FilesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) files.push_back(it->path());
  return files;
}

auto Newness(const BackupEntry& e) {
  const LocalTime& t = e.time;
  return std::tuple(t.date.year, t.date.month, t.date.day, t.hour, t.minute, t.second, e.copy, e.kind);
}

}  // namespace

BackupResult BackUpRead(const fs::path& folder, const LocalTime& when, const MemoryImage& image, const RadioConfig& cfg,
                        const DocumentState& doc) {
  BackupResult result = BackUpImage(folder, when, BackupKind::Read, image);
  if (!result.ok) return result;
  RadioConfig copy = cfg;  // packing normalises the identity; the caller's configuration stays as it is
  WorkingCopy packed;
  PackForFile(copy, doc, packed);
  fs::path dataFile = WithExtension(result.files.front(), ".dat");
  result.ok = WriteDataFiles(dataFile, packed).ok();
  if (result.ok) {
    result.files.push_back(dataFile);
    result.files.push_back(ChannelFilePath(dataFile));
  }
  return result;
}

BackupResult BackUpWrite(const fs::path& folder, const LocalTime& when, const MemoryImage& image) {
  return BackUpImage(folder, when, BackupKind::Write, image);
}

std::vector<BackupEntry> ListBackups(const fs::path& folder) {
  std::map<std::string, BackupEntry> sets;  // by stem
  for (const fs::path& file : FilesIn(folder)) {
    auto name = ParseBackupName(Utf8OfPath(file.filename()));
    if (!name || name->extension == "fre") continue;
    BackupEntry& entry = sets[Utf8OfPath(file.stem())];
    // A read's data file is what it opens as; its raw image only stands in when the pair is missing.
    if (!entry.file.empty() && name->extension == "bin") continue;
    entry = {name->time, name->kind, name->copy, file};
  }
  std::vector<BackupEntry> entries;
  for (auto& [stem, entry] : sets) entries.push_back(std::move(entry));
  std::sort(entries.begin(), entries.end(),
            [](const BackupEntry& a, const BackupEntry& b) { return Newness(a) > Newness(b); });
  return entries;
}

int PruneBackups(const fs::path& folder, const Date& today) {
  int removed = 0;
  for (const fs::path& file : FilesIn(folder)) {
    auto name = ParseBackupName(Utf8OfPath(file.filename()));
    std::error_code ec;
    if (name && DaysBetween(name->time.date, today) > kBackupKeepDays && fs::remove(file, ec)) ++removed;
  }
  return removed;
}

FileResult OpenBackup(const fs::path& file, const VersionList& versions, const ImageOptions& options,
                      EditedDocument& edited) {
  DocumentState& doc = edited.document;
  const std::string documentName = Utf8OfPath(WithExtension(file.filename(), ".dat"));
  if (file.extension() == ".bin") {
    auto image = LoadImageFile(file);
    if (!image) return {FileStatus::FileError};
    AdoptImage(*image, edited.config, doc, documentName, options);
    return {};
  }
  FileResult result = OpenDataFile(file, versions, edited);
  if (result.ok()) {
    doc.fileName = documentName;
    doc.untitled = true;
  }
  return result;
}

}  // namespace zq
