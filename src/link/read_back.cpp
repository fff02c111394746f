#include "link/read_back.h"

#include <algorithm>

#include "link/frames.h"
#include "link/transfer_ranges.h"

namespace zq {

std::optional<ImageDifference> CompareTransferRanges(const MemoryImage& sent, const MemoryImage& readBack) {
  std::optional<ImageDifference> difference;
  for (const AddressRange& range : kTransferRanges) {
    for (uint32_t block = range.first; block <= range.last; block += kBlockLength) {
      auto a = sent.bytes().subspan(block, kBlockLength), b = readBack.bytes().subspan(block, kBlockLength);
      auto [atA, atB] = std::mismatch(a.begin(), a.end(), b.begin());
      if (atA == a.end()) continue;
      if (!difference) difference = ImageDifference{block + static_cast<uint32_t>(atA - a.begin()), 0};
      ++difference->blocks;
    }
  }
  return difference;
}

}  // namespace zq
