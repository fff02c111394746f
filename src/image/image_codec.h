#pragma once
// Translation between RadioConfig and the radio's memory image.
#include "config/radio_config.h"
#include "image/memory_image.h"

namespace zq {

struct ImageOptions {
  // The system's default locale identifier; 0x0407 (German) changes how the
  // Bluetooth device name is turned into bytes.
  unsigned systemLocaleId = 0;
};

struct EncodeReport {
  // Channel records whose slot number lies outside their group; they are not
  // written, so they cannot overwrite a neighbouring group.
  int skippedRecords = 0;
};

void ClearImage(MemoryImage& image);

// Fills the image from the configuration. Reads the configuration only, except
// that frequency texts and DTMF codes are written back in their normalised form.
EncodeReport EncodeImage(RadioConfig& cfg, MemoryImage& image, const ImageOptions& options = {});
// One channel slot plus its two bitmap bits; false when the record's slot lies
// outside the group (nothing is written then).
bool EncodeChannelSlot(ChannelRecord& record, BandGroup group, MemoryImage& image);
// One special slot (n = 1-96) plus its two bitmap bits.
void EncodeSpecialSlot(ChannelRecord& record, int n, MemoryImage& image);

// Replaces the channel tables, special channels and every setting the image holds.
void DecodeImage(const MemoryImage& image, RadioConfig& cfg, const ImageOptions& options = {});
// Returns whether the special slot is in use.
bool DecodeSpecialSlot(const MemoryImage& image, RadioConfig& cfg, int n);

}  // namespace zq
