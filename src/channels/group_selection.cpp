#include "channels/group_selection.h"

#include "config/channel_slots.h"

namespace zq {
namespace {

int FirstWorkableGroup(const RadioConfig& cfg, Band band) {
  for (int g = 1; g <= OrdinaryGroupCount(band); ++g)
    if (IsWorkableGroup(cfg, {band, g})) return g;
  return 1;
}

int LowestNumberInUse(const RadioConfig& cfg, BandGroup group) {
  int lowest = 0;
  for (int k = 1, used = SlotsInUse(cfg, group); k <= used; ++k) {
    int number = cfg.Channel(group, k).Number;
    if (number >= 1 && (lowest == 0 || number < lowest)) lowest = number;
  }
  return lowest;
}

void RevalidateWorkChannel(RadioConfig& cfg, BandGroup group) {
  int current = cfg.Options.WorkChannel(group);
  if (current >= 1 && FindSlotOfNumber(cfg, group, current) != 0) return;
  int lowest = LowestNumberInUse(cfg, group);
  cfg.Options.WorkChannel(group) = lowest > 0 ? lowest : 1;
}

}  // namespace

bool IsWorkableGroup(const RadioConfig& cfg, BandGroup group) {
  return group.number >= 1 && group.number <= OrdinaryGroupCount(group.band) && cfg.Options.GroupValid(group) == 1 &&
         SlotsInUse(cfg, group) > 0;
}

void RevalidateGroupSelections(RadioConfig& cfg, Band band) {
  for (int g = 1; g <= GroupCount(band); ++g) RevalidateWorkChannel(cfg, {band, g});
  if (!IsWorkableGroup(cfg, {band, cfg.Options.WorkGroup(band)}))
    cfg.Options.WorkGroup(band) = FirstWorkableGroup(cfg, band);
}

}  // namespace zq
