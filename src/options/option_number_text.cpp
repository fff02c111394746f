#include "options/option_number_text.h"

#include <algorithm>
#include <cmath>

#include "text/plain_text.h"

namespace zq {
namespace {

NumberText Written(const NumberFormat& format, double value) {
  std::string text = FormatFixed(value, format.decimals);
  // The stored value follows the text the user sees, not the digits typed beyond it.
  return {text, std::llround(*ParseNumber(text) * format.scale)};
}

}  // namespace

std::string ShowNumber(const NumberFormat& format, long long stored) {
  return FormatFixed(static_cast<double>(stored) / format.scale, format.decimals);
}

NumberText NormaliseNumber(const NumberFormat& format, std::string_view typed) {
  std::optional<double> value = ParseNumber(typed);
  if (!value) value = ParseNumber(format.fallback);
  return Written(format, std::clamp(*value, format.low, format.high));
}

std::pair<NumberText, NumberText> NormaliseRange(const NumberFormat& format, std::string_view lowTyped,
                                                 std::string_view highTyped) {
  NumberText low = NormaliseNumber(format, lowTyped);
  NumberText high = NormaliseNumber(format, highTyped);
  if (high.stored < low.stored) std::swap(low, high);
  return {low, high};
}

}  // namespace zq
