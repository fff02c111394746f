#pragma once
// The band's work group and each group's current work channel must point at
// something the radio can work on. After channels of a band are created or
// removed these selections are brought back in line:
//   WorkGroup[band]        stays when it is an ordinary group that is valid and
//                          has channels; else the first such group; else 1.
//   WorkChannel[g][band]   stays when a channel in use of group g has that
//                          Number; else the lowest Number in use; else 1.
// The memory and VFO groups are never a work group: the radio picks them with
// their own keys.
#include "config/radio_config.h"

namespace zq {

void RevalidateGroupSelections(RadioConfig& cfg, Band band);

// An ordinary group of the band whose GroupValid is 1 and that has channels in use.
bool IsWorkableGroup(const RadioConfig& cfg, BandGroup group);

}  // namespace zq
