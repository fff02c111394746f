#include "options/choice_entries.h"

#include "text/plain_text.h"

namespace zq {
namespace {

std::string PieceNumberText(const ChoicePiece& piece, int number, int language) {
  std::string text = piece.tenths ? FormatPlain(number / 10.0) : std::to_string(number);
  if (piece.unit) text += Text(*piece.unit, language);
  return text;
}

void AddRun(const ChoicePiece& piece, int language, Choices& choices) {
  if (piece.step == 0) return;
  for (int n = piece.first; piece.step > 0 ? n <= piece.last : n >= piece.last; n += piece.step) {
    const int position = static_cast<int>(choices.size());
    choices.push_back({PieceNumberText(piece, n, language), piece.divisor ? n / piece.divisor : position});
  }
}

}  // namespace

Choices BuildChoices(std::span<const ChoicePiece> pieces, int language) {
  Choices choices;
  for (const ChoicePiece& piece : pieces) {
    if (piece.text)
      choices.push_back({std::string(Text(*piece.text, language)), static_cast<int>(choices.size())});
    else
      AddRun(piece, language, choices);
  }
  return choices;
}

Choices NumberedChoices(Txt off, std::span<const int> numbers, int language) {
  Choices choices = {{std::string(Text(off, language)), 0}};
  for (int n : numbers) choices.push_back({std::to_string(n), n});
  return choices;
}

}  // namespace zq
