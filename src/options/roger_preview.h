#pragma once
// What playing a roger-beep preset on the PC sounds like, as a list of events
// the sound output works through. Keeping the sequence apart from the playing
// lets the window stop between any two events.
#include <vector>

#include "config/radio_config.h"

namespace zq {

enum class BeepEventKind { Tone, Silence, Pause };

struct BeepEvent {
  BeepEventKind kind = BeepEventKind::Silence;
  int hz = 0;  // Tone only
  int ms = 0;
  bool operator==(const BeepEvent&) const = default;
};

// RecycleTimes repetitions of the steps, each repetition followed by the
// InterTime pause (left out when it is 0). Steps of 4 ms or less are skipped;
// a step above 48 Hz sounds, a lower one is silence of its length. Nothing at
// all when the steps together do not last more than 4 ms.
std::vector<BeepEvent> RogerPreview(const RogerBeepPreset& preset);

}  // namespace zq
