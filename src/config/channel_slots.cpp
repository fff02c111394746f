#include "config/channel_slots.h"

#include <algorithm>

namespace zq {

int SlotsInUse(const RadioConfig& cfg, BandGroup group) {
  if (!IsGroup(group)) return 0;
  return std::clamp<int>(cfg.Count(group), 0, GroupCapacity(group));
}

int FindSlotOfNumber(const RadioConfig& cfg, BandGroup group, int number) {
  int used = SlotsInUse(cfg, group);
  for (int k = 1; k <= used; ++k)
    if (cfg.Channel(group, k).Number == number) return k;
  return 0;
}

void RemoveSlot(RadioConfig& cfg, BandGroup group, int position) {
  int used = SlotsInUse(cfg, group);
  if (position < 1 || position > used) return;
  for (int k = position; k < used; ++k) cfg.Channel(group, k) = cfg.Channel(group, k + 1);
  cfg.Count(group) = static_cast<int16_t>(used - 1);
}

bool AppendSlot(RadioConfig& cfg, BandGroup group, const ChannelRecord& record) {
  int used = SlotsInUse(cfg, group);
  if (used >= GroupCapacity(group)) return false;
  cfg.Channel(group, used + 1) = record;
  cfg.Count(group) = static_cast<int16_t>(used + 1);
  return true;
}

void ForEachReferencingRecord(RadioConfig& cfg, const std::function<void(ChannelRecord&)>& visit) {
  for (const Band band : kBands)
    for (int group = 1; group <= GroupCount(band); ++group)
      for (int k = 1, used = SlotsInUse(cfg, {band, group}); k <= used; ++k) visit(cfg.Channel({band, group}, k));
  for (int n = 1; n <= kSpecialSlots; ++n) visit(cfg.Special(n));
}

}  // namespace zq
