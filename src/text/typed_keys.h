#pragma once
// What a text box does with a typed character. Boxes that take only some
// printable characters also drop Ctrl+C, Ctrl+V, Ctrl+X and every character
// above code 127, so nothing can be pasted past the filter; other control keys
// (backspace, Enter, Tab) pass to the box.
#include <string_view>

namespace zq {

enum class KeyVerdict { Insert, PassControl, Discard };

struct FilteredKey {
  KeyVerdict verdict = KeyVerdict::Discard;
  char character = 0;  // what to insert, for Insert
};

// Characters of boxes that take a decimal number.
inline constexpr std::string_view kDecimalKeys = "0123456789.";

// `accepted` lists the printable characters the box takes; with `upperCase`
// a lower-case letter counts as its capital and is inserted as such.
FilteredKey FilterTypedKey(char32_t key, std::string_view accepted, bool upperCase = false);

}  // namespace zq
