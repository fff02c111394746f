#pragma once
// A choice list whose entries each store their own value: channel numbers
// stored less one, positions stored as they are. The windows only show the
// texts and hand the value of the picked entry back to the rules.
#include <span>
#include <string>
#include <vector>

#include "text/language_table.h"

namespace zq {

struct Choice {
  std::string text;
  int value = 0;  // what picking the entry stores
  bool operator==(const Choice&) const = default;
};
using Choices = std::vector<Choice>;

// The entry that shows a stored value: the one storing it, else the first
// entry; -1 for an empty list. The stored value itself is left alone.
inline int ShownChoice(std::span<const Choice> choices, int stored) {
  for (std::size_t i = 0; i < choices.size(); ++i)
    if (choices[i].value == stored) return static_cast<int>(i);
  return choices.empty() ? -1 : 0;
}

inline constexpr Txt kOffOnTexts[] = {Txt::ChoiceOff, Txt::ChoiceOn};

// Entries made of language-table texts, each storing its position.
Choices TextChoices(std::span<const Txt> texts, int language);

}  // namespace zq
