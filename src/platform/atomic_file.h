#pragma once
// Whole-file writes that never leave a half-written file behind: the bytes go
// to a temporary file in the same folder, which then replaces the target.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

namespace zq {

bool WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view text);

}  // namespace zq
