#pragma once
// The number boxes of the option-features window: what a typed text becomes
// when the box is left, and the value the configuration keeps for it.
#include <string>
#include <string_view>
#include <utility>

namespace zq {

struct NumberFormat {
  int decimals = 1;  // the text shows this many decimals ("#0.0")
  double low = 0;    // typed values are held within low..high
  double high = 0;
  std::string_view fallback;  // replaces a text that is not a number
  int scale = 10;             // stored value = number × scale, rounded
  int maxLength = 4;          // characters the box takes
};

struct NumberText {
  std::string text;
  long long stored = 0;
};

// The stored value as the box shows it (stored / scale with the format's decimals).
std::string ShowNumber(const NumberFormat& format, long long stored);

// A number held within the limits and rewritten in the format; any other
// text becomes the fallback.
NumberText NormaliseNumber(const NumberFormat& format, std::string_view typed);

// The two ends of a range, each normalised; exchanged when the upper one is
// below the lower one.
std::pair<NumberText, NumberText> NormaliseRange(const NumberFormat& format, std::string_view lowTyped,
                                                 std::string_view highTyped);

}  // namespace zq
