#include "options/roger_bars.h"

#include <algorithm>

namespace zq {

std::vector<RogerBar> RogerBars(const RogerBeepPreset& preset, int width, int height) {
  long total = 0;
  for (int step = 0; step < kRogerSteps; ++step) total += std::max<int>(preset[2 * step + 1], 0);
  std::vector<RogerBar> bars;
  if (total == 0 || width <= 0 || height <= 0) return bars;
  // Edges from the running total, so rounding never leaves a gap or runs past the picture.
  long before = 0;
  for (int step = 0; step < kRogerSteps; ++step) {
    int duration = preset[2 * step + 1];
    if (duration <= 0) continue;
    int left = static_cast<int>(before * width / total);
    before += duration;
    int right = static_cast<int>(before * width / total);
    int tall = std::clamp<int>(preset[2 * step] * height / 256, 0, height);
    bars.push_back({left, right - left, tall, bars.size() % 2 == 0});
  }
  return bars;
}

}  // namespace zq
