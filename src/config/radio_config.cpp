#include "config/radio_config.h"

#include <stdexcept>
#include <string>

#include "text/plain_text.h"

namespace zq {
namespace {

void CheckGroupBand(int group, Band band) {
  if (group < 1 || group > kMaxGroups)
    throw std::out_of_range("no group " + std::to_string(group) + " in band " + std::to_string(BandIndex(band)));
}

std::size_t ChannelIndex(Band band, int group, int k) {
  if (group < 1 || group > kMaxGroups || k < 1 || k > kMaxSlots)
    throw std::out_of_range("no channel record " + std::to_string(k) + " in group " + std::to_string(group) +
                            " of band " + std::to_string(BandIndex(band)));
  return (std::size_t(BandIndex(band)) * kMaxGroups + (group - 1)) * kMaxSlots + (k - 1);
}

}  // namespace

int16_t& GroupBandTable::at(int group, Band band) {
  CheckGroupBand(group, band);
  return values_[(group - 1) * kBandCount + BandIndex(band)];
}

int16_t GroupBandTable::at(int group, Band band) const {
  CheckGroupBand(group, band);
  return values_[(group - 1) * kBandCount + BandIndex(band)];
}

ChannelRecord& ChannelTable::at(Band band, int group, int k) { return records_[ChannelIndex(band, group, k)]; }
const ChannelRecord& ChannelTable::at(Band band, int group, int k) const {
  return records_[ChannelIndex(band, group, k)];
}

std::span<ChannelRecord, kMaxSlots> ChannelTable::group(Band band, int group) {
  return std::span<ChannelRecord, kMaxSlots>(&at(band, group, 1), kMaxSlots);
}

std::span<const ChannelRecord, kMaxSlots> ChannelTable::group(Band band, int group) const {
  return std::span<const ChannelRecord, kMaxSlots>(&at(band, group, 1), kMaxSlots);
}

ChannelRecord& RadioConfig::Special(int n) {
  if (n < 1 || n > kSpecialSlots) throw std::out_of_range("no special channel " + std::to_string(n));
  return SpecialChannelSlots[n - 1];
}

const ChannelRecord& RadioConfig::Special(int n) const {
  if (n < 1 || n > kSpecialSlots) throw std::out_of_range("no special channel " + std::to_string(n));
  return SpecialChannelSlots[n - 1];
}

std::string RangeTextOfIndex(int rangeIndex) {
  if (rangeIndex == 0) return kWideRangeText;
  if (rangeIndex == 1) return "28.0000 - 29.6950 MHz";
  return "28.0000 - 29.6990 MHz";
}

int RangeKindOfText(const std::string& rangeText) { return rangeText == kWideRangeText ? 0 : 1; }

void NormaliseIdentity(RadioConfig& cfg, const std::string& rangeText) {
  NormaliseIdentity(cfg.Identity, cfg.DataVersion, rangeText);
}

void NormaliseIdentity(IdentityRecord& identity, FixedText<4>& dataVersion, const std::string& rangeText) {
  identity.ModelName = kModelName;
  identity.ModelCode = kModelCode;
  identity.RangeKind = static_cast<int16_t>(RangeKindOfText(rangeText));
  identity.ShortModelName = std::string(kModelName).substr(0, 6);
  dataVersion = kDataVersion;
}

}  // namespace zq
