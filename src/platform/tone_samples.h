#pragma once
// The samples of a sine tone for a sound device: signed 16-bit, one channel.
#include <cstdint>
#include <vector>

namespace zq {

// `ms` milliseconds of `hz` at `sampleRate` samples a second, at half of full
// scale, faded in and out over a few milliseconds so the tone neither starts
// nor ends with a click.
std::vector<int16_t> SineSamples(int hz, int ms, int sampleRate);

}  // namespace zq
