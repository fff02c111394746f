#include "config/channel_slots.h"

#include <algorithm>

namespace zq {

int SlotsInUse(const RadioConfig& cfg, Band band, int group) {
  if (!IsGroup(band, group)) return 0;
  return std::clamp<int>(cfg.Count(band, group), 0, GroupCapacity(band, group));
}

int FindSlotOfNumber(const RadioConfig& cfg, Band band, int group, int number) {
  int used = SlotsInUse(cfg, band, group);
  for (int k = 1; k <= used; ++k)
    if (cfg.Channel(band, group, k).Number == number) return k;
  return 0;
}

void RemoveSlot(RadioConfig& cfg, Band band, int group, int position) {
  int used = SlotsInUse(cfg, band, group);
  if (position < 1 || position > used) return;
  for (int k = position; k < used; ++k) cfg.Channel(band, group, k) = cfg.Channel(band, group, k + 1);
  cfg.Count(band, group) = static_cast<int16_t>(used - 1);
}

bool AppendSlot(RadioConfig& cfg, Band band, int group, const ChannelRecord& record) {
  int used = SlotsInUse(cfg, band, group);
  if (used >= GroupCapacity(band, group)) return false;
  cfg.Channel(band, group, used + 1) = record;
  cfg.Count(band, group) = static_cast<int16_t>(used + 1);
  return true;
}

void ForEachReferencingRecord(RadioConfig& cfg, const std::function<void(ChannelRecord&)>& visit) {
  for (const Band band : kBands)
    for (int group = 1; group <= GroupCount(band); ++group)
      for (int k = 1, used = SlotsInUse(cfg, band, group); k <= used; ++k) visit(cfg.Channel(band, group, k));
  for (int n = 1; n <= kSpecialSlots; ++n) visit(cfg.Special(n));
}

}  // namespace zq
