#pragma once
// The per-band "PUBLIC" switch: whether the band's channels use the band's
// common parameters. Every channel record of the band carries the switch in
// its Public field.
#include "config/radio_config.h"

namespace zq {

inline constexpr int kPublicOn = 0;
inline constexpr int kPublicOff = 1;

// Stores the switch of the band and writes it into Public of every channel
// slot of every group of the band, slots not in use included. False, with
// nothing changed, when the band or value is invalid or the switch already holds the value.
bool SetPublicSwitch(RadioConfig& cfg, Band band, int value);

}  // namespace zq
