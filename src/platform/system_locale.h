#pragma once
// The system's default locale as the identifier the program's language rules use
// (0x0804 Chinese PRC, 0x0404 Chinese Taiwan, 0x0409 English US, ...).
#include <string_view>

namespace zq {

// From a POSIX locale name such as "zh_CN.UTF-8"; unknown names count as English (0x0409).
unsigned LocaleIdOfName(std::string_view localeName);
// From the environment: LC_ALL, then LC_MESSAGES, then LANG, the first that is set.
unsigned SystemLocaleId();

}  // namespace zq
