#pragma once
// Whole-file writes that never leave a half-written file behind: the bytes go
// to a temporary file in the same folder, which then replaces the target.
// A target that exists and is not a regular file (a folder, a device, a pipe)
// is refused: it would be replaced by a plain file.
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
// Moves the temporary over `path`; on failure the temporary is removed.
bool ReplaceWithTemporary(const std::filesystem::path& temporary, const std::filesystem::path& path);
void DiscardTemporary(const std::filesystem::path& temporary);

}  // namespace zq
