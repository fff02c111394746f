// The memory image as a read from the radio fills it: the input's bytes go into
// the transfer ranges in order, everything else stays cleared.
//
// Invariants: decoding leaves every group packed (records 1..count in use, slots
// rising inside the group; nothing beyond the count marked in use) and a special
// slot not in use as it was; the decoded configuration encodes without skipping
// a record; decoding and encoding again gives the same image (a fixed point after
// one pass).
#include <algorithm>

#include "fuzz_support.h"
#include "image/image_codec.h"
#include "link/transfer_ranges.h"

namespace zq {
namespace {

// Filled again for every input: fresh memory for each would cost more than the decoding.
void FillFromInput(std::span<const uint8_t> input, MemoryImage& image) {
  ClearImage(image);
  auto memory = image.bytes();
  for (const AddressRange& range : kTransferRanges) {
    std::size_t length = std::min<std::size_t>(range.last - range.first + 1, input.size());
    std::copy_n(input.begin(), length, memory.begin() + range.first);
    input = input.subspan(length);
  }
}

void CheckGroupsArePacked(const RadioConfig& cfg) {
  for (const Band band : kBands) {
    for (int group = 1; group <= GroupCount(band); ++group) {
      const int count = cfg.Count({band, group});
      FUZZ_CHECK(count >= 0 && count <= BitmapSlots({band, group}));
      int previous = 0;
      for (const ChannelRecord& r : cfg.Channels.group({band, group}).first(count)) {
        FUZZ_CHECK(r.Enabled == 1 && r.Number > previous && r.Number <= BitmapSlots({band, group}));
        previous = r.Number;
      }
      for (const ChannelRecord& r : cfg.Channels.group({band, group}).subspan(count)) FUZZ_CHECK(r.Enabled == 0);
    }
  }
}

// A special slot not in use keeps what it held; only its link bytes are read.
void CheckUnusedSpecialSlots(const RadioConfig& cfg, const RadioConfig& before) {
  for (int n = 1; n <= kSpecialSlots; ++n) {
    ChannelRecord r = cfg.Special(n);
    if (r.Enabled == 1) continue;
    FUZZ_CHECK(r.Enabled == 0);
    r.Enabled = before.Special(n).Enabled;
    r.CbMemBand = before.Special(n).CbMemBand;
    r.CbMemChannel = before.Special(n).CbMemChannel;
    FUZZ_CHECK(r == before.Special(n));
  }
}

void DecodeThenEncode(const MemoryImage& image, bool checkDecoded, MemoryImage& encoded) {
  static RadioConfig cfg;
  cfg = fuzz::BaseConfig();
  DecodeImage(image, cfg);
  if (checkDecoded) {
    CheckGroupsArePacked(cfg);
    CheckUnusedSpecialSlots(cfg, fuzz::BaseConfig());
  }
  ClearImage(encoded);
  FUZZ_CHECK(EncodeImage(cfg, encoded).skippedRecords == 0);
}

}  // namespace
}  // namespace zq

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zq;
  static MemoryImage input, once, twice;
  FillFromInput({data, size}, input);
  DecodeThenEncode(input, true, once);
  DecodeThenEncode(once, false, twice);
  FUZZ_CHECK(once == twice);
  return 0;
}
