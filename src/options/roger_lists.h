#pragma once
// The lists of the roger-beep editor and the captions of its fourteen rows.
#include <span>
#include <vector>

#include "options/choice_entries.h"

namespace zq {

// "Off", then 1-10 repetitions.
const std::vector<ChoicePiece>& RogerRecycleList();
// 0-2550 ms in steps of 10 ms, stored in 10 ms units: the inter time and the step durations.
const std::vector<ChoicePiece>& RogerTimeList();
// "None" (0), then 400-2550 Hz stored in 10 Hz units (40-255).
const std::vector<ChoicePiece>& RogerFrequencyList();
// "First Tone" ... "Fourteenth Tone".
std::span<const Txt> RogerStepCaptions();

}  // namespace zq
