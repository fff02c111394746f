#pragma once
// The eight roger-beep presets and the references to them. A channel's Roger
// and each band's common Roger parameter hold a preset number 1-8, or 0 for
// none; a reference to a preset that is not defined is reset to 0. At least one
// preset stays defined: a change that would take the last one away is refused.
#include <vector>

#include "config/radio_config.h"

namespace zq {

inline constexpr int kRogerMaxRecycle = 10;
inline constexpr int kRogerMaxUnits = 255;     // frequency (10 Hz) and duration (10 ms) limit
inline constexpr int kRogerMinToneUnits = 40;  // 400 Hz, the lowest tone after "None"

// Step 1-14 of a preset: frequency in 10 Hz units (0 none), duration in 10 ms units.
inline int StepFrequency(const RogerBeepPreset& preset, int step) { return preset[2 * (step - 1)]; }
inline int StepDuration(const RogerBeepPreset& preset, int step) { return preset[2 * (step - 1) + 1]; }

// Preset n is defined when n is 1-8, it plays at least once and one of its
// steps lasts longer than 0.
bool IsRogerPresetDefined(const RadioConfig& cfg, int n);
int DefinedRogerPresetCount(const RadioConfig& cfg);
// The defined preset numbers, ascending: the entries after "Off" in the Roger lists.
std::vector<int> DefinedRogerPresetNumbers(const RadioConfig& cfg);

// Resets every stale Roger: of the channels in use, of the special slots and of
// the three bands' common parameters. Returns how many were reset.
int CleanRogerReferences(RadioConfig& cfg);

// Whether replacing preset n by `changed` would leave no preset defined while
// one is defined now.
bool WouldRemoveLastPreset(const RadioConfig& cfg, int n, const RogerBeepPreset& changed);

// The editor's stores. Recycle times and step durations are refused (false,
// nothing changed) when outside their lists or when they would take the last
// defined preset away; a stored change cleans the references. Inter time and
// step frequencies (0 for none, else 40-255) only need to lie in their lists. Steps count from 1.
bool SetRogerRecycleTimes(RadioConfig& cfg, int n, int times);
bool SetRogerStepDuration(RadioConfig& cfg, int n, int step, int units);
bool SetRogerInterTime(RadioConfig& cfg, int n, int units);
bool SetRogerStepFrequency(RadioConfig& cfg, int n, int step, int units);

}  // namespace zq
