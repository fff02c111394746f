#pragma once
// Memory images for transfer tests, and what of an image crosses the cable.
#include "image/memory_image.h"
#include "link/transfer_ranges.h"

namespace zq::test {

// No byte is zero and no byte equals the one before it, so a block that was
// lost, moved or left cleared shows in any comparison.
inline MemoryImage PatternImage() {
  MemoryImage image;
  auto bytes = image.bytes();
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>((i * 3 + (i >> 9)) | 1);
  return image;
}

// The image as a transfer sees it: the bytes outside the transfer ranges cleared.
inline MemoryImage OnlyRanges(const MemoryImage& image) {
  MemoryImage kept;
  for (uint32_t a = 0; a < kImageSize; ++a)
    if (InTransferRanges(a)) kept.Put(a, image.Get(a));
  return kept;
}

inline bool SameInRanges(const MemoryImage& a, const MemoryImage& b) { return OnlyRanges(a) == OnlyRanges(b); }

}  // namespace zq::test
