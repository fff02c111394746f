#pragma once
// The data file pair: the ".dat" settings record and its companion channel
// file (same name, last three characters "fre"). The functions report what
// went wrong as a value; showing the message is the caller's job. The files'
// bytes are read and made in memory by data_file_bytes.h; these functions are
// the edge that reads and writes the files.
#include <filesystem>
#include <string>

#include "config/radio_config.h"
#include "datafile/version_list.h"
#include "datafile/working_copy.h"
#include "text/language_table.h"

namespace zq {

enum class FileStatus {
  Ok,
  UnknownVersion,       // the first four bytes are not "V" and three digits
  IncompatibleVersion,  // no installed pair lets this release read the file's version
  WrongLength,          // the data file is not exactly one record long
  FileError,            // unreadable, unwritable, damaged or inconsistent
};

struct FileResult {
  FileStatus status = FileStatus::Ok;
  std::string foundVersion;              // the file's version, for IncompatibleVersion
  bool inChannelFile = false;            // the fault lies in the companion channel file, not the data file
  bool finishedInterruptedSave = false;  // the pair's last save had been cut short and was completed first
  bool ok() const { return status == FileStatus::Ok; }
  Txt message() const;  // the language-table text to show when not ok
};

// The whole message for a failed result, in the given language; for an
// incompatible version it is the question with the two version lines.
std::string FileResultText(const FileResult& result, int language);

// What the user is told beside a successful result: that an interrupted save
// of the pair was completed before it was read. Empty when there is nothing to say.
std::string FileResultNote(const FileResult& result, const std::filesystem::path& dataFile, int language);

// The companion channel file; empty when the name is too short to have one, or
// when it would be the data file itself (a data file named "*fre").
std::filesystem::path ChannelFilePath(const std::filesystem::path& dataFile);

// Checks the version form and compatibility, then reads both files exactly as
// stored. `out` changes only on success.
FileResult ReadDataFiles(const std::filesystem::path& dataFile, const VersionList& versions, WorkingCopy& out);
// The record beside a pair that says a save of it is being committed.
std::filesystem::path PairCommitRecord(const std::filesystem::path& dataFile);

// Writes both files from the working copy as they are, except that the data
// version and the identity fields a save rewrites are always written
// normalised ("V100", the program's model; the range kind from the range
// index). The two files are committed as one (platform/file_set_commit.h): a
// failure, or a process that stops at any point, leaves the old pair or the
// new one, never a mix; reading a pair first completes a commit cut short.
FileResult WriteDataFiles(const std::filesystem::path& dataFile, const WorkingCopy& working);

// Packs the configuration and writes the pair; on success the document takes
// the file's name and stops being untitled. On failure nothing changes but the
// identity normalisation of `cfg`.
FileResult SaveDataFile(const std::filesystem::path& dataFile, EditedDocument& edited);
// Checks and reads the pair, then replaces the configuration. On failure the
// configuration, the document and the working copy stay as they were.
FileResult OpenDataFile(const std::filesystem::path& dataFile, const VersionList& versions, EditedDocument& edited);
// Reads a template pair without version checks or messages. It replaces the
// configuration when it reads and names its first HF group; otherwise the
// configuration stays and the working copy is refreshed from it. True when loaded.
bool LoadTemplate(const std::filesystem::path& dataFile, EditedDocument& edited);

}  // namespace zq
