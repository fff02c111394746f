#pragma once
// Configurations for the channel and option rule tests.
#include <string_view>
#include <vector>

#include "config/channel_slots.h"
#include "config/defaults.h"
#include "config/radio_config.h"

namespace zq::testing {

inline RadioConfig DefaultConfig() {
  RadioConfig cfg;
  DocumentState doc;
  SetDefaultValues(cfg, doc, Date{2024, 5, 6});
  return cfg;
}

// Appends a channel in use with the given Number and stored frequency.
inline ChannelRecord& AddChannel(RadioConfig& cfg, BandGroup group, int number,
                                 std::string_view frequency = "2814500 ") {
  ChannelRecord record = NewChannelRecord(number);
  record.RxFrequency = frequency;
  record.TxFrequency = frequency;
  AppendSlot(cfg, group, record);
  return cfg.Channel(group, SlotsInUse(cfg, group));
}

// The Numbers of the records in use of a group, in slot order.
inline std::vector<int> NumbersInOrder(const RadioConfig& cfg, BandGroup group) {
  std::vector<int> numbers;
  for (int k = 1; k <= SlotsInUse(cfg, group); ++k) numbers.push_back(cfg.Channel(group, k).Number);
  return numbers;
}

}  // namespace zq::testing
