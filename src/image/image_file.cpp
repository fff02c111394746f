#include "image/image_file.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include "platform/atomic_file.h"

namespace zq {

std::optional<MemoryImage> ImageFromBytes(std::span<const uint8_t> bytes) {
  if (bytes.size() != kImageSize) return std::nullopt;
  MemoryImage image;
  std::copy(bytes.begin(), bytes.end(), image.bytes().begin());
  return image;
}

std::optional<MemoryImage> LoadImageFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::file_size(path, ec) != kImageSize || ec) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes(kImageSize);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return ImageFromBytes(bytes);
}

bool SaveImageFile(const std::filesystem::path& path, const MemoryImage& image) {
  return WriteFileAtomically(path, image.bytes());
}

}  // namespace zq
