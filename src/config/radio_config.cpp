#include "config/radio_config.h"

#include <stdexcept>
#include <string>

#include "text/plain_text.h"

namespace zq {
namespace {

std::size_t GroupIndex(BandGroup group) {
  if (group.number < 1 || group.number > kMaxGroups)
    throw std::out_of_range("no group " + std::to_string(group.number) + " in band " +
                            std::to_string(BandIndex(group.band)));
  return std::size_t(group.number - 1) * kBandCount + BandIndex(group.band);
}

std::size_t ChannelIndex(BandGroup group, int k) {
  if (group.number < 1 || group.number > kMaxGroups || k < 1 || k > kMaxSlots)
    throw std::out_of_range("no channel record " + std::to_string(k) + " in group " + std::to_string(group.number) +
                            " of band " + std::to_string(BandIndex(group.band)));
  return (std::size_t(BandIndex(group.band)) * kMaxGroups + (group.number - 1)) * kMaxSlots + (k - 1);
}

}  // namespace

int16_t& GroupBandTable::at(BandGroup group) { return values_[GroupIndex(group)]; }
int16_t GroupBandTable::at(BandGroup group) const { return values_[GroupIndex(group)]; }

ChannelRecord& ChannelTable::at(BandGroup group, int k) { return records_[ChannelIndex(group, k)]; }
const ChannelRecord& ChannelTable::at(BandGroup group, int k) const { return records_[ChannelIndex(group, k)]; }

std::span<ChannelRecord, kMaxSlots> ChannelTable::group(BandGroup group) {
  return std::span<ChannelRecord, kMaxSlots>(&at(group, 1), kMaxSlots);
}

std::span<const ChannelRecord, kMaxSlots> ChannelTable::group(BandGroup group) const {
  return std::span<const ChannelRecord, kMaxSlots>(&at(group, 1), kMaxSlots);
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
