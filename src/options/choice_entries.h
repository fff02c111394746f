#pragma once
// Choice lists of the option windows, kept as data: a list is a row of pieces,
// each either one text of the language table or a run of decimal numbers with
// an optional unit, and every entry carries the value the configuration stores
// when the user picks it.
#include <optional>
#include <span>

#include "text/language_table.h"
#include "text/value_choices.h"

namespace zq {

struct ChoicePiece {
  std::optional<Txt> text;  // one entry showing this text
  int first = 0;            // otherwise the numbers first, first + step, ... last
  int last = -1;
  int step = 1;
  std::optional<Txt> unit;  // written after each number
  int divisor = 0;          // a number stores number / divisor; 0: its entry's position
  bool tenths = false;      // the number is shown divided by 10 ("15" shows "1.5")
};

inline ChoicePiece Word(Txt text) { return {.text = text}; }
inline ChoicePiece Numbers(int first, int last, int step = 1, std::optional<Txt> unit = {}) {
  return {.first = first, .last = last, .step = step, .unit = unit};
}
// Numbers that store number / divisor rather than their position.
inline ChoicePiece Scaled(int first, int last, int step, int divisor) {
  return {.first = first, .last = last, .step = step, .divisor = divisor};
}
inline ChoicePiece Tenths(int first, int last, int step, Txt unit) {
  return {.first = first, .last = last, .step = step, .unit = unit, .tenths = true};
}

Choices BuildChoices(std::span<const ChoicePiece> pieces, int language);

// An "off" entry storing 0, then one entry per number showing and storing it:
// the lists of defined DTMF codes and roger-beep presets.
Choices NumberedChoices(Txt off, std::span<const int> numbers, int language);

}  // namespace zq
