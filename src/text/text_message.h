#pragma once
// A text of the language table with the values it names, as a layer below the
// window returns it: whoever shows it renders it in the language in force.
#include <string>
#include <vector>

#include "text/language_table.h"

namespace zq {

struct TextMessage {
  Txt key{};
  std::vector<std::string> values;  // "%1", "%2"... of the text, in order

  bool operator==(const TextMessage&) const = default;
};

inline std::string Render(const TextMessage& message, int language) {
  return FillIn(Text(message.key, language), message.values);
}

}  // namespace zq
