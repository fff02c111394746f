#include "options/roger_beep_rules.h"

#include <utility>

#include "config/channel_slots.h"
#include "config/public_params.h"

namespace zq {
namespace {

bool IsPresetNumber(int n) { return n >= 1 && n <= kRogerPresets; }
bool IsStep(int step) { return step >= 1 && step <= kRogerSteps; }
bool IsInList(int units) { return units >= 0 && units <= kRogerMaxUnits; }
// "None", then 400 Hz upward.
bool IsToneListed(int units) { return units == 0 || (units >= kRogerMinToneUnits && units <= kRogerMaxUnits); }
int FrequencyIndex(int step) { return 2 * (step - 1); }
int DurationIndex(int step) { return 2 * (step - 1) + 1; }

bool IsDefined(const RogerBeepPreset& preset) {
  if (preset[kRecycleTimesIndex] < 1) return false;
  for (int step = 1; step <= kRogerSteps; ++step)
    if (preset[DurationIndex(step)] > 0) return true;
  return false;
}

bool CleanReference(const RadioConfig& cfg, int16_t& value) {
  if (value == 0 || IsRogerPresetDefined(cfg, value)) return false;
  value = 0;
  return true;
}

// Recycle times and durations decide whether a preset is defined: a stored
// change must keep one defined and then clean the references.
bool StoreGuarded(RadioConfig& cfg, int n, int index, int value) {
  RogerBeepPreset changed = cfg.RogerBeepTable[n - 1];
  changed[index] = static_cast<int16_t>(value);
  if (WouldRemoveLastPreset(cfg, n, changed)) return false;
  cfg.RogerBeepTable[n - 1] = changed;
  CleanRogerReferences(cfg);
  return true;
}

}  // namespace

bool IsRogerPresetDefined(const RadioConfig& cfg, int n) {
  return IsPresetNumber(n) && IsDefined(cfg.RogerBeepTable[n - 1]);
}

int DefinedRogerPresetCount(const RadioConfig& cfg) { return static_cast<int>(DefinedRogerPresetNumbers(cfg).size()); }

std::vector<int> DefinedRogerPresetNumbers(const RadioConfig& cfg) {
  std::vector<int> numbers;
  for (int n = 1; n <= kRogerPresets; ++n)
    if (IsRogerPresetDefined(cfg, n)) numbers.push_back(n);
  return numbers;
}

int CleanRogerReferences(RadioConfig& cfg) {
  int reset = 0;
  for (const Band band : kBands) {
    auto value = static_cast<int16_t>(std::as_const(cfg.Options).PublicParams(band, kPublicRoger));
    if (CleanReference(cfg, value)) {
      cfg.Options.PublicParams(band, kPublicRoger) = value;
      ++reset;
    }
  }
  ForEachReferencingRecord(cfg, [&](ChannelRecord& r) { reset += CleanReference(cfg, r.Roger); });
  return reset;
}

bool WouldRemoveLastPreset(const RadioConfig& cfg, int n, const RogerBeepPreset& changed) {
  if (!IsPresetNumber(n) || DefinedRogerPresetCount(cfg) == 0) return false;
  for (int other = 1; other <= kRogerPresets; ++other)
    if (other != n && IsRogerPresetDefined(cfg, other)) return false;
  return !IsDefined(changed);
}

bool SetRogerRecycleTimes(RadioConfig& cfg, int n, int times) {
  if (!IsPresetNumber(n) || times < 0 || times > kRogerMaxRecycle) return false;
  return StoreGuarded(cfg, n, kRecycleTimesIndex, times);
}

bool SetRogerStepDuration(RadioConfig& cfg, int n, int step, int units) {
  if (!IsPresetNumber(n) || !IsStep(step) || !IsInList(units)) return false;
  return StoreGuarded(cfg, n, DurationIndex(step), units);
}

bool SetRogerInterTime(RadioConfig& cfg, int n, int units) {
  if (!IsPresetNumber(n) || !IsInList(units)) return false;
  cfg.RogerBeepTable[n - 1][kInterTimeIndex] = static_cast<int16_t>(units);
  return true;
}

bool SetRogerStepFrequency(RadioConfig& cfg, int n, int step, int units) {
  if (!IsPresetNumber(n) || !IsStep(step) || !IsToneListed(units)) return false;
  cfg.RogerBeepTable[n - 1][FrequencyIndex(step)] = static_cast<int16_t>(units);
  return true;
}

}  // namespace zq
