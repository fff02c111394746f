#pragma once
// The settings record and the channel records in their stored byte form.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "config/radio_config.h"
#include "datafile/stored_layout.h"

namespace zq {

// The 2885-byte settings record; bytes after the last member are zero.
std::vector<uint8_t> EncodeSettingsRecord(const RadioConfig& cfg);
// The same with this data version and identity record in place of the configuration's own.
std::vector<uint8_t> EncodeSettingsRecord(const RadioConfig& cfg, const FixedText<4>& dataVersion,
                                          const IdentityRecord& identity);
// Replaces every stored member of the settings block; channel tables are untouched.
void DecodeSettingsRecord(std::span<const uint8_t, kDataFileSize> bytes, RadioConfig& cfg);
// The channel counts a settings record holds, read without the rest of it.
GroupBandTable StoredChannelCounts(std::span<const uint8_t, kDataFileSize> bytes);

void EncodeChannelRecord(const ChannelRecord& record, std::span<uint8_t, kChannelRecordSize> out);
ChannelRecord DecodeChannelRecord(std::span<const uint8_t, kChannelRecordSize> bytes);

// Bytes the stored members take; the rest of the record up to kDataFileSize is reserved.
std::size_t StoredSettingsSize();

// A file keeps one byte per character of an option-features text: characters up
// to U+00FF as that byte, any other character as "?".
inline uint8_t StoredTextByte(char16_t c) { return c <= 0xFF ? static_cast<uint8_t>(c) : uint8_t('?'); }

}  // namespace zq
