#pragma once
// Configurations for the channel and option rule tests.
#include <string_view>

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
inline ChannelRecord& AddChannel(RadioConfig& cfg, int band, int group, int number,
                                 std::string_view frequency = "2814500 ") {
  ChannelRecord record = NewChannelRecord(number);
  record.RxFrequency = frequency;
  record.TxFrequency = frequency;
  AppendSlot(cfg, band, group, record);
  return cfg.Channel(band, group, SlotsInUse(cfg, band, group));
}

}  // namespace zq::testing
