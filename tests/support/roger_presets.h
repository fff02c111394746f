#pragma once
// A roger-beep preset from its steps (frequency in 10 Hz, duration in 10 ms).
#include <initializer_list>
#include <utility>

#include "config/radio_config.h"

namespace zq::testing {

inline RogerBeepPreset Preset(std::initializer_list<std::pair<int, int>> steps, int recycle, int interTime) {
  RogerBeepPreset preset{};
  int i = 0;
  for (auto [frequency, duration] : steps) {
    preset[i++] = static_cast<int16_t>(frequency);
    preset[i++] = static_cast<int16_t>(duration);
  }
  preset[kRecycleTimesIndex] = static_cast<int16_t>(recycle);
  preset[kInterTimeIndex] = static_cast<int16_t>(interTime);
  return preset;
}

}  // namespace zq::testing
