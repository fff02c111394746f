#include "platform/file_set_commit.h"

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/utf8_path.h"

namespace zq {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCommitRecordTitle = "ZQ4071 files to move into place";
constexpr std::uintmax_t kLargestCommitRecord = 64 * 1024;

struct PendingMove {
  std::string temporary;  // names within the record's folder
  std::string target;
};

bool Present(const fs::path& path) {
  std::error_code ec;
  return fs::symlink_status(path, ec).type() != fs::file_type::not_found;
}

// A name the record can hold on one line, and that stays inside the folder.
bool PlainName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\\t\n\r") == std::string::npos;
}

// Only temporaries made beside their target may be moved: a record is outside
// input and must not move any other file.
bool SoundMove(const PendingMove& move) {
  return PlainName(move.temporary) && PlainName(move.target) && move.temporary.rfind("." + move.target + ".", 0) == 0;
}

std::string RecordText(const std::vector<PendingMove>& moves) {
  std::string text(kCommitRecordTitle);
  text += '\n';
  for (const PendingMove& move : moves) {
    text.append(move.temporary).append(1, '\t').append(move.target).append(1, '\n');
  }
  return text;
}

std::optional<std::vector<PendingMove>> ReadRecord(const fs::path& record) {
  std::error_code ec;
  if (!fs::is_regular_file(record, ec) || fs::file_size(record, ec) > kLargestCommitRecord || ec) return std::nullopt;
  std::ifstream in(record, std::ios::binary);
  std::string line;
  if (!std::getline(in, line) || line != kCommitRecordTitle) return std::nullopt;
  std::vector<PendingMove> moves;
  while (std::getline(in, line)) {
    const auto tab = line.find('\t');
    if (tab == std::string::npos) return std::nullopt;
    PendingMove move{line.substr(0, tab), line.substr(tab + 1)};
    if (!SoundMove(move)) return std::nullopt;
    moves.push_back(std::move(move));
  }
  if (in.bad() || moves.empty()) return std::nullopt;
  return moves;
}

fs::path FolderOf(const fs::path& record) { return record.parent_path(); }

void DiscardAll(const std::vector<fs::path>& temporaries) {
  for (const fs::path& temporary : temporaries) DiscardTemporary(temporary);
}

// Writes every temporary; empty (and nothing left behind) when one fails.
std::vector<fs::path> WriteTemporaries(std::span<const NewFileBytes> files) {
  std::vector<fs::path> temporaries;
  for (const NewFileBytes& file : files) {
    fs::path temporary = WriteTemporaryBeside(file.path, file.bytes);
    if (temporary.empty()) {
      DiscardAll(temporaries);
      return {};
    }
    temporaries.push_back(std::move(temporary));
  }
  return temporaries;
}

std::optional<std::vector<PendingMove>> MovesOf(std::span<const NewFileBytes> files,
                                                const std::vector<fs::path>& temporaries) {
  std::vector<PendingMove> moves;
  for (std::size_t i = 0; i < files.size(); ++i) {
    PendingMove move{Utf8OfPath(temporaries[i].filename()), Utf8OfPath(files[i].path.filename())};
    if (!SoundMove(move)) return std::nullopt;
    moves.push_back(std::move(move));
  }
  return moves;
}

bool DoMoves(const fs::path& record, const std::vector<PendingMove>& moves) {
  for (const PendingMove& move : moves)
    if (!MoveTemporaryIntoPlace(FolderOf(record) / PathFromUtf8(move.temporary),
                                FolderOf(record) / PathFromUtf8(move.target)))
      return false;
  return true;
}

}  // namespace

PendingCommit FinishPendingCommit(const fs::path& record) {
  if (!Present(record)) return PendingCommit::None;
  auto moves = ReadRecord(record);
  if (!moves) return PendingCommit::Unfinishable;
  // The moves run in order and a temporary goes only by its move, so those
  // still there are exactly the moves still to do; with none left, only the
  // record's removal was cut short.
  bool moved = false;
  for (const PendingMove& move : *moves) {
    fs::path temporary = FolderOf(record) / PathFromUtf8(move.temporary);
    if (!Present(temporary)) continue;
    if (!MoveTemporaryIntoPlace(temporary, FolderOf(record) / PathFromUtf8(move.target)))
      return PendingCommit::Unfinishable;
    moved = true;
  }
  if (moved) SyncFolderOf(record);
  RemoveFile(record);  // one left behind is found complete next time
  SyncFolderOf(record);
  return moved ? PendingCommit::Finished : PendingCommit::None;
}

bool ReplaceFilesTogether(const fs::path& record, std::span<const NewFileBytes> files) {
  if (FinishPendingCommit(record) == PendingCommit::Unfinishable) return false;
  for (const NewFileBytes& file : files)
    if (FolderOf(file.path) != FolderOf(record) || !MayReplace(file.path)) return false;
  std::vector<fs::path> temporaries = WriteTemporaries(files);
  if (temporaries.empty()) return false;
  auto moves = MovesOf(files, temporaries);
  if (!moves || !WriteFileAtomically(record, RecordText(*moves))) {
    // The record may be in place although its write failed at the last step:
    // it goes before the temporaries it names.
    if (!Present(record) || RemoveFile(record)) DiscardAll(temporaries);
    return false;
  }
  if (!DoMoves(record, *moves)) return FinishPendingCommit(record) == PendingCommit::Finished;
  const bool lasting = SyncFolderOf(record);
  RemoveFile(record);  // the moves are done: a record left behind is found complete next time
  return lasting;
}

}  // namespace zq
