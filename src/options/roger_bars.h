#pragma once
// The bar diagram of a roger-beep preset: one bar per step that lasts, left
// to right, as wide as its share of the whole sequence and as high as its
// frequency (255 units nearly fill the picture), alternately red and blue.
#include <vector>

#include "config/radio_config.h"

namespace zq {

struct RogerBar {
  int x = 0;
  int width = 0;
  int height = 0;  // from the bottom edge
  bool red = true;
  bool operator==(const RogerBar&) const = default;
};

std::vector<RogerBar> RogerBars(const RogerBeepPreset& preset, int width, int height);

}  // namespace zq
