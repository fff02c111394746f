#pragma once
// Bands and channel groups of the radio. Groups are numbered from 1.
//   CB  (band 0): groups 1-7 of 40 channels ("DE", group 3, has 80 slots in the radio)
//   HF  (band 1): groups 1-15 of 40, "MEM" = 16 with 99, "VFO" = 17 with 1
//   HAM (band 2): groups 1-12 of 40, "MEM" = 13 with 99, "VFO" = 14 with 1
namespace zq {

enum Band : int { kCB = 0, kHF = 1, kHAM = 2 };
inline constexpr int kBandCount = 3;
inline constexpr int kMaxGroups = 17;
inline constexpr int kMaxSlots = 99;
inline constexpr int kSpecialSlots = 96;
inline constexpr int kCbPlanGroupWithEightyChannels = 3;

inline constexpr bool IsBand(int band) { return band >= 0 && band < kBandCount; }
// The bands' short names, as the command line and printouts write them.
inline constexpr const char* kBandShortNames[kBandCount] = {"CB", "HF", "HAM"};

// Groups of the band, the memory and VFO groups included.
inline constexpr int GroupCount(int band) {
  constexpr int counts[] = {7, 17, 14};
  return IsBand(band) ? counts[band] : 0;
}
// Groups with 40 channels and a name the user gives.
inline constexpr int OrdinaryGroupCount(int band) {
  constexpr int counts[] = {7, 15, 12};
  return IsBand(band) ? counts[band] : 0;
}
inline constexpr int MemGroup(int band) { return band == kHF ? 16 : band == kHAM ? 13 : 0; }
inline constexpr int VfoGroup(int band) { return band == kHF ? 17 : band == kHAM ? 14 : 0; }
inline constexpr bool IsGroup(int band, int group) { return group >= 1 && group <= GroupCount(band); }
inline constexpr bool IsMemGroup(int band, int group) { return group != 0 && group == MemGroup(band); }
inline constexpr bool IsVfoGroup(int band, int group) { return group != 0 && group == VfoGroup(band); }

// Channel slots the radio has for the group: the most channels the group can hold.
inline constexpr int GroupCapacity(int band, int group) {
  if (!IsGroup(band, group)) return 0;
  if (IsMemGroup(band, group)) return 99;
  if (IsVfoGroup(band, group)) return 1;
  if (band == kCB && group == kCbPlanGroupWithEightyChannels) return 80;
  return 40;
}
// Slots that have a bit in the radio's channel bitmaps (and that a read brings back).
inline constexpr int BitmapSlots(int band, int group) {
  if (!IsGroup(band, group)) return 0;
  if (IsMemGroup(band, group)) return 99;
  if (IsVfoGroup(band, group)) return 1;
  return 40;
}

}  // namespace zq
