#pragma once
// Bands and channel groups of the radio. Groups are numbered from 1.
//   CB  (band 0): groups 1-7 of 40 channels ("DE", group 3, has 80 slots in the radio)
//   HF  (band 1): groups 1-15 of 40, "MEM" = 16 with 99, "VFO" = 17 with 1
//   HAM (band 2): groups 1-12 of 40, "MEM" = 13 with 99, "VFO" = 14 with 1
// A band is its own type, so that a band and a group number cannot change
// places in a call: numbers become bands only through BandOfIndex, where they
// are read from a file, a command line or a window.
#include <array>
#include <compare>
#include <optional>
#include <string_view>

namespace zq {

enum class Band : int { kCB = 0, kHF = 1, kHAM = 2 };
using enum Band;
inline constexpr int kBandCount = 3;
inline constexpr int kMaxGroups = 17;
inline constexpr int kMaxSlots = 99;
inline constexpr int kSpecialSlots = 96;
inline constexpr int kCbPlanGroupWithEightyChannels = 3;

// Every band, in stored order.
inline constexpr std::array<Band, kBandCount> kBands = {kCB, kHF, kHAM};
// The band's place in stored tables and its number in files (0-2).
constexpr int BandIndex(Band band) { return static_cast<int>(band); }
// The band of a number read from outside; nullopt for a number that names none.
constexpr std::optional<Band> BandOfIndex(int index) {
  if (index < 0 || index >= kBandCount) return std::nullopt;
  return kBands[index];
}

// The bands' short names, as the command line and printouts write them.
inline constexpr const char* kBandShortNames[kBandCount] = {"CB", "HF", "HAM"};
constexpr const char* BandShortName(Band band) { return kBandShortNames[BandIndex(band)]; }
// The band of a short name as files write it ("HAM"); nullopt for any other text.
constexpr std::optional<Band> BandOfShortName(std::string_view name) {
  for (const Band band : kBands)
    if (name == BandShortName(band)) return band;
  return std::nullopt;
}

// Groups of the band, the memory and VFO groups included.
constexpr int GroupCount(Band band) {
  constexpr int counts[] = {7, 17, 14};
  return counts[BandIndex(band)];
}
// Groups with 40 channels and a name the user gives.
constexpr int OrdinaryGroupCount(Band band) {
  constexpr int counts[] = {7, 15, 12};
  return counts[BandIndex(band)];
}
constexpr int MemGroup(Band band) { return band == kHF ? 16 : band == kHAM ? 13 : 0; }
constexpr int VfoGroup(Band band) { return band == kHF ? 17 : band == kHAM ? 14 : 0; }

// A group of a band: the band and the group's number (from 1), which always
// travel together.
struct BandGroup {
  Band band = kCB;
  int number = 0;
  friend constexpr bool operator==(BandGroup, BandGroup) = default;
  friend constexpr auto operator<=>(BandGroup, BandGroup) = default;
};

// A channel slot of a group: the place of a record in the group's table (from 1).
struct ChannelSlot {
  BandGroup group;
  int number = 0;
  friend constexpr bool operator==(ChannelSlot, ChannelSlot) = default;
  friend constexpr auto operator<=>(ChannelSlot, ChannelSlot) = default;
};

constexpr bool IsGroup(BandGroup group) { return group.number >= 1 && group.number <= GroupCount(group.band); }
constexpr bool IsMemGroup(BandGroup group) { return group.number != 0 && group.number == MemGroup(group.band); }
constexpr bool IsVfoGroup(BandGroup group) { return group.number != 0 && group.number == VfoGroup(group.band); }

// Channel slots the radio has for the group: the most channels the group can hold.
constexpr int GroupCapacity(BandGroup group) {
  if (!IsGroup(group)) return 0;
  if (IsMemGroup(group)) return 99;
  if (IsVfoGroup(group)) return 1;
  if (group == BandGroup{kCB, kCbPlanGroupWithEightyChannels}) return 80;
  return 40;
}
// Slots that have a bit in the radio's channel bitmaps (and that a read brings back).
constexpr int BitmapSlots(BandGroup group) {
  if (!IsGroup(group)) return 0;
  if (IsMemGroup(group)) return 99;
  if (IsVfoGroup(group)) return 1;
  return 40;
}

}  // namespace zq
