#include "options/choice_entries.h"

#include "config/text_rules.h"

namespace zq {
namespace {

std::string NumberText(const ChoicePiece& piece, int number, int language) {
  std::string text = piece.tenths ? FormatPlain(number / 10.0) : std::to_string(number);
  if (piece.unit) text += Text(*piece.unit, language);
  return text;
}

void AddRun(const ChoicePiece& piece, int language, ChoiceEntries& entries) {
  if (piece.step == 0) return;
  for (int n = piece.first; piece.step > 0 ? n <= piece.last : n >= piece.last; n += piece.step)
    entries.Add(NumberText(piece, n, language), piece.divisor ? n / piece.divisor : entries.size());
}

}  // namespace

ChoiceEntries BuildEntries(std::span<const ChoicePiece> pieces, int language) {
  ChoiceEntries entries;
  for (const ChoicePiece& piece : pieces) {
    if (piece.text)
      entries.Add(std::string(Text(*piece.text, language)), entries.size());
    else
      AddRun(piece, language, entries);
  }
  return entries;
}

ChoiceEntries NumberedEntries(Txt off, std::span<const int> numbers, int language) {
  ChoiceEntries entries;
  entries.Add(std::string(Text(off, language)), 0);
  for (int n : numbers) entries.Add(std::to_string(n), n);
  return entries;
}

}  // namespace zq
