#pragma once
// How a stored value selects an entry of a choice list. A value the list does
// not hold shows as the first entry and stays stored until the user picks one.
#include <span>

namespace zq {

// Lists whose stored value is the entry's position.
inline int ShownEntry(int stored, int entryCount) { return stored >= 0 && stored < entryCount ? stored : 0; }

// Lists of "Off" followed by numbers (defined DTMF codes, defined roger-beep
// presets) that store the number itself: the entry showing `stored`, else "Off".
inline int ShownNumberEntry(int stored, std::span<const int> numbers) {
  for (std::size_t i = 0; i < numbers.size(); ++i)
    if (numbers[i] == stored) return static_cast<int>(i) + 1;
  return 0;
}

}  // namespace zq
