#include "channels/grid_cells.h"

#include "channels/channel_rows.h"

namespace zq {

ShownFrequency RowFrequency(const RadioConfig& cfg, Band band, int group, int row, const FrequencyLimits& limits) {
  const ChannelRecord* record = ChannelAtRow(cfg, band, group, row);
  return record == nullptr ? ShownFrequency{} : FormatStoredFrequency(record->RxFrequency.str(), limits);
}

GridCells GridFrequencies(const RadioConfig& cfg, Band band, int group, const FrequencyLimits& limits) {
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
