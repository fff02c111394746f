#include "channels/channel_rows.h"

#include <string>

#include "config/channel_slots.h"
#include "text/plain_text.h"

namespace zq {
namespace {

constexpr int kCbMemoryRows = 16;
// Each CB group's set of 16 memory slots; the UK plan (group 7) shares the set of group 5.
constexpr int kCbMemorySetOfGroup[] = {1, 2, 3, 4, 5, 6, 5};

}  // namespace

RowLayout RowLayoutOf(BandGroup group) {
  if (!IsGroup(group)) return {};
  RowLayout layout;
  layout.channelRows = GroupCapacity(group);
  layout.channelsAsMemory = IsMemGroup(group);
  if (group.band == kCB) {
    layout.memoryRows = kCbMemoryRows;
    layout.firstSpecialSlot = (kCbMemorySetOfGroup[group.number - 1] - 1) * kCbMemoryRows + 1;
  }
  return layout;
}

int GridRowCount(BandGroup group) {
  RowLayout layout = RowLayoutOf(group);
  return layout.channelRows + layout.memoryRows;
}

RowTarget TargetOfRow(BandGroup group, int row) {
  RowLayout layout = RowLayoutOf(group);
  if (row >= 1 && row <= layout.channelRows) return {RowKind::Channel, row};
  if (row > layout.channelRows && row <= layout.channelRows + layout.memoryRows)
    return {RowKind::CbMemory, layout.firstSpecialSlot + row - layout.channelRows - 1};
  return {};
}

ChannelRecord* RecordAtRow(RadioConfig& cfg, BandGroup group, int row) {
  const RadioConfig& view = cfg;
  return const_cast<ChannelRecord*>(RecordAtRow(view, group, row));
}

const ChannelRecord* RecordAtRow(const RadioConfig& cfg, BandGroup group, int row) {
  RowTarget target = TargetOfRow(group, row);
  if (target.kind == RowKind::CbMemory) return &cfg.Special(target.number);
  if (target.kind != RowKind::Channel) return nullptr;
  int position = FindSlotOfNumber(cfg, group, target.number);
  return position == 0 ? nullptr : &cfg.Channel(group, position);
}

const ChannelRecord* ChannelAtRow(const RadioConfig& cfg, BandGroup group, int row) {
  const ChannelRecord* record = RecordAtRow(cfg, group, row);
  bool memory = TargetOfRow(group, row).kind == RowKind::CbMemory;
  return record != nullptr && (!memory || record->Enabled == 1) ? record : nullptr;
}

std::string GetCHName(BandGroup group, int row) {
  RowLayout layout = RowLayoutOf(group);
  if (row < 1 || row > layout.channelRows + layout.memoryRows) return {};
  if (row > layout.channelRows) return "M" + std::to_string(row - layout.channelRows);
  return (layout.channelsAsMemory ? "M" : "") + std::to_string(row);
}

int GetCHID(BandGroup group, std::string_view label) {
  RowLayout layout = RowLayoutOf(group);
  bool memoryLabel = !label.empty() && label.front() == 'M';
  auto digits = memoryLabel ? label.substr(1) : label;
  if (!IsAllDigits(digits) || digits.size() > 3) return 0;
  int n = static_cast<int>(*ParseInteger(digits));
  int row = 0;
  if (memoryLabel)
    row = layout.channelsAsMemory ? n : layout.channelRows + n;
  else if (!layout.channelsAsMemory)
    row = n;
  bool labelledAsGiven = row >= 1 && row <= GridRowCount(group) && GetCHName(group, row) == label;
  return labelledAsGiven ? row : 0;
}

}  // namespace zq
