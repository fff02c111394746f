#pragma once
// Whole-file writes that never leave a half-written file behind: the bytes go
// to a temporary file in the same folder, are flushed to the disk, and the
// temporary then replaces the target in one step. A target that exists and is
// not a regular file (a folder, a device, a pipe) is refused: it would be
// replaced by a plain file. Each system has its own side of these calls; every
// step asks platform/file_faults.h first, so tests can make any of them fail.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

namespace zq {

bool WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view text);

// The two halves of an atomic write, for files that must change together:
// write every temporary first, then move them into place.
// An empty path means the temporary could not be written (nothing is left behind).
std::filesystem::path WriteTemporaryBeside(const std::filesystem::path& path, std::span<const uint8_t> bytes);
// Moves the temporary over `path`, replacing a file that is there; on failure
// the temporary is removed.
bool ReplaceWithTemporary(const std::filesystem::path& temporary, const std::filesystem::path& path);
// The same move, keeping the temporary when it fails (a pending commit still needs it).
bool MoveTemporaryIntoPlace(const std::filesystem::path& temporary, const std::filesystem::path& path);
void DiscardTemporary(const std::filesystem::path& temporary);
// Removes a file; true when it is gone (or was never there).
bool RemoveFile(const std::filesystem::path& path);
// Makes the folder's entries (names just moved or removed) survive a power cut,
// where the system needs to be told so.
bool SyncFolderOf(const std::filesystem::path& path);

// False when `path` exists and is something other than a regular file.
bool MayReplace(const std::filesystem::path& path);

enum class NewFile { Created, Exists, Failed };
// Creates an empty file only when nothing of that name exists, in one step, so
// that two programs never both believe they made it.
NewFile CreateNewFile(const std::filesystem::path& path);

}  // namespace zq
