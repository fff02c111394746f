#include "image/image_file.h"

#include <fstream>

#include "platform/atomic_file.h"

namespace zq {

std::optional<MemoryImage> LoadImageFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::file_size(path, ec) != kImageSize || ec) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  MemoryImage image;
  auto bytes = image.bytes();
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.gcount() != static_cast<std::streamsize>(bytes.size())) return std::nullopt;
  return image;
}

bool SaveImageFile(const std::filesystem::path& path, const MemoryImage& image) {
  return WriteFileAtomically(path, image.bytes());
}

}  // namespace zq
