#pragma once
// The output the roger-beep window plays through: the system's own, unless a
// test has put a recorder in place.
#include "platform/tone_output.h"

namespace zq {

ToneOutput& CurrentToneOutput();
void SetToneOutput(ToneOutput* output);

}  // namespace zq
