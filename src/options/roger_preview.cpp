#include "options/roger_preview.h"

namespace zq {
namespace {

constexpr int kShortestStepMs = 4;
constexpr int kLowestAudibleHz = 48;

int StepHz(const RogerBeepPreset& preset, int step) { return preset[2 * step] * 10; }
int StepMs(const RogerBeepPreset& preset, int step) { return preset[2 * step + 1] * 10; }

std::vector<BeepEvent> OneRepetition(const RogerBeepPreset& preset) {
  std::vector<BeepEvent> events;
  for (int step = 0; step < kRogerSteps; ++step) {
    int ms = StepMs(preset, step);
    if (ms <= kShortestStepMs) continue;
    int hz = StepHz(preset, step);
    if (hz > kLowestAudibleHz)
      events.push_back({BeepEventKind::Tone, hz, ms});
    else
      events.push_back({BeepEventKind::Silence, 0, ms});
  }
  return events;
}

}  // namespace

std::vector<BeepEvent> RogerPreview(const RogerBeepPreset& preset) {
  long totalMs = 0;
  for (int step = 0; step < kRogerSteps; ++step) totalMs += StepMs(preset, step);
  if (totalMs <= kShortestStepMs) return {};

  const std::vector<BeepEvent> repetition = OneRepetition(preset);
  const int pauseMs = preset[kInterTimeIndex] * 10;
  std::vector<BeepEvent> events;
  for (int i = 0; i < preset[kRecycleTimesIndex]; ++i) {
    events.insert(events.end(), repetition.begin(), repetition.end());
    if (pauseMs > 0) events.push_back({BeepEventKind::Pause, 0, pauseMs});
  }
  return events;
}

}  // namespace zq
