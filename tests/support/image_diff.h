#pragma once
#include <cstdio>
#include <string>

#include "image/memory_image.h"

namespace zq::testing {

// "" when equal, otherwise the first differing address and both bytes.
inline std::string FirstDifference(const MemoryImage& a, const MemoryImage& b) {
  for (uint32_t k = 0; k < kImageSize; ++k) {
    if (a.Get(k) != b.Get(k)) {
      char buf[80];
      std::snprintf(buf, sizeof buf, "0x%05X: %02X vs %02X", k, a.Get(k), b.Get(k));
      return buf;
    }
  }
  return "";
}

}  // namespace zq::testing
