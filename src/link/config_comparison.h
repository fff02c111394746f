#pragma once
// The two configurations of a comparison, made comparable. Two data files are
// compared as stored. A radio's memory (read from the radio, or kept as an
// image file) holds only part of a configuration, and only what a transfer
// moves of it counts; so when a memory takes part, each side is taken as a
// radio would hold it: a data file as a write would leave it in the radio, a
// memory as a read would find it. Both are decoded over the same settings (the
// data file's, or the new document's when both sides are memories), so only
// what a radio holds can differ.
#include <optional>
#include <vector>

#include "datafile/config_differences.h"
#include "image/image_codec.h"
#include "image/memory_image.h"

namespace zq {

struct CompareSide {
  // A data file's configuration as stored; beside a memory, the new document
  // (used when the other side is a memory too).
  WorkingCopy stored;
  std::optional<MemoryImage> memory;
};

std::vector<MemberDifference> CompareSides(const CompareSide& before, const CompareSide& after,
                                           const ImageOptions& options = {});

}  // namespace zq
