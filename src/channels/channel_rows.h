#pragma once
// The rows of the channel grid for each band and group, their labels, and the
// record behind each row.
//   CB group 3 ("DE"): channels 1-80, then memory rows M1-M16 (special slots 33-48)
//   other CB groups:   channels 1-40, then M1-M16 (special slots of the group's
//                      memory set; group 7 shares the set of group 5)
//   HF / HAM:          40 channels; the MEM group 99 channels labelled M1-M99;
//                      the VFO group one channel
// A channel row shows the record in use whose Number is the row.
#include <string>
#include <string_view>

#include "config/radio_config.h"

namespace zq {

struct RowLayout {
  int channelRows = 0;            // rows 1..channelRows are channel slots
  int memoryRows = 0;             // CB memory rows that follow them
  int firstSpecialSlot = 0;       // special slot behind the first memory row
  bool channelsAsMemory = false;  // MEM group: channel rows labelled "M" + row
};
RowLayout RowLayoutOf(BandGroup group);
int GridRowCount(BandGroup group);

enum class RowKind { None, Channel, CbMemory };
// What a row stands for: a channel slot (number = the row, the Number its
// record carries) or a special slot (number = 1..96).
struct RowTarget {
  RowKind kind = RowKind::None;
  int number = 0;
};
RowTarget TargetOfRow(BandGroup group, int row);

// The record shown in a row; nullptr for a channel row with no channel in use
// and for a row the grid does not have.
ChannelRecord* RecordAtRow(RadioConfig& cfg, BandGroup group, int row);
const ChannelRecord* RecordAtRow(const RadioConfig& cfg, BandGroup group, int row);
// The channel a row holds: as RecordAtRow, except that a CB memory row, which
// always has its special slot behind it, holds a channel only while the slot is
// in use (`Enabled` = 1).
const ChannelRecord* ChannelAtRow(const RadioConfig& cfg, BandGroup group, int row);

// The label of a row ("12", "M3"), and back; GetCHID gives 0 for a label the
// grid of that group does not show.
std::string GetCHName(BandGroup group, int row);
int GetCHID(BandGroup group, std::string_view label);

}  // namespace zq
