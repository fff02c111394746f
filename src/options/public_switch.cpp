#include "options/public_switch.h"

namespace zq {

bool SetPublicSwitch(RadioConfig& cfg, Band band, int value) {
  if ((value != kPublicOn && value != kPublicOff) || cfg.PublicSwitch[BandIndex(band)] == value) return false;
  // Every slot the group can hold: CB group 3's channels 41-80 follow the switch like the others.
  for (int number = 1; number <= GroupCount(band); ++number) {
    const BandGroup group{band, number};
    for (int k = 1; k <= GroupCapacity(group); ++k) cfg.Channel(group, k).Public = static_cast<int16_t>(value);
  }
  cfg.PublicSwitch[BandIndex(band)] = static_cast<int16_t>(value);
  return true;
}

}  // namespace zq
