#pragma once
// Files that must change together, such as a data file and its channel file:
// afterwards either every file has its old bytes or every file its new ones,
// whatever step fails and wherever the process stops.
//
// Each new file is first written to a temporary beside it and synced. Then a
// commit record, itself written atomically, lists each temporary with the file
// it replaces. Then the temporaries are moved into place in order and the
// record is removed. Until the record exists nothing has changed; once it
// exists the new files are the truth, and whoever opens the files next
// finishes the moves that are still to do (FinishPendingCommit).
#include <cstdint>
#include <filesystem>
#include <span>

namespace zq {

struct NewFileBytes {
  std::filesystem::path path;
  std::span<const uint8_t> bytes;
};

// All files must lie in the folder of `record`. A commit still pending there is
// finished first; false (and the old files in place) when that or any step
// before the record fails.
bool ReplaceFilesTogether(const std::filesystem::path& record, std::span<const NewFileBytes> files);

enum class PendingCommit {
  None,          // no record: the files are as the last complete commit left them
  Finished,      // an interrupted commit was completed now
  Unfinishable,  // a record is there but its moves cannot be done: the files must not be read
};
PendingCommit FinishPendingCommit(const std::filesystem::path& record);

}  // namespace zq
