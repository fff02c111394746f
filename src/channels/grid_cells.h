#pragma once
// The frequency column of the channel grid for one band and group. Every row
// shows the receive frequency of its own record: a channel row the channel
// numbered like the row, a CB memory row its special slot while the slot is in
// use. The channel a memory is linked to ("CB Mem Chan ID") is shown beside it,
// in the detail panel, never in its place.
#include <string>
#include <vector>

#include "channels/frequency_rules.h"
#include "config/radio_config.h"

namespace zq {

struct GridCells {
  std::vector<std::string> frequencies;  // [row - 1] for rows 1..GridRowCount
  bool notNumeric = false;               // some stored text was not a frequency (Txt::NotIsNumeric)
};

GridCells GridFrequencies(const RadioConfig& cfg, BandGroup group, const FrequencyLimits& limits);

// One row's cell, as GridFrequencies fills it.
ShownFrequency RowFrequency(const RadioConfig& cfg, BandGroup group, int row, const FrequencyLimits& limits);

}  // namespace zq
