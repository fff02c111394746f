#pragma once
// The check of a verified write: the image read back from the radio against
// the image that was sent, over the blocks a transfer moves.
#include <optional>

#include "image/memory_image.h"
#include "link/transfer_host.h"

namespace zq {

// Empty when every byte of the transfer ranges agrees.
std::optional<ImageDifference> CompareTransferRanges(const MemoryImage& sent, const MemoryImage& readBack);

}  // namespace zq
