#pragma once
// Language-table texts as Qt strings.
#include <QString>

#include "text/language_table.h"

namespace zq {

inline QString QText(Txt id, int language) {
  auto text = Text(id, language);
  return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

inline QString QUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

}  // namespace zq
