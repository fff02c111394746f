#include "channels/grid_cells.h"

#include "channels/channel_rows.h"

namespace zq {

ShownFrequency RowFrequency(const RadioConfig& cfg, BandGroup group, int row, const FrequencyLimits& limits) {
  const ChannelRecord* record = ChannelAtRow(cfg, group, row);
  return record == nullptr ? ShownFrequency{} : FormatStoredFrequency(record->RxFrequency.str(), limits);
}

GridCells GridFrequencies(const RadioConfig& cfg, BandGroup group, const FrequencyLimits& limits) {
  GridCells cells;
  int rows = GridRowCount(group);
  cells.frequencies.resize(rows);
  for (int row = 1; row <= rows; ++row) {
    ShownFrequency shown = RowFrequency(cfg, group, row, limits);
    cells.frequencies[row - 1] = std::move(shown.text);
    cells.notNumeric = cells.notNumeric || shown.notNumeric;
  }
  return cells;
}

}  // namespace zq
