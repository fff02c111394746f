#pragma once
// Windows-style locale identifiers for systems that name their locales instead
// ("zh_CN.UTF-8" is 0x0804). The language rules of the program test these numbers.
#include <string>
#include <string_view>

namespace zq {

// German (Germany): the Bluetooth name is stored with the German character set.
inline constexpr unsigned kGermanLocaleId = 0x0407;

// 0x0409 (English, United States) for anything unknown or empty.
unsigned LocaleIdOfName(std::string_view localeName);
// The identifier as the program records it: hexadecimal without leading zeros ("804").
std::string LocaleIdText(unsigned localeId);

}  // namespace zq
