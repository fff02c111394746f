#pragma once
// A memory image kept on disk as the radio's raw 0x22200 bytes.
#include <filesystem>
#include <optional>
#include <span>

#include "image/memory_image.h"

namespace zq {

// The image whole, as a file keeps it; empty unless the bytes are exactly the radio's space.
std::optional<MemoryImage> ImageFromBytes(std::span<const uint8_t> bytes);
// Empty when the file cannot be read or does not hold exactly the radio's space.
std::optional<MemoryImage> LoadImageFile(const std::filesystem::path& path);
// Replaces the file whole or not at all.
bool SaveImageFile(const std::filesystem::path& path, const MemoryImage& image);

}  // namespace zq
