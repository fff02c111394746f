#include "datafile/data_file.h"

#include <fstream>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "datafile/data_file_bytes.h"
#include "datafile/stored_layout.h"
#include "platform/atomic_file.h"
#include "platform/file_set_commit.h"
#include "platform/utf8_path.h"
#include "text/plain_text.h"

namespace zq {
namespace {

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

// Both files of a pair as far as a pair can use them: one byte more than a data
// file holds (so a longer one is seen as too long), and the largest channel file.
// Nothing when the data file cannot be read; a missing channel file reads as empty.
struct PairOnDisk {
  std::vector<uint8_t> settings;
  std::vector<uint8_t> channels;
  bool hasChannelFile = false;  // the data file's name has a companion channel file
  bool finishedInterruptedSave = false;
};

// A pair whose last save was cut short is that save's pair once the save is
// completed; until it can be, the files on disk may be a mix and are not read.
std::optional<PairOnDisk> ReadPairFiles(const std::filesystem::path& dataFile) {
  const PendingCommit pending = FinishPendingCommit(PairCommitRecord(dataFile));
  if (pending == PendingCommit::Unfinishable) return std::nullopt;
  auto settings = ReadFilePrefix(dataFile, kDataFileSize + 1);
  if (!settings) return std::nullopt;
  PairOnDisk pair{std::move(*settings), {}, false, pending == PendingCommit::Finished};
  auto channelFile = ChannelFilePath(dataFile);
  pair.hasChannelFile = !channelFile.empty();
  if (pair.hasChannelFile)
    pair.channels = ReadFilePrefix(channelFile, MaxChannelFileSize()).value_or(std::vector<uint8_t>());
  return pair;
}

// A fault in the channel file is one only when the data file names one.
FileResult Located(FileResult result, const PairOnDisk& pair) {
  result.inChannelFile = result.inChannelFile && pair.hasChannelFile;
  result.finishedInterruptedSave = pair.finishedInterruptedSave;
  return result;
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

std::string FileResultNote(const FileResult& result, const std::filesystem::path& dataFile, int language) {
  if (!result.ok() || !result.finishedInterruptedSave) return {};
  return FillIn(Text(Txt::InterruptedSaveFinished, language), {Utf8OfPath(dataFile.filename())});
}

std::filesystem::path PairCommitRecord(const std::filesystem::path& dataFile) {
  auto record = dataFile;
  return record.replace_filename(PathFromUtf8("." + Utf8OfPath(dataFile.filename()) + ".commit"));
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
  auto pair = ReadPairFiles(dataFile);
  if (!pair) return FileResult{FileStatus::FileError};
  return Located(ParseDataFiles(pair->settings, pair->channels, versions, out), *pair);
}

FileResult WriteDataFiles(const std::filesystem::path& dataFile, const WorkingCopy& working) {
  auto channelFile = ChannelFilePath(dataFile);
  auto bytes = StoredPairBytes(working);
  if (channelFile.empty() || !bytes) return FileResult{FileStatus::FileError};

  // Something other than a file in the channel file's place is a fault of the channel file.
  if (!MayReplace(channelFile)) return {FileStatus::FileError, {}, true};
  // The channel file goes first: its records are read by the counts of the data file.
  const NewFileBytes files[] = {{channelFile, bytes->channels}, {dataFile, bytes->settings}};
  return ReplaceFilesTogether(PairCommitRecord(dataFile), files) ? FileResult{} : FileResult{FileStatus::FileError};
}

FileResult SaveDataFile(const std::filesystem::path& dataFile, EditedDocument& edited) {
  auto& [cfg, doc, working] = edited;
  WorkingCopy packed;
  PackForFile(cfg, doc, packed);
  FileResult result = WriteDataFiles(dataFile, packed);
  if (!result.ok()) return result;
  working = std::move(packed);
  doc.fileName = Utf8OfPath(dataFile);
  doc.untitled = false;
  return result;
}

FileResult OpenDataFile(const std::filesystem::path& dataFile, const VersionList& versions, EditedDocument& edited) {
  auto pair = ReadPairFiles(dataFile);
  if (!pair) return FileResult{FileStatus::FileError};
  FileResult result = Located(OpenDataFileBytes(pair->settings, pair->channels, versions, edited), *pair);
  if (!result.ok()) return result;
  DocumentState& doc = edited.document;
  doc.fileName = Utf8OfPath(dataFile);
  doc.untitled = false;
  return result;
}

bool LoadTemplate(const std::filesystem::path& dataFile, EditedDocument& edited) {
  auto& [cfg, doc, working] = edited;
  WorkingCopy loaded;
  auto pair = ReadPairFiles(dataFile);
  bool usable = pair && ParseStoredPair(pair->settings, pair->channels, loaded).ok();
  if (usable) {
    loaded.content.Options.GroupName({kCB, 1}) = u"US";
    const std::u16string hfName = std::as_const(loaded.content.Options).GroupName({kHF, 1});
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
