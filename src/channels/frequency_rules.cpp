#include "channels/frequency_rules.h"

#include <algorithm>
#include <cmath>

#include "text/plain_text.h"

namespace zq {
namespace {

constexpr std::string_view kNoFrequency = "FFFFFFFF";
constexpr int kFrequencyDecimals = 5;
constexpr long long kRasterHz = 10;

double NumberOr(std::string_view text, double fallback) { return ParseNumber(text).value_or(fallback); }

// Digits with at most one point: the only entries whose digits can be copied
// into the stored form as they stand.
bool IsPlainDecimal(std::string_view s) {
  int digits = 0, points = 0;
  for (char c : s) {
    if (c >= '0' && c <= '9')
      ++digits;
    else if (c == '.')
      ++points;
    else
      return false;
  }
  return digits > 0 && points <= 1;
}

}  // namespace

FrequencyLimits SetLimitsFromRangeText(std::string_view rangeText) {
  FrequencyLimits limits;
  auto dash = rangeText.find(" - ");
  if (dash == std::string_view::npos) return limits;
  limits.min = NumberOr(rangeText.substr(0, dash), limits.min);
  auto upper = rangeText.substr(dash + 3);
  limits.max = NumberOr(upper.substr(0, upper.find(" MHz")), limits.max);
  return limits;
}

FrequencyLimits LimitsOfBand(Band band) { return SetLimitsFromRangeText(kBandEntries[BandIndex(band)].rangeText); }

std::optional<double> StoredFrequencyMhz(std::string_view stored) {
  auto digits = Trim(Cleaned(stored));
  if (digits.empty() || digits == kNoFrequency || !IsAllDigits(digits)) return std::nullopt;
  std::string withPoint(digits.substr(0, 2));
  withPoint += "." + std::string(digits.substr(std::min<size_t>(2, digits.size())));
  return ParseNumber(withPoint);
}

bool StoredFrequencyWithin(std::string_view stored, const FrequencyLimits& limits) {
  auto mhz = StoredFrequencyMhz(stored);
  if (!mhz) return false;
  long long hz = std::llround(*mhz * 1e6);
  return hz >= std::llround(limits.min * 1e6) && hz <= std::llround(limits.max * 1e6);
}

ShownFrequency FormatStoredFrequency(std::string_view stored, const FrequencyLimits& limits) {
  auto s = Trim(Cleaned(stored));
  if (s.empty() || s == kNoFrequency) return {};
  if (!IsAllDigits(s)) return {FormatPlain(limits.min), true};
  return {FormatFixed(StoredFrequencyMhz(s).value_or(0), kFrequencyDecimals), false};
}

std::optional<std::string> StoredFromEntry(std::string_view entry, const FrequencyLimits& limits) {
  std::string t(Trim(entry));
  if (t.empty()) return t;
  if (!IsPlainDecimal(t)) t = FormatPlain(limits.min);
  auto point = t.find('.');
  if (point == std::string::npos) return t;
  // Fewer than two MHz digits get leading zeros: 5.5 MHz is stored "055".
  for (; point < 2; ++point) t.insert(t.begin(), '0');
  if (point > 2) return std::nullopt;
  return t.substr(0, 2) + t.substr(point + 1);
}

double SnapToStep(double mhz, const FrequencyLimits& limits) {
  long long f = RoundHalfEven(mhz * 1e6);
  long long b = RoundHalfEven(limits.min * 1e6);
  long long r = (f - b) % kRasterHz;
  return static_cast<double>(f - r) / 1e6;
}

CheckedFrequency CheckFrequency(double mhz, bool clamp, const FrequencyLimits& limits) {
  if (mhz < limits.min) return {clamp ? limits.min : 0.0, true};
  if (mhz > limits.max) return {clamp ? limits.max : 0.0, true};
  return {SnapToStep(mhz, limits), false};
}

CheckedText CheckFrequencyText(std::string_view entry, bool clamp, const FrequencyLimits& limits) {
  auto number = ParseNumber(entry);
  CheckedFrequency checked = number ? CheckFrequency(*number, clamp, limits)
                                    : CheckedFrequency{clamp ? limits.min : 0.0, true};
  std::string text = checked.mhz == 0 ? std::string() : FormatFixed(checked.mhz, kFrequencyDecimals);
  return {text, checked.outOfRange};
}

}  // namespace zq
