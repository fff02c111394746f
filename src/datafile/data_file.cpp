#include "datafile/data_file.h"

#include <fstream>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "config/text_rules.h"
#include "datafile/record_bytes.h"
#include "platform/atomic_file.h"
#include "platform/utf8_path.h"

namespace zq {
namespace {

FileResult Failed(FileStatus status, std::string version = {}) { return {status, std::move(version)}; }

// Size of a regular file; nothing for a missing file, a folder or a device.
std::optional<std::uintmax_t> RegularFileSize(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  auto size = std::filesystem::file_size(path, ec);
  if (ec) return std::nullopt;
  return size;
}

// Up to `limit` bytes from the start of a regular file; nothing when it cannot be
// read. A pipe or device in place of a file would block or never end.
std::optional<std::vector<uint8_t>> ReadFilePrefix(const std::filesystem::path& path, std::size_t limit) {
  if (!RegularFileSize(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<uint8_t> bytes(limit);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(limit));
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

bool IsVersionForm(std::string_view version) {
  return version.size() == 4 && version[0] == 'V' && IsAllDigits(version.substr(1));
}

FileResult CheckDataVersion(const std::filesystem::path& dataFile, const VersionList& versions) {
  auto head = ReadFilePrefix(dataFile, 4);
  if (!head) return Failed(FileStatus::FileError);
  std::string version(Cleaned(std::string(head->begin(), head->end())));
  if (!IsVersionForm(version)) return Failed(FileStatus::UnknownVersion);
  if (!IsCompatible(versions, kDataVersion, version)) return Failed(FileStatus::IncompatibleVersion, version);
  return {};
}

// Reads the settings record and the channel records its counts call for.
FileResult ReadStoredPair(const std::filesystem::path& dataFile, WorkingCopy& out) {
  auto size = RegularFileSize(dataFile);
  if (!size) return Failed(FileStatus::FileError);
  if (*size != kDataFileSize) return Failed(FileStatus::WrongLength);
  auto record = ReadFilePrefix(dataFile, kDataFileSize);
  if (!record || record->size() != kDataFileSize) return Failed(FileStatus::FileError);

  WorkingCopy read;
  DecodeSettingsRecord(std::span<const uint8_t, kDataFileSize>(record->data(), kDataFileSize), read.content);
  if (!ChannelCountsAreValid(read.content.ChannelCount)) return Failed(FileStatus::FileError);

  const std::size_t needed = ChannelFileRecordCount(read.content.ChannelCount) * kChannelRecordSize;
  auto channelFile = ChannelFilePath(dataFile);
  auto channels = channelFile.empty() ? std::nullopt : ReadFilePrefix(channelFile, needed);
  if (!channels || channels->size() != needed) return {FileStatus::FileError, {}, !channelFile.empty()};

  std::size_t next = 0;
  auto take = [&] {
    auto bytes = std::span<const uint8_t, kChannelRecordSize>(channels->data() + next, kChannelRecordSize);
    next += kChannelRecordSize;
    return DecodeChannelRecord(bytes);
  };
  for (int band = 0; band < kBandCount; ++band)
    for (int group = 1; group <= GroupCount(band); ++group)
      for (int k = 1; k <= read.content.Count(band, group); ++k) read.content.Channel(band, group, k) = take();
  for (int n = 1; n <= kSpecialSlots; ++n) read.content.Special(n) = take();

  out = std::move(read);
  return {};
}

std::vector<uint8_t> EncodeChannelFile(const RadioConfig& content) {
  std::vector<uint8_t> bytes;
  bytes.reserve(ChannelFileRecordCount(content.ChannelCount) * kChannelRecordSize);
  auto put = [&](const ChannelRecord& record) {
    std::array<uint8_t, kChannelRecordSize> stored{};
    EncodeChannelRecord(record, stored);
    bytes.insert(bytes.end(), stored.begin(), stored.end());
  };
  for (int band = 0; band < kBandCount; ++band)
    for (int group = 1; group <= GroupCount(band); ++group)
      for (int k = 1; k <= content.Count(band, group); ++k) put(content.Channel(band, group, k));
  for (int n = 1; n <= kSpecialSlots; ++n) put(content.Special(n));
  return bytes;
}

}  // namespace

Txt FileResult::message() const {
  switch (status) {
    case FileStatus::UnknownVersion: return Txt::UnknownDataVersion;
    case FileStatus::IncompatibleVersion: return Txt::IncompatibleQuestion;
    case FileStatus::WrongLength: return Txt::ReleaseMissing;
    case FileStatus::Ok:
    case FileStatus::FileError: break;
  }
  return Txt::FileError;
}

std::string FileResultText(const FileResult& result, int language) {
  if (result.status == FileStatus::IncompatibleVersion)
    return IncompatibilityText(kDataVersion, result.foundVersion, VersionKind::DataFile, language);
  return std::string(Text(result.message(), language));
}

std::filesystem::path ChannelFilePath(const std::filesystem::path& dataFile) {
  // Characters as the system counts them in a name: bytes here, UTF-16 units on Windows.
  const auto name = dataFile.filename().native();
  if (name.size() < 3) return {};
  auto channelFile = dataFile;
  channelFile.replace_filename(std::filesystem::path(name.substr(0, name.size() - 3)) += "fre");
  return channelFile == dataFile ? std::filesystem::path() : channelFile;
}

FileResult ReadDataFiles(const std::filesystem::path& dataFile, const VersionList& versions, WorkingCopy& out) {
  FileResult checked = CheckDataVersion(dataFile, versions);
  return checked.ok() ? ReadStoredPair(dataFile, out) : checked;
}

FileResult WriteDataFiles(const std::filesystem::path& dataFile, const WorkingCopy& working) {
  auto channelFile = ChannelFilePath(dataFile);
  if (channelFile.empty() || !ChannelCountsAreValid(working.content.ChannelCount)) return Failed(FileStatus::FileError);

  // The program reads back only what it writes: whatever a configuration came
  // from (a radio, a JSON document, a file of another model), the pair carries
  // this release's data version and the program's identity.
  RadioConfig settings = working.content;
  NormaliseIdentity(settings, RangeTextOfIndex(settings.RangeIndex()));
  auto settingsTemp = WriteTemporaryBeside(dataFile, EncodeSettingsRecord(settings));
  auto channelTemp = WriteTemporaryBeside(channelFile, EncodeChannelFile(working.content));
  if (settingsTemp.empty() || channelTemp.empty()) {
    DiscardTemporary(settingsTemp);
    DiscardTemporary(channelTemp);
    return {FileStatus::FileError, {}, !settingsTemp.empty()};
  }
  if (!ReplaceWithTemporary(channelTemp, channelFile)) {
    DiscardTemporary(settingsTemp);
    return {FileStatus::FileError, {}, true};
  }
  return ReplaceWithTemporary(settingsTemp, dataFile) ? FileResult{} : Failed(FileStatus::FileError);
}

FileResult SaveDataFile(const std::filesystem::path& dataFile, RadioConfig& cfg, DocumentState& doc,
                        WorkingCopy& working) {
  WorkingCopy packed;
  PackForFile(cfg, doc, packed);
  FileResult result = WriteDataFiles(dataFile, packed);
  if (!result.ok()) return result;
  working = std::move(packed);
  doc.fileName = Utf8OfPath(dataFile);
  doc.untitled = false;
  return result;
}

FileResult OpenDataFile(const std::filesystem::path& dataFile, const VersionList& versions, RadioConfig& cfg,
                        DocumentState& doc, WorkingCopy& working) {
  WorkingCopy opened;
  FileResult result = ReadDataFiles(dataFile, versions, opened);
  if (!result.ok()) return result;
  opened.content.DataVersion = kDataVersion;
  working = std::move(opened);
  UnpackFromFile(working, cfg, doc);
  doc.fileName = Utf8OfPath(dataFile);
  doc.untitled = false;
  return result;
}

bool LoadTemplate(const std::filesystem::path& dataFile, RadioConfig& cfg, DocumentState& doc, WorkingCopy& working) {
  WorkingCopy loaded;
  bool usable = ReadStoredPair(dataFile, loaded).ok();
  if (usable) {
    loaded.content.Options.GroupName(1, kCB) = u"US";
    const std::u16string hfName = std::as_const(loaded.content.Options).GroupName(1, kHF);
    usable = !CutAtNul(hfName).empty();
  }
  if (!usable) {
    PackForFile(cfg, doc, working);
    return false;
  }
  working = std::move(loaded);
  UnpackFromFile(working, cfg, doc);
  return true;
}

}  // namespace zq
