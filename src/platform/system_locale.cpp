#include "platform/system_locale.h"

#include <cstdlib>

namespace zq {
namespace {

struct LocaleName {
  std::string_view prefix;
  unsigned id;
};

// Longer prefixes first: "zh_CN" before "zh".
constexpr LocaleName kLocaleIds[] = {
    {"zh_CN", 0x0804}, {"zh_SG", 0x1004}, {"zh_TW", 0x0404}, {"zh_HK", 0x0C04}, {"zh", 0x0804},
    {"de_DE", 0x0407}, {"de", 0x0407},    {"en_GB", 0x0809}, {"en", 0x0409},
};

constexpr unsigned kEnglishUs = 0x0409;

}  // namespace

unsigned LocaleIdOfName(std::string_view localeName) {
  for (const auto& entry : kLocaleIds)
    if (localeName.substr(0, entry.prefix.size()) == entry.prefix) return entry.id;
  return kEnglishUs;
}

unsigned SystemLocaleId() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return LocaleIdOfName(value);
  }
  return kEnglishUs;
}

}  // namespace zq
