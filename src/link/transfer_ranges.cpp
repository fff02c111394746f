#include "link/transfer_ranges.h"

#include <algorithm>
#include <numeric>

#include "link/frames.h"

namespace zq {

int32_t NextBlockAddress(int32_t address) {
  for (const auto& range : kTransferRanges) {
    if (address <= static_cast<int32_t>(range.last)) return std::max(address, static_cast<int32_t>(range.first));
  }
  return static_cast<int32_t>(kImageSize);
}

bool InTransferRanges(uint32_t address) {
  for (const auto& range : kTransferRanges)
    if (address >= range.first && address <= range.last) return true;
  return false;
}

int TransferBlockCount() {
  return std::accumulate(std::begin(kTransferRanges), std::end(kTransferRanges), 0, [](int sum, const auto& range) {
    return sum + static_cast<int>(range.last - range.first + 1) / kBlockLength;
  });
}

MemoryImage TransferredPart(const MemoryImage& image) {
  MemoryImage kept;
  for (const auto& range : kTransferRanges)
    std::copy(image.bytes().begin() + range.first, image.bytes().begin() + range.last + 1,
              kept.bytes().begin() + range.first);
  return kept;
}

}  // namespace zq
