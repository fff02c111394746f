#include "text/value_choices.h"

namespace zq {

Choices TextChoices(std::span<const Txt> texts, int language) {
  Choices choices;
  for (std::size_t i = 0; i < texts.size(); ++i)
    choices.push_back({std::string(Text(texts[i], language)), static_cast<int>(i)});
  return choices;
}

}  // namespace zq
