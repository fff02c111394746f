#include "link/config_comparison.h"

#include "image/image_document.h"
#include "link/transfer_ranges.h"

namespace zq {
namespace {

// What both sides are decoded over, so that what a memory does not hold comes
// out the same on both: the settings of `cfg` with its texts as the encoder
// writes them, and blank channel records (the decoder fills records in slot
// order and would otherwise pair one side's slot with another slot's extras).
RadioConfig DecodeBase(const RadioConfig& cfg, const ImageOptions& options) {
  RadioConfig base = cfg;
  MemoryImage scratch;
  EncodeImage(base, scratch, options);
  for (const Band band : kBands)
    for (int group = 1; group <= kMaxGroups; ++group)
      for (int k = 1; k <= kMaxSlots; ++k) base.Channel({band, group}, k) = {};
  return base;
}

// What a radio holds after a write of the side, or what it held when read.
MemoryImage RadioMemoryOf(const CompareSide& side, const ImageOptions& options) {
  if (side.memory) return TransferredPart(*side.memory);
  RadioConfig cfg = side.stored.content;
  MemoryImage image;
  ClearImage(image);
  EncodeImage(cfg, image, options);
  return TransferredPart(image);
}

WorkingCopy Decoded(const MemoryImage& memory, const RadioConfig& base, const ImageOptions& options) {
  RadioConfig cfg = base;
  DocumentState doc;
  AdoptImage(memory, cfg, doc, doc.fileName, options);
  WorkingCopy held;
  PackForFile(cfg, doc, held);
  return held;
}

}  // namespace

std::vector<MemberDifference> CompareSides(const CompareSide& before, const CompareSide& after,
                                           const ImageOptions& options) {
  if (!before.memory && !after.memory) return DifferencesBetween(before.stored, after.stored);
  const RadioConfig& settings = !before.memory ? before.stored.content : after.stored.content;
  const RadioConfig base = DecodeBase(settings, options);
  return DifferencesBetween(Decoded(RadioMemoryOf(before, options), base, options),
                            Decoded(RadioMemoryOf(after, options), base, options));
}

}  // namespace zq
