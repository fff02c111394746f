#include "channels/grid_cells.h"

#include "channels/channel_rows.h"
#include "config/channel_slots.h"

namespace zq {
namespace {

// The channel a CB memory row recalls; nullptr when it is not linked to a channel in use.
const ChannelRecord* LinkedChannel(const RadioConfig& cfg, int group, const ChannelRecord& memory) {
  if (memory.CbMemChannel == kNoCbMemChannel) return nullptr;
  int position = FindSlotOfNumber(cfg, kCB, group, memory.CbMemChannel);
  return position == 0 ? nullptr : &cfg.Channel(kCB, group, position);
}

}  // namespace

ShownFrequency RowFrequency(const RadioConfig& cfg, int band, int group, int row, const FrequencyLimits& limits) {
  const ChannelRecord* record = RecordAtRow(cfg, band, group, row);
  if (record != nullptr && TargetOfRow(band, group, row).kind == RowKind::CbMemory)
    record = LinkedChannel(cfg, group, *record);
  return record == nullptr ? ShownFrequency{} : FormatStoredFrequency(record->RxFrequency.str(), limits);
}

GridCells GridFrequencies(const RadioConfig& cfg, int band, int group, const FrequencyLimits& limits) {
  GridCells cells;
  int rows = GridRowCount(band, group);
  cells.frequencies.resize(rows);
  for (int row = 1; row <= rows; ++row) {
    ShownFrequency shown = RowFrequency(cfg, band, group, row, limits);
    cells.frequencies[row - 1] = std::move(shown.text);
    cells.notNumeric = cells.notNumeric || shown.notNumeric;
  }
  return cells;
}

}  // namespace zq
