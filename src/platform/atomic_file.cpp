#include "platform/atomic_file.h"

#include <system_error>

#include "platform/file_faults.h"

namespace zq {

bool MayReplace(const std::filesystem::path& path) {
  // A rename would put a plain file in place of a device or a pipe, or fail on
  // a folder after the other file of a pair was already replaced.
  std::error_code ec;
  return !std::filesystem::exists(path, ec) || std::filesystem::is_regular_file(path, ec);
}

bool RemoveFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (!FileStepGoesAhead(FileStep::Remove)) return false;
  std::filesystem::remove(path, ec);
  return !ec;
}

void DiscardTemporary(const std::filesystem::path& temporary) {
  if (!temporary.empty()) RemoveFile(temporary);
}

bool ReplaceWithTemporary(const std::filesystem::path& temporary, const std::filesystem::path& path) {
  if (MoveTemporaryIntoPlace(temporary, path)) return true;
  DiscardTemporary(temporary);
  return false;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  auto temporary = WriteTemporaryBeside(path, bytes);
  return !temporary.empty() && ReplaceWithTemporary(temporary, path) && SyncFolderOf(path);
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view text) {
  return WriteFileAtomically(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace zq
