#pragma once
// Names the user may type in any case: INI keys and sections, CSV words, band names.
#include <cctype>
#include <string_view>

namespace zq {

// Equal when they differ only in the case of ASCII letters.
inline bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

}  // namespace zq
