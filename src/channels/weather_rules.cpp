#include "channels/weather_rules.h"

#include <algorithm>

#include "text/plain_text.h"

namespace zq {
namespace {

constexpr long long kUnitsPerMHz = 100000;  // 10 Hz units
constexpr long long kRaster5kHz = 500;
constexpr long long kRaster6p25kHz = 625;

}  // namespace

double TV_CH_Step(double mhz) {
  long long units = RoundHalfEven(mhz * kUnitsPerMHz);
  if (units % kRaster5kHz != 0 && units % kRaster6p25kHz != 0) units -= units % kRaster5kHz;
  return static_cast<double>(units) / kUnitsPerMHz;
}

std::string TV_CH_CheckFre(std::string_view entry) {
  std::optional<double> mhz = ParseNumber(entry);
  if (!mhz) return {};
  double held = std::clamp(*mhz, kWeatherLowestMHz, kWeatherHighestMHz);
  return FormatPlain(TV_CH_Step(held));
}

void StoreWeatherFrequency(OptionFeatures& opt, int record, std::string_view entry) {
  std::string checked = TV_CH_CheckFre(entry);
  if (checked.empty()) {
    opt.WxInUse(record) = 0;
    return;
  }
  opt.WxInUse(record) = 1;
  opt.WxOnOff(record) = 0;
  opt.WxBandwidth(record) = 1;
  opt.WxFrequency(record) = *ParseNumber(checked);
}

std::string WeatherFrequencyText(const OptionFeatures& opt, int record) {
  return opt.WxInUse(record) == 1 ? FormatFixed(opt.WxFrequency(record), 5, 3) : std::string();
}

Choices CurrentWeatherChoices(const OptionFeatures& opt) {
  Choices choices;
  for (int n = 1; n <= kWeatherChannels; ++n)
    if (opt.WxInUse(n) == 1) choices.push_back({std::to_string(n), n - 1});
  return choices;
}

}  // namespace zq
