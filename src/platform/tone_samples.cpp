#include "platform/tone_samples.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zq {
namespace {

constexpr double kAmplitude = 0.5 * 32767;
constexpr int kFadeMs = 3;

}  // namespace

std::vector<int16_t> SineSamples(int hz, int ms, int sampleRate) {
  if (hz <= 0 || ms <= 0 || sampleRate <= 0) return {};
  const long count = static_cast<long>(sampleRate) * ms / 1000;
  const long fade = std::min<long>(static_cast<long>(sampleRate) * kFadeMs / 1000, count / 2);
  std::vector<int16_t> samples(count);
  for (long k = 0; k < count; ++k) {
    double envelope = fade > 0 ? std::min({1.0, double(k) / fade, double(count - 1 - k) / fade}) : 1.0;
    double phase = 2 * std::numbers::pi * hz * double(k) / sampleRate;
    samples[k] = static_cast<int16_t>(std::lround(kAmplitude * envelope * std::sin(phase)));
  }
  return samples;
}

}  // namespace zq
