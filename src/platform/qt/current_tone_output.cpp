#include "platform/qt/current_tone_output.h"

namespace zq {
namespace {

ToneOutput* g_toneOutput = nullptr;

}  // namespace

ToneOutput& CurrentToneOutput() { return g_toneOutput ? *g_toneOutput : SystemToneOutput(); }

void SetToneOutput(ToneOutput* output) { g_toneOutput = output; }

}  // namespace zq
